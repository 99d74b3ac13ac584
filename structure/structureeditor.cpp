#include "structure/structureeditor.h"

#include "pages/memotext.h"
#include "pages/uiseam.h"
#include "project/random32.h"
#include "structure/addmenuitem.h"
#include "structure/menutreemodel.h"
#include "structure/step5.h"

#include <QAction>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const char* const kHint[] = {
    "Для конструирования архитектуры программы используйте:",
    "1) Добавление пунктов меню будущей программы: кнопка «Новый пункт» или клавиша Insert "
    "добавляют пункт в выбранный.",
    "2) Удаление: кнопка «Удалить» или клавиша Delete удаляют выбранный пункт вместе с "
    "вложенными в него.",
    "3) Перераспределение пунктов меню в нужной последовательности: перетаскивайте пункты "
    "мышью (линия показывает, куда встанет пункт, рамка — в какой пункт он войдёт) или "
    "передвигайте кнопками со стрелками под деревом: Ctrl+↑ и Ctrl+↓ — выше и ниже, Ctrl+← и "
    "Ctrl+→ — на уровень выше и ниже.",
    "4) Укажите функции каждого пункта меню, отметив нужный пункт слева. Сделайте максимально "
    "полное описание для будущих частей программы. Клавиша F2 переходит к названию пункта.",
    "Ctrl+Z отменяет последнее изменение, Ctrl+Y возвращает его.",
};

} // namespace

StructureEditor::StructureEditor(TfrmStep5& page, MenuTreeModel& model, UiSeam& seam,
                                 TfrmAddMenuItem* catalogue)
    : QObject(&page), m_page(page), m_model(model), m_seam(seam),
      m_catalogue(catalogue), m_target{model, [this](const QModelIndex& item, bool opened) {
                                           show(item, opened);
                                       }} {
    MenuTreeView* tree = page.uMenu;
    m_add = addAction(QStringLiteral("Новый пункт"), Qt::Key_Insert, &StructureEditor::addItem);
    m_rename = addAction(QStringLiteral("Переименовать"), Qt::Key_F2, &StructureEditor::renameItem);
    m_delete = addAction(QStringLiteral("Удалить"), Qt::Key_Delete, &StructureEditor::deleteItem);
    addSeparator();
    m_up = addAction(QStringLiteral("Вверх"), Qt::CTRL | Qt::Key_Up, &StructureEditor::moveUp);
    m_down = addAction(QStringLiteral("Вниз"), Qt::CTRL | Qt::Key_Down, &StructureEditor::moveDown);
    m_out = addAction(QStringLiteral("На уровень выше"), Qt::CTRL | Qt::Key_Left,
                      &StructureEditor::moveOut);
    m_in = addAction(QStringLiteral("На уровень ниже"), Qt::CTRL | Qt::Key_Right,
                     &StructureEditor::moveIn);
    addSeparator();
    // Undo and redo reach the whole page: the text fields give their keys up to them.
    m_undoAction = m_undo.createUndoAction(&page, QStringLiteral("Отменить"));
    m_undoAction->setShortcut(Qt::CTRL | Qt::Key_Z);
    m_redoAction = m_undo.createRedoAction(&page, QStringLiteral("Повторить"));
    m_redoAction->setShortcuts({Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
    for (QAction* action : {m_undoAction, m_redoAction}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        page.addAction(action);
        tree->addAction(action);
    }
    tree->setContextMenuPolicy(Qt::ActionsContextMenu);

    QBoxLayout* strip = page.treeButtons();
    strip->addWidget(addButton(m_up, QStyle::SP_ArrowUp));
    strip->addWidget(addButton(m_down, QStyle::SP_ArrowDown));
    strip->addWidget(addButton(m_out, QStyle::SP_ArrowLeft));
    strip->addWidget(addButton(m_in, QStyle::SP_ArrowRight));
    page.btnAddMenu->setToolTip(m_add->toolTip());
    page.btnDeleteMenu->setToolTip(m_delete->toolTip());

    tree->acceptsDropPlace = [this](const QModelIndex& item, MenuTreeView::DropPlace place) {
        return acceptsDrop(item, place);
    };
    tree->dropAtPlace = [this](const QModelIndex& item, MenuTreeView::DropPlace place) {
        drop(item, place);
    };

    page.RadioButton2->setEnabled(true);
    page.EditStandart->setEnabled(true);
    page.Button3->setEnabled(true);
    connect(page.RadioButton3, &QRadioButton::clicked, this,
            [this] { chooseKind(tz::MenuKind::Submenu); });
    connect(page.RadioButton1, &QRadioButton::clicked, this,
            [this] { chooseKind(tz::MenuKind::UserFunction); });
    connect(page.RadioButton2, &QRadioButton::clicked, this, &StructureEditor::chooseStandard);

    QStringList hint;
    for (const char* paragraph : kHint)
        hint.append(QString::fromUtf8(paragraph));
    page.Hint1->setPlainText(hint.join(u'\n'));

    for (QWidget* field :
         {static_cast<QWidget*>(page.MenuCaption), static_cast<QWidget*>(page.MenuDescription)})
        field->installEventFilter(this);
    // Another project's tree: the edits of this one cannot be undone there.
    connect(&model, &QAbstractItemModel::modelReset, &m_undo, &QUndoStack::clear);
}

QAction* StructureEditor::addAction(const QString& text, const QKeySequence& key,
                                    void (StructureEditor::*run)()) {
    auto* action = new QAction(text, this);
    action->setShortcut(key);
    // The keys of the tree's items leave the text fields their own keys.
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setToolTip(text + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + u')');
    connect(action, &QAction::triggered, this, run);
    m_page.uMenu->addAction(action);
    return action;
}

void StructureEditor::addSeparator() {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_page.uMenu->addAction(separator);
}

QToolButton* StructureEditor::addButton(QAction* action, QStyle::StandardPixmap icon) {
    action->setIcon(m_page.style()->standardIcon(icon));
    auto* button = new QToolButton;
    button->setDefaultAction(action);
    button->setAccessibleName(action->text());
    return button;
}

QModelIndex StructureEditor::current() const {
    return m_page.uMenu->currentIndex();
}

void StructureEditor::show(const QModelIndex& item, bool opened) {
    MenuTreeView* tree = m_page.uMenu;
    for (QModelIndex parent = item.parent(); parent.isValid(); parent = parent.parent())
        tree->expand(parent);
    if (opened)
        tree->expandSubtree(item);
    tree->scrollTo(item);
    tree->fitLabel(item);
    // The same item, changed, is shown again all the same.
    if (item == current())
        m_page.uMenuChange();
    else
        tree->setCurrentIndex(item);
}

void StructureEditor::arrive() {
    const tz::MenuNode* node = m_model.node(current());
    if ((!node || !node->parent()) && m_model.tree().hasItems())
        show(m_model.index(0, 0, m_model.rootIndex()), false);
    m_page.uMenu->setFocus();
}

void StructureEditor::addItem() {
    const QModelIndex parent = current();
    const tz::MenuNode* under = m_model.node(parent);
    if (!under)
        return;
    if (!tz::MenuTree::canAddUnder(under)) {
        m_seam.message(&m_page, QStringLiteral("Превышен лимит вложенности."));
        return;
    }
    tz::MenuBranch item{{{tz::MenuTree::newItemCaption(), tz::MenuTree::newItemDescription(), 0,
                          m_model.tree().drawUid(tz::processRandom())}},
                        {0}};
    m_undo.push(BranchCommand::inserting(m_target, parent, under->childCount(), std::move(item),
                                         QStringLiteral("добавление пункта")));
    renameItem();
}

void StructureEditor::deleteItem() {
    const QModelIndex item = current();
    const tz::MenuNode* node = m_model.node(item);
    if (!node || !node->parent())
        return;
    if (node->hasChildren() &&
        m_seam.choose(&m_page,
                      QStringLiteral("Удалить пункт «") + node->text() +
                          QStringLiteral("» вместе со всеми вложенными в него пунктами?"),
                      {QStringLiteral("Удалить"), QStringLiteral("Отмена")}, 1) != 0)
        return;
    m_undo.push(BranchCommand::removing(m_target, item, QStringLiteral("удаление пункта")));
    m_page.uMenu->setFocus();
}

void StructureEditor::renameItem() {
    const tz::MenuNode* node = m_model.node(current());
    if (!node || !node->parent())
        return;
    endTyping();
    m_page.MenuCaption->setFocus();
    m_page.MenuCaption->selectAll();
}

void StructureEditor::captionChanged() {
    const QModelIndex item = current();
    const tz::MenuNode* node = m_model.node(item);
    const QString caption = m_page.MenuCaption->text();
    // Showing an item puts its own caption here: there is nothing to write back.
    if (!node || !node->record() || node->record()->Caption == caption)
        return;
    m_undo.push(new TextCommand(m_target, item, TextCommand::Caption, caption, m_typing));
    m_page.uMenu->fitLabel(item);
}

void StructureEditor::descriptionChanged() {
    const QModelIndex item = current();
    const tz::MenuNode* node = m_model.node(item);
    const QString description = memoText(m_page.MenuDescription);
    if (!node || !node->record() || node->record()->Description == description)
        return;
    m_undo.push(new TextCommand(m_target, item, TextCommand::Description, description, m_typing));
}

void StructureEditor::chooseKind(tz::MenuKind kind) {
    const QModelIndex item = current();
    const tz::MenuNode* node = m_model.node(item);
    // A submenu with items stays one: choosing it again changes nothing.
    if (node && node->record() && node->kind() != kind)
        m_undo.push(new KindCommand(m_target, item, kind));
}

// A group of the catalogue is no function: choosing one changes nothing.
void StructureEditor::chooseStandard() {
    const QModelIndex item = current();
    const tz::MenuNode* node = m_model.node(item);
    if (!node || !node->record())
        return;
    QTreeWidgetItem* chosen = nullptr;
    if (m_catalogue && m_catalogue->exec() == QDialog::Accepted &&
        !m_catalogue->mMenu->selectedItems().isEmpty())
        chosen = m_catalogue->mMenu->selectedItems().constFirst();
    if (!chosen || !chosen->parent()) {
        showItem(node);
        return;
    }
    m_undo.beginMacro(QStringLiteral("выбор стандартной функции"));
    if (node->record()->Caption != chosen->text(0))
        m_undo.push(new TextCommand(m_target, item, TextCommand::Caption, chosen->text(0), -1));
    if (node->record()->Kind != tz::MenuKind::StandardFunction)
        m_undo.push(new KindCommand(m_target, item, tz::MenuKind::StandardFunction));
    m_undo.endMacro();
}

void StructureEditor::showItem(const tz::MenuNode* node) {
    endTyping();
    updateActions(node);
    if (!node->parent())
        return;
    // Only an item without children can stand for a function.
    const bool leaf = !node->hasChildren();
    for (QWidget* choice :
         {static_cast<QWidget*>(m_page.RadioButton2), static_cast<QWidget*>(m_page.RadioButton1),
          static_cast<QWidget*>(m_page.EditStandart), static_cast<QWidget*>(m_page.Button3)})
        choice->setEnabled(leaf);
    const tz::MenuKind kind = node->kind();
    m_page.EditStandart->setText(kind == tz::MenuKind::StandardFunction ? node->text() : QString());
    switch (kind) {
    case tz::MenuKind::Submenu:
        m_page.RadioButton3->setChecked(true);
        break;
    case tz::MenuKind::StandardFunction:
        m_page.RadioButton2->setChecked(true);
        break;
    case tz::MenuKind::UserFunction:
        m_page.RadioButton1->setChecked(true);
        break;
    }
}

void StructureEditor::updateActions(const tz::MenuNode* node) {
    const tz::MenuNode* parent = node->parent();
    const int row = node->row();
    m_add->setEnabled(tz::MenuTree::canAddUnder(node));
    m_rename->setEnabled(parent);
    m_delete->setEnabled(parent);
    m_up->setEnabled(parent && row > 0);
    m_down->setEnabled(parent && row + 1 < parent->childCount());
    m_out->setEnabled(parent && parent->parent());
    m_in->setEnabled(parent && row > 0 && canMoveUnder(node, parent->child(row - 1)));
}

bool StructureEditor::canMoveUnder(const tz::MenuNode* item, const tz::MenuNode* parent) const {
    return tz::MenuTree::canDrop(item, parent) &&
           parent->level() + item->height() <= tz::MenuTree::kDeepestLevel;
}

void StructureEditor::moveTo(const QModelIndex& parent, int row) {
    const QModelIndex item = current();
    const tz::MenuNode* node = m_model.node(item);
    const tz::MenuNode* under = m_model.node(parent);
    if (!node || !canMoveUnder(node, under) || (node->parent() == under && node->row() == row))
        return;
    m_undo.push(new MoveCommand(m_target, item, parent, row, QStringLiteral("перемещение пункта")));
}

void StructureEditor::moveUp() {
    const QModelIndex item = current();
    if (item.row() > 0)
        moveTo(item.parent(), item.row() - 1);
}

void StructureEditor::moveDown() {
    const QModelIndex item = current();
    if (item.row() + 1 < m_model.rowCount(item.parent()))
        moveTo(item.parent(), item.row() + 1);
}

// The item follows its parent among the parent's siblings.
void StructureEditor::moveOut() {
    const QModelIndex parent = current().parent();
    if (parent.parent().isValid())
        moveTo(parent.parent(), parent.row() + 1);
}

// The item becomes the last of the items in the one before it.
void StructureEditor::moveIn() {
    const QModelIndex item = current();
    if (item.row() == 0)
        return;
    const QModelIndex before = m_model.index(item.row() - 1, 0, item.parent());
    moveTo(before, m_model.rowCount(before));
}

bool StructureEditor::dropTarget(const QModelIndex& item, MenuTreeView::DropPlace place,
                                 QModelIndex& parent, int& row) const {
    const tz::MenuNode* dragged = m_model.node(current());
    const tz::MenuNode* target = m_model.node(item);
    if (!dragged || !target)
        return false;
    if (place == MenuTreeView::DropPlace::Into) {
        parent = item;
        row = target->childCount() - (dragged->parent() == target ? 1 : 0);
    } else {
        parent = item.parent();
        // Counted among the siblings as they stand without the dragged item.
        row = item.row() + (place == MenuTreeView::DropPlace::After ? 1 : 0);
        if (dragged->parent() == target->parent() && dragged->row() < row)
            --row;
    }
    return target != dragged && canMoveUnder(dragged, m_model.node(parent));
}

bool StructureEditor::acceptsDrop(const QModelIndex& item, MenuTreeView::DropPlace place) const {
    QModelIndex parent;
    int row = 0;
    return dropTarget(item, place, parent, row);
}

void StructureEditor::drop(const QModelIndex& item, MenuTreeView::DropPlace place) {
    QModelIndex parent;
    int row = 0;
    if (dropTarget(item, place, parent, row))
        moveTo(parent, row);
}

// The text fields give up the undo keys to the page, and Enter in the caption ends its
// editing without leaving the page.
bool StructureEditor::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        QAction* undoOrRedo = m_undoAction->shortcuts().contains(pressed)   ? m_undoAction
                              : m_redoAction->shortcuts().contains(pressed) ? m_redoAction
                                                                            : nullptr;
        const bool enter = watched == m_page.MenuCaption &&
                           (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
        if (!undoOrRedo && !enter)
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        endTyping();
        if (undoOrRedo)
            undoOrRedo->trigger();
        else
            m_page.uMenu->setFocus();
        return true;
    }
    case QEvent::FocusOut:
        endTyping();
        return false;
    default:
        return false;
    }
}
