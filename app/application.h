#pragma once

#include <QApplication>

// The application-wide error handler: an exception that escapes an event handler ends
// that handler and is dropped; the program goes on.
class TzApplication : public QApplication {
public:
    TzApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
