#pragma once

#include "project/menutree.h"

#include <QList>
#include <QModelIndex>
#include <QUndoCommand>

#include <functional>

class MenuTreeModel;

// The extended editor's edits of the menu tree as commands of its undo stack. A command
// finds its items by their paths, not by the nodes: a deletion undone puts back new nodes,
// and the stack brings the tree back to exactly the state in which each path was taken.

// The rows from the root's children down to an item; empty for the root.
using MenuPath = QList<int>;
MenuPath pathOf(const QModelIndex& item);

// What the commands edit, and how they show the item concerned after an undo or a redo;
// opened when its subtree, just put back, is to be shown open.
struct MenuEditTarget {
    MenuTreeModel& model;
    std::function<void(const QModelIndex& item, bool opened)> show;

    QModelIndex itemAt(const MenuPath& path) const;
};

// An item with its subtree put in at a row (an item added) or taken out (deleted).
class BranchCommand : public QUndoCommand {
public:
    static BranchCommand* inserting(const MenuEditTarget& target, const QModelIndex& parent,
                                    int row, tz::MenuBranch branch, const QString& text);
    static BranchCommand* removing(const MenuEditTarget& target, const QModelIndex& item,
                                   const QString& text);

    void redo() override;
    void undo() override;

private:
    BranchCommand(const MenuEditTarget& target, const QModelIndex& item, bool inserts,
                  const QString& text);
    void insert();
    void remove();

    MenuEditTarget m_target;
    MenuPath m_parent;
    int m_row;
    bool m_inserts;
    tz::MenuBranch m_branch; // while the branch is out of the tree
};

// An item moved, with its subtree, to a row among another node's children (the row as the
// children stand after the move).
class MoveCommand : public QUndoCommand {
public:
    MoveCommand(const MenuEditTarget& target, const QModelIndex& item, const QModelIndex& parent,
                int row, const QString& text);

    void redo() override;
    void undo() override;

private:
    // Moves the item at the path and returns where to move it to move it back, each path
    // taken in the tree as it stands then.
    struct Move {
        MenuPath item;
        MenuPath parent;
        int row = 0;
    };
    Move apply(const Move& move);

    MenuEditTarget m_target;
    Move m_forward;
    Move m_back;
};

// An item's caption or description. Typing in one field of one item is one command until
// the typing is ended: the commands of one run of typing merge. A text that was not typed
// (typing -1) is shown when it is set, and merges with nothing.
class TextCommand : public QUndoCommand {
public:
    enum Field { Caption, Description };
    TextCommand(const MenuEditTarget& target, const QModelIndex& item, Field field,
                const QString& text, int typing);

    void redo() override;
    void undo() override;
    int id() const override { return 1 + m_field; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void set(const QString& text);

    MenuEditTarget m_target;
    MenuPath m_item;
    Field m_field;
    QString m_before;
    QString m_after;
    int m_typing;
    // The field shows the text already: it was typed there.
    bool m_shown;
};

class KindCommand : public QUndoCommand {
public:
    KindCommand(const MenuEditTarget& target, const QModelIndex& item, tz::MenuKind kind);

    void redo() override;
    void undo() override;

private:
    void set(tz::MenuKind kind);

    MenuEditTarget m_target;
    MenuPath m_item;
    tz::MenuKind m_before;
    tz::MenuKind m_after;
};
