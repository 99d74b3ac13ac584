#include "app/application.h"

TzApplication::TzApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TzApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        return false;
    }
}
