#include "app/appicon.h"

// Outside any namespace, as the resource initialiser must be; the call also keeps the
// linker from dropping the resource object of the static library.
static void initIconResource() {
    Q_INIT_RESOURCE(appicon);
}

QIcon applicationIcon() {
    initIconResource();
    QIcon icon;
    for (const int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tzwizard-%1.png").arg(size), QSize(size, size));
    return icon;
}
