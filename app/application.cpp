#include "app/application.h"

#include "app/qttranslations.h"
#include "app/tahoma.h"

TzApplication::TzApplication(int& argc, char** argv) : QApplication(argc, argv) {
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
