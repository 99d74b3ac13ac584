#include "structuretestsupport.h"

#include "project/projectfile.h"
#include "project/projecttext.h"
#include "structure/menutreemodel.h"

#include <QLineEdit>

#include <functional>

TfrmStep5* openNewProject(WizardFixture& f, const QString& name) {
    f.session().TZnew();
    f.session().moveTo(f.path(name));
    TfrmStep5* page = f.w().step5;
    page->show();
    return page;
}

Item itemAt(TfrmStep5* page, const QList<int>& path) {
    QModelIndex index = page->menuModel().rootIndex();
    for (int i : path)
        index = index.isValid() ? page->menuModel().index(i, 0, index) : QModelIndex();
    return index;
}

Item addUnder(TfrmStep5* page, const Item& parent, const QString& caption) {
    page->uMenu->setCurrentIndex(parent);
    page->btnAddMenuClick();
    const Item added = current(page);
    if (added != parent && !caption.isEmpty())
        page->MenuCaption->setText(caption);
    return added;
}

Item current(TfrmStep5* page) {
    return page->uMenu->currentIndex();
}

QString text(const Item& item) {
    return item.data().toString();
}

Item child(const Item& item, int row) {
    return item.model()->index(row, 0, item);
}

int childCount(const Item& item) {
    return item.model()->rowCount(item);
}

QStringList outline(TfrmStep5* page) {
    QStringList out;
    std::function<void(const Item&, int)> walk = [&](const Item& item, int level) {
        out.append(QString::number(level) + u' ' + text(item));
        for (int i = 0; i < childCount(item); ++i)
            walk(child(item, i), level + 1);
    };
    walk(itemAt(page, {}), 0);
    return out;
}

QPoint pointOf(TfrmStep5* page, const Item& item) {
    return page->uMenu->visualRect(item).center();
}

QString uidOf(TfrmStep5* page, const Item& item) {
    const tz::TMyMenuData* record = page->recordOf(item);
    return record ? QString::number(record->Uid) : QString();
}

QStringList blockLines(const QStringList& projectText, const QString& key) {
    const QStringList lines = tz::parseProjectBytes(tz::serializeProject(projectText).bytes);
    QStringList block;
    for (qsizetype i = tz::findKey(lines, key) + 1; i > 0 && i < lines.size(); ++i) {
        if (tz::isProjectKey(lines.at(i)))
            break;
        block.append(lines.at(i));
    }
    return block;
}
