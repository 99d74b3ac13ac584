#include "structure/addmenuitem.h"

TfrmAddMenuItem::TfrmAddMenuItem() {
    setObjectName(QStringLiteral("frmAddMenuItem"));
    setWindowTitle(QStringLiteral("Готовые Решения"));
}
