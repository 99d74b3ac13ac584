#include "app/tahoma.h"

#include <QFileInfo>
#include <QFontDatabase>

namespace {
const QString kFamily = QStringLiteral("Tahoma");
}

QStringList wineTahomaFiles() {
    return {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
            QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")};
}

bool loadTahoma() {
    if (QFontDatabase::families().contains(kFamily, Qt::CaseInsensitive))
        return true;
    bool loaded = false;
    for (const QString& file : wineTahomaFiles()) {
        if (!QFileInfo::exists(file))
            continue;
        const int id = QFontDatabase::addApplicationFont(file);
        if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(kFamily))
            loaded = true;
    }
    return loaded;
}
