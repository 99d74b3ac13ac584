#include "pages/filedialoglocale.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>

#include <algorithm>

namespace {

const QLocale& russian() {
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

} // namespace

QString RussianFileColumns::sizeText(qint64 bytes) {
    if (bytes < 1024)
        return russian().toString(bytes) + QStringLiteral(" байт");
    return russian().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QVariant RussianFileColumns::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files || role != Qt::DisplayRole || index.column() == 0)
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const bool folder = files->isDir(source);
    switch (index.column()) {
    case 1:
        return folder ? QString() : sizeText(files->size(source));
    case 2:
        return folder ? QStringLiteral("Папка") : QIdentityProxyModel::data(index, role);
    case 3:
        return russian().toString(files->lastModified(source), QLocale::ShortFormat);
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

void fitRussianDateColumn(QFileDialog& dialog) {
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view)
        return;
    const QString widest =
        russian().toString(QDateTime(QDate(2000, 12, 28), QTime(20, 48)), QLocale::ShortFormat);
    constexpr int dateColumn = 3;
    const int margins = 2 * view->fontMetrics().averageCharWidth();
    QHeaderView* header = view->header();
    header->resizeSection(dateColumn,
                          std::max(header->sectionSize(dateColumn),
                                   view->fontMetrics().horizontalAdvance(widest) + margins));
}
