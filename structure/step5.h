#pragma once

#include "project/menutree.h"
#include "structure/structurepage.h"

class MenuTreeModel;
class StructureEditor;
class TfrmAddMenuItem;
class QModelIndex;
class QStyleOptionViewItem;

// The structure of the future program as a tree of menu items. The model holds the items
// and their records; the view shows them. In the extended mode the editor takes the edits.
class TfrmStep5 : public StructurePage {
    Q_OBJECT
public:
    // The catalogue is the dialog of standard functions that Button3 opens.
    TfrmStep5(const PageContext& context, TfrmAddMenuItem* catalogue);
    ~TfrmStep5() override;

    const MenuTreeModel& menuModel() const { return *m_model; }
    // The extended mode's editor; null in the default mode.
    StructureEditor* editor() const { return m_editor; }
    const tz::MenuTree& tree() const;
    // The items' records in tree order, root excluded.
    tz::MenuRecords menuRecords() const { return tree().records(); }
    // One structure line per node, in reverse tree order (the root's line last).
    QStringList structureLines() const { return tree().structureLines(); }
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
    // Another project's tree is shown from its root, expanded.
    void showNewTree();
    tz::MenuNode* selectedNode() const;

    MenuTreeModel* m_model;
    TfrmAddMenuItem* m_catalogue;
    StructureEditor* m_editor = nullptr;
};
