#include "app/application.h"

#include "app/qttranslations.h"
#include "app/tahoma.h"

#include <QLocale>

TzApplication::TzApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // What Qt draws (file types, numbers, dates) is in Russian whatever the system's
    // language; the build log keeps the system's own time format by asking QLocale::system().
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    installQtTranslations();
    loadTahoma();
}

bool TzApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        return false;
    }
}
