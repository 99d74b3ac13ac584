#pragma once

#include "project/projecttext.h"
#include "structure/menutree.h"
#include "structure/structurepage.h"

class MenuTreeModel;
class QModelIndex;
class QStyleOptionViewItem;

// The structure of the future program as a tree of menu items. The model holds the items
// and their records; the view shows them.
class TfrmStep5 : public StructurePage {
    Q_OBJECT
public:
    explicit TfrmStep5(TfrmMain& main);
    ~TfrmStep5() override;

    const MenuTreeModel& menuModel() const { return *m_model; }
    const tz::MenuTree& tree() const;
    // The items' records in tree order, root excluded, and the edits that led to them.
    tz::MenuRecords menuRecords() const { return tree().records(); }
    const tz::MenuHistory& menuHistory() const { return tree().history(); }
    // One structure line per node, in reverse tree order (the root's line last).
    QStringList structureLines() const { return tree().structureLines(); }
    // Brings lines made by this function up to date with the tree (see MenuTree).
    void updateStructureLines(QStringList& lines, tz::StructureLinesState& state) const {
        tree().updateStructureLines(lines, state);
    }
    // Makes the item the selected one, shown and with its texts in the editors.
    void selectItem(const tz::MenuNode* item);
    // The record of an item of uMenu; null for the root.
    const tz::TMyMenuData* recordOf(const QModelIndex& item) const;

    void btnAddMenuClick();
    void btnDeleteMenuClick();
    void uMenuChange();
    void uMenuCustomDrawItem(QStyleOptionViewItem& option) const;
    bool uMenuDragOver(const QPoint& point) const;
    void uMenuDragDrop(const QPoint& point);
    void MenuCaptionChange();
    void MenuDescriptionChange();
    void Button3Click();
    void FormShow();
    void btnNextClick();
    void btnPrevClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadFromProject();
    tz::MenuNode* selectedNode() const;

    MenuTreeModel* m_model;
};
