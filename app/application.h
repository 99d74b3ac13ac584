#pragma once

#include <QApplication>

// The program's application object: Qt's own texts in Russian and the Tahoma the pages are
// laid out for, both set up before any window exists, and the application-wide error
// handler: an exception that escapes an event handler ends that handler and is dropped;
// the program goes on.
class TzApplication : public QApplication {
public:
    TzApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
