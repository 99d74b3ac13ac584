#include "structuretestsupport.h"

#include "project/projectfile.h"
#include "project/projecttext.h"

#include <QLineEdit>
#include <QTreeWidget>

#include <functional>

TfrmStep5* openNewProject(WizardFixture& f, const QString& name) {
    f.main().TZnew();
    f.main().FileName = f.path(name);
    TfrmStep5* page = f.w().step5;
    page->show();
    return page;
}

QTreeWidgetItem* itemAt(TfrmStep5* page, const QList<int>& path) {
    QTreeWidgetItem* item = page->uMenu->topLevelItem(0);
    for (int i : path)
        item = item ? item->child(i) : nullptr;
    return item;
}

QTreeWidgetItem* addUnder(TfrmStep5* page, QTreeWidgetItem* parent, const QString& caption) {
    page->uMenu->setCurrentItem(parent);
    page->btnAddMenuClick();
    QTreeWidgetItem* added = page->uMenu->currentItem();
    if (added != parent && !caption.isEmpty())
        page->MenuCaption->setText(caption);
    return added;
}

QStringList outline(TfrmStep5* page) {
    QStringList out;
    std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int level) {
        out.append(QString::number(level) + u' ' + item->text(0));
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), level + 1);
    };
    for (int i = 0; i < page->uMenu->topLevelItemCount(); ++i)
        walk(page->uMenu->topLevelItem(i), 0);
    return out;
}

QPoint pointOf(TfrmStep5* page, QTreeWidgetItem* item) {
    return page->uMenu->visualItemRect(item).center();
}

QString uidOf(TfrmStep5* page, QTreeWidgetItem* item) {
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
