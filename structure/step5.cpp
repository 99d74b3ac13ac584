#include "structure/step5.h"

#include "pages/memotext.h"
#include "pages/uiseam.h"
#include "project/projectsession.h"
#include "project/random32.h"
#include "structure/addmenuitem.h"
#include "structure/menutreemodel.h"
#include "structure/menutreeview.h"
#include "structure/structureeditor.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyleOptionViewItem>
#include <QTreeWidget>

#include <utility>

namespace {

QString memoLines(const QString& text) {
    QString lines = text;
    return lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

TfrmStep5::TfrmStep5(const PageContext& context, TfrmAddMenuItem* catalogue)
    : StructurePage(context, QStringLiteral("Создание Структуры Программы"), 317),
      m_model(new MenuTreeModel(session(), this)), m_catalogue(catalogue) {
    setObjectName(QStringLiteral("frmStep5"));
    uMenu->setModel(m_model);
    uMenu->allowDragging();
    if (extendedMode()) {
        m_editor = new StructureEditor(*this, *m_model, seam(), catalogue);
    } else {
        uMenu->acceptsDropAt = [this](const QPoint& point) { return uMenuDragOver(point); };
        uMenu->dropAt = [this](const QPoint& point) { uMenuDragDrop(point); };
    }
    uMenu->customDraw = [this](QStyleOptionViewItem& option) { uMenuCustomDrawItem(option); };
    // The style paints the selected row's indentation itself, in the view's highlight.
    QPalette palette = uMenu->palette();
    palette.setColor(QPalette::Highlight, palette.color(QPalette::Link));
    uMenu->setPalette(palette);
    showNewTree();

    connect(btnAddMenu, &QPushButton::clicked, this, &TfrmStep5::btnAddMenuClick);
    connect(btnDeleteMenu, &QPushButton::clicked, this, &TfrmStep5::btnDeleteMenuClick);
    connect(uMenu->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TfrmStep5::uMenuChange);
    connect(MenuCaption, &QLineEdit::textChanged, this, &TfrmStep5::MenuCaptionChange);
    connect(MenuDescription, &QPlainTextEdit::textChanged, this, &TfrmStep5::MenuDescriptionChange);
    connect(Button3, &QPushButton::clicked, this, &TfrmStep5::Button3Click);
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep5::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep5::btnPrevClick);
    connect(&model(), &tz::ProjectModel::treeReplaced, this, &TfrmStep5::showNewTree);
}

// Taken apart later, by the base class, the view would report selection changes to a page
// that is already gone.
TfrmStep5::~TfrmStep5() {
    disconnect(uMenu->selectionModel(), nullptr, this, nullptr);
}

const tz::MenuTree& TfrmStep5::tree() const {
    return m_model->tree();
}

const tz::TMyMenuData* TfrmStep5::recordOf(const QModelIndex& item) const {
    const tz::MenuNode* node = m_model->node(item);
    return node ? node->record() : nullptr;
}

tz::MenuNode* TfrmStep5::selectedNode() const {
    return m_model->node(uMenu->currentIndex());
}

void TfrmStep5::btnAddMenuClick() {
    if (m_editor) {
        m_editor->addItem();
        return;
    }
    const QModelIndex selected = uMenu->currentIndex();
    tz::MenuNode* parent = m_model->node(selected);
    if (!parent)
        return;
    if (!tz::MenuTree::canAddUnder(parent)) {
        seam().message(this, QStringLiteral("Превышен лимит вложенности."));
        return;
    }
    const QModelIndex item = m_model->addItem(selected, tree().drawUid(tz::processRandom()));
    uMenu->fitLabel(item);
    uMenu->expandSubtree(selected);
    uMenu->setCurrentIndex(item);
}

void TfrmStep5::btnDeleteMenuClick() {
    if (m_editor) {
        m_editor->deleteItem();
        return;
    }
    const QModelIndex selected = uMenu->currentIndex();
    tz::MenuNode* node = m_model->node(selected);
    if (!node || node == tree().root())
        return;
    if (node->hasChildren()) {
        seam().message(this, QStringLiteral("Вначале необходимо удалить вложенные пункты подменю"));
        // The text is rewritten all the same, as after a deletion.
        session().treeEdited(true);
        return;
    }
    m_model->removeItem(selected);
}

void TfrmStep5::uMenuChange() {
    const tz::MenuNode* node = selectedNode();
    if (!node)
        return;
    if (node == tree().root()) {
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
    if (m_editor)
        m_editor->showItem(node);
    else if (node->hasChildren())
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
    return tz::MenuTree::canDrop(selectedNode(), m_model->node(uMenu->indexAt(point)));
}

// The dragged items move with their records; they are shown collapsed under the target,
// as items just made would be, and the target is expanded.
void TfrmStep5::uMenuDragDrop(const QPoint& point) {
    const QModelIndex target = uMenu->indexAt(point);
    const QModelIndex moved = m_model->drop(uMenu->currentIndex(), target);
    if (!moved.isValid())
        return;
    uMenu->collapseSubtree(moved);
    uMenu->expand(target);
    uMenu->setCurrentIndex(moved);
    uMenu->fitLabel(moved);
}

void TfrmStep5::MenuCaptionChange() {
    if (m_editor) {
        m_editor->captionChanged();
        return;
    }
    const QModelIndex selected = uMenu->currentIndex();
    tz::MenuNode* node = m_model->node(selected);
    // Showing an item puts its own caption here: there is nothing to write back.
    if (!node || !node->record() || node->record()->Caption == MenuCaption->text())
        return;
    m_model->setCaption(selected, MenuCaption->text());
    uMenu->fitLabel(selected);
}

void TfrmStep5::MenuDescriptionChange() {
    if (m_editor) {
        m_editor->descriptionChanged();
        return;
    }
    const QModelIndex selected = uMenu->currentIndex();
    tz::MenuNode* node = m_model->node(selected);
    const QString description = memoText(MenuDescription);
    if (!node || !node->record() || node->record()->Description == description)
        return;
    m_model->setDescription(selected, description);
}

void TfrmStep5::selectItem(const tz::MenuNode* item) {
    const QModelIndex index = m_model->indexOf(item);
    uMenu->scrollTo(index);
    uMenu->setCurrentIndex(index);
    MenuCaption->setFocus();
}

void TfrmStep5::Button3Click() {
    if (m_editor) {
        m_editor->chooseStandard();
        return;
    }
    if (!m_catalogue || m_catalogue->exec() != QDialog::Accepted)
        return;
    const QList<QTreeWidgetItem*> chosen = m_catalogue->mMenu->selectedItems();
    if (chosen.isEmpty())
        return;
    EditStandart->setText(QStringLiteral("[100000] ") + chosen.constFirst()->text(0));
    RadioButton2->setChecked(true);
}

void TfrmStep5::showNewTree() {
    {
        const QSignalBlocker blocker(uMenu->selectionModel());
        uMenu->expandWithChildren(m_model->rootIndex());
        uMenu->setCurrentIndex(m_model->rootIndex());
        uMenu->fitLabels();
    }
    uMenuChange();
}

void TfrmStep5::showEvent(QShowEvent* event) {
    StructurePage::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmStep5::FormShow() {
    if (m_editor)
        m_editor->arrive();
    else
        uMenu->setFocus();
}

void TfrmStep5::btnNextClick() {
    GoNext();
}

void TfrmStep5::btnPrevClick() {
    GoBack();
}
