#pragma once

#include "project/menurecord.h"
#include "structure/menucommands.h"
#include "structure/menutreeview.h"

#include <QObject>
#include <QStyle>
#include <QUndoStack>

class MenuTreeModel;
class QAction;
class QToolButton;
class TfrmAddMenuItem;
class TfrmStep5;
class UiSeam;

// The structure page's editing in the extended mode. Every edit of the tree can be undone;
// items move by keys, by buttons and by drops before, after or into another item; a branch
// is deleted whole once the user agrees; each item keeps its kind. The page's handlers hand
// their events over to it.
class StructureEditor : public QObject {
    Q_OBJECT
public:
    StructureEditor(TfrmStep5& page, MenuTreeModel& model, UiSeam& seam,
                    TfrmAddMenuItem* catalogue);

    QUndoStack& undoStack() { return m_undo; }

    void addItem();
    void deleteItem();
    void captionChanged();
    void descriptionChanged();
    // The catalogue's choice makes the selected item that standard function, named after it.
    void chooseStandard();
    // The selected item changed: its kind, and what can be done with it now.
    void showItem(const tz::MenuNode* node);
    // The page is shown: the tree takes the focus, with an item selected.
    void arrive();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addAction(const QString& text, const QKeySequence& key,
                       void (StructureEditor::*run)());
    QToolButton* addButton(QAction* action, QStyle::StandardPixmap icon);
    void addSeparator();
    void renameItem();
    void moveUp();
    void moveDown();
    void moveOut();
    void moveIn();
    void chooseKind(tz::MenuKind kind);
    // Moves the selected item under the parent to the row, as the row stands after the move.
    void moveTo(const QModelIndex& parent, int row);
    // Whether the item may go under the parent: a drop there is allowed, and no item of its
    // subtree would end up deeper than the editor adds items.
    bool canMoveUnder(const tz::MenuNode* item, const tz::MenuNode* parent) const;
    // Where a drop at the place puts the selected item: the parent and the row after the move.
    bool dropTarget(const QModelIndex& item, MenuTreeView::DropPlace place, QModelIndex& parent,
                    int& row) const;
    bool acceptsDrop(const QModelIndex& item, MenuTreeView::DropPlace place) const;
    void drop(const QModelIndex& item, MenuTreeView::DropPlace place);
    void show(const QModelIndex& item, bool opened);
    void updateActions(const tz::MenuNode* node);
    // Typing from now on is a new command to undo.
    void endTyping() { ++m_typing; }
    QModelIndex current() const;

    TfrmStep5& m_page;
    MenuTreeModel& m_model;
    UiSeam& m_seam;
    TfrmAddMenuItem* m_catalogue;
    QUndoStack m_undo;
    MenuEditTarget m_target;
    int m_typing = 0;
    QAction* m_add = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_rename = nullptr;
    QAction* m_up = nullptr;
    QAction* m_down = nullptr;
    QAction* m_out = nullptr;
    QAction* m_in = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
};
