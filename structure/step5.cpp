#include "structure/step5.h"

#include "app/tfrmmain.h"
#include "pages/memotext.h"
#include "pages/step4.h"
#include "pages/uiseam.h"
#include "project/random32.h"
#include "structure/addmenuitem.h"
#include "structure/menutreeloader.h"
#include "structure/menutreeview.h"
#include "structure/step6.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyleOptionViewItem>

#include <utility>

namespace {

// An item of the view and the model node it shows.
class MenuItem : public QTreeWidgetItem {
public:
    explicit MenuItem(tz::MenuNode* node)
        : QTreeWidgetItem(QStringList{node->text()}), node(node) {}
    tz::MenuNode* const node;
};

tz::MenuNode* nodeOf(const QTreeWidgetItem* item) {
    return item ? static_cast<const MenuItem*>(item)->node : nullptr;
}

QString memoLines(const QString& text) {
    QString lines = text;
    return lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

TfrmStep5::TfrmStep5(TfrmMain& main)
    : StructurePage(main, QStringLiteral("Создание Структуры Программы"), 317) {
    setObjectName(QStringLiteral("frmStep5"));
    uMenu->allowDragging();
    uMenu->acceptsDropAt = [this](const QPoint& point) { return uMenuDragOver(point); };
    uMenu->dropAt = [this](const QPoint& point) { uMenuDragDrop(point); };
    uMenu->customDraw = [this](QStyleOptionViewItem& option) { uMenuCustomDrawItem(option); };
    // The style paints the selected row's indentation itself, in the view's highlight.
    QPalette palette = uMenu->palette();
    palette.setColor(QPalette::Highlight, palette.color(QPalette::Link));
    uMenu->setPalette(palette);
    QTreeWidgetItem* root = mirror(m_tree.root());
    uMenu->addTopLevelItem(root);
    uMenu->setCurrentItem(root);
    uMenuChange();

    connect(btnAddMenu, &QPushButton::clicked, this, &TfrmStep5::btnAddMenuClick);
    connect(btnDeleteMenu, &QPushButton::clicked, this, &TfrmStep5::btnDeleteMenuClick);
    connect(uMenu, &QTreeWidget::currentItemChanged, this, &TfrmStep5::uMenuChange);
    connect(MenuCaption, &QLineEdit::textChanged, this, &TfrmStep5::MenuCaptionChange);
    connect(MenuDescription, &QPlainTextEdit::textChanged, this, &TfrmStep5::MenuDescriptionChange);
    connect(Button3, &QPushButton::clicked, this, &TfrmStep5::Button3Click);
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep5::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep5::btnPrevClick);
    connect(&main, &TfrmMain::projectReplaced, this, &TfrmStep5::loadFromProject);
}

// Removed later, by the base class, the items would report selection changes to a page
// that is already gone.
TfrmStep5::~TfrmStep5() {
    const QSignalBlocker blocker(uMenu);
    uMenu->clear();
}

const tz::TMyMenuData* TfrmStep5::recordOf(const QTreeWidgetItem* item) const {
    const tz::MenuNode* node = nodeOf(item);
    return node ? node->record() : nullptr;
}

tz::MenuNode* TfrmStep5::selectedNode() const {
    return nodeOf(uMenu->currentItem());
}

// The items are made outside the view, which then takes them in at once.
QTreeWidgetItem* TfrmStep5::mirror(tz::MenuNode* node) {
    auto* item = new MenuItem(node);
    QList<QTreeWidgetItem*> children;
    children.reserve(node->childCount());
    for (int i = 0; i < node->childCount(); ++i)
        children.append(mirror(node->child(i)));
    item->addChildren(children);
    return item;
}

void TfrmStep5::btnAddMenuClick() {
    QTreeWidgetItem* selected = uMenu->currentItem();
    if (!selected)
        return;
    tz::MenuNode* parent = nodeOf(selected);
    if (!tz::MenuTree::canAddUnder(parent)) {
        main().seam().message(this, QStringLiteral("Превышен лимит вложенности."));
        return;
    }
    tz::MenuNode* node = m_tree.addItem(parent, m_tree.drawUid(tz::processRandom()));
    auto* item = new MenuItem(node);
    selected->addChild(item);
    uMenu->fitLabel(item);
    uMenu->expandSubtree(selected);
    main().Restructure();
    main().TZrenew();
    uMenu->setCurrentItem(item);
}

void TfrmStep5::btnDeleteMenuClick() {
    QTreeWidgetItem* selected = uMenu->currentItem();
    tz::MenuNode* node = nodeOf(selected);
    if (!node || node == m_tree.root())
        return;
    if (node->hasChildren()) {
        main().seam().message(
            this, QStringLiteral("Вначале необходимо удалить вложенные пункты подменю"));
    } else {
        m_tree.removeItem(node);
        delete selected;
    }
    main().Restructure();
    main().TZrenew();
}

void TfrmStep5::uMenuChange() {
    const tz::MenuNode* node = selectedNode();
    if (!node)
        return;
    if (node == m_tree.root()) {
        PanelMenu->hide();
        PanelMenu2->hide();
        Hint1->show();
        btnDeleteMenu->setEnabled(false);
        btnAddMenu->setEnabled(true);
    } else {
        btnDeleteMenu->setEnabled(true);
        PanelMenu->show();
        PanelMenu2->show();
        Hint1->hide();
        const tz::TMyMenuData& record = *node->record();
        MenuCaption->setText(record.Caption);
        // Setting the memo always reports a change; only a different text is one.
        if (memoText(MenuDescription) != record.Description)
            MenuDescription->setPlainText(memoLines(record.Description));
        btnAddMenu->setEnabled(node->level() < 6);
    }
    if (node->hasChildren())
        RadioButton3->setChecked(true);
}

void TfrmStep5::uMenuCustomDrawItem(QStyleOptionViewItem& option) const {
    if (!(option.state & QStyle::State_Selected))
        return;
    // Qt has no hot-light role; the link colour is the same system colour.
    option.palette.setColor(QPalette::Highlight, palette().color(QPalette::Link));
    option.palette.setColor(QPalette::HighlightedText, palette().color(QPalette::Base));
}

bool TfrmStep5::uMenuDragOver(const QPoint& point) const {
    return tz::MenuTree::canDrop(selectedNode(), nodeOf(uMenu->itemAt(point)));
}

void TfrmStep5::uMenuDragDrop(const QPoint& point) {
    QTreeWidgetItem* selected = uMenu->currentItem();
    QTreeWidgetItem* target = uMenu->itemAt(point);
    if (!tz::MenuTree::canDrop(nodeOf(selected), nodeOf(target)))
        return;
    QTreeWidgetItem* copy = CopySubtree(target, selected);
    target->setExpanded(true);
    m_tree.drop(nodeOf(selected), nodeOf(target));
    uMenu->setCurrentItem(copy);
    delete selected;
    // Of the copies only the top one is shown: the others stand under collapsed items.
    uMenu->fitLabel(copy);
    main().Restructure();
    main().TZrenew();
}

// The view's copy of the dragged items shows the same nodes, which the tree moves.
QTreeWidgetItem* TfrmStep5::CopySubtree(QTreeWidgetItem* target, QTreeWidgetItem* source) {
    auto* copy = new MenuItem(nodeOf(source));
    target->addChild(copy);
    for (int i = 0; i < source->childCount(); ++i)
        CopySubtree(copy, source->child(i));
    uMenu->addedCollapsed(copy);
    return copy;
}

void TfrmStep5::MenuCaptionChange() {
    QTreeWidgetItem* selected = uMenu->currentItem();
    tz::MenuNode* node = nodeOf(selected);
    // Showing an item puts its own caption here: there is nothing to write back.
    if (!node || !node->record() || node->record()->Caption == MenuCaption->text())
        return;
    m_tree.setCaption(node, MenuCaption->text());
    selected->setText(0, node->text());
    uMenu->fitLabel(selected);
    main().TZrenew();
}

void TfrmStep5::MenuDescriptionChange() {
    tz::MenuNode* node = selectedNode();
    const QString description = memoText(MenuDescription);
    if (!node || !node->record() || node->record()->Description == description)
        return;
    m_tree.setDescription(node, description);
    main().TZrenew();
}

void TfrmStep5::Button3Click() {
    TfrmAddMenuItem* catalogue = main().windows().addMenuItem;
    if (!catalogue || catalogue->exec() != QDialog::Accepted)
        return;
    const QList<QTreeWidgetItem*> chosen = catalogue->mMenu->selectedItems();
    if (chosen.isEmpty())
        return;
    EditStandart->setText(QStringLiteral("[100000] ") + chosen.constFirst()->text(0));
    RadioButton2->setChecked(true);
}

// The tree of an opened project comes from its blocks, so that the next rewrite writes
// back what the file held; a new project's empty blocks give the root alone. Nothing is
// rewritten here.
void TfrmStep5::loadFromProject() {
    tz::LoadedMenuTree loaded = tz::loadMenuTree(main().ProjectText, tz::processRandom());
    const bool wasLoading = std::exchange(main().Loading, true);
    {
        const QSignalBlocker blocker(uMenu);
        uMenu->clear();
        m_tree = std::move(loaded.tree);
        QTreeWidgetItem* root = mirror(m_tree.root());
        uMenu->addExpandedTopLevelItem(root);
        uMenu->setCurrentItem(root);
        uMenu->fitLabels();
    }
    uMenuChange();
    main().Loading = wasLoading;
    if (m_tree.hasItems() || loaded.hadStructureLines)
        main().Restructure();
    else
        main().StructureLines.clear();
    if (loaded.damaged) {
        main().seam().message(
            QApplication::activeWindow(),
            QStringLiteral("Структура программы в задании записана с ошибками. Пункты, которые "
                           "удалось прочитать, восстановлены; при следующем изменении задания "
                           "структура будет записана заново."));
    }
}

void TfrmStep5::showEvent(QShowEvent* event) {
    StructurePage::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmStep5::FormShow() {
    uMenu->setFocus();
}

void TfrmStep5::btnNextClick() {
    GoNext();
}

void TfrmStep5::btnPrevClick() {
    GoBack();
}

void TfrmStep5::GoNext() {
    main().DoStep(this, main().windows().step6);
}

void TfrmStep5::GoBack() {
    main().DoStep(this, main().windows().step4);
}
