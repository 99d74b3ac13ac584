// The structure page on a large tree, each operation as the user meets it: the click (or
// the drop, or the keystroke), the rewrite of the project text it causes and the view's
// layout and painting afterwards, all timed. Where an operation needs an item selected
// first, that click is made and shown before the operation, and the time reported is the
// processor time of the operation alone.
#include "benchreport.h"
#include "benchwizard.h"
#include "structure/menutreemodel.h"
#include "structure/menutreeview.h"
#include "structure/step5.h"
#include "structure/structureeditor.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

namespace {

TfrmStep5* shownPage(BenchWizard& wizard) {
    TfrmStep5* page = wizard.w().step5;
    page->show();
    QCoreApplication::processEvents();
    return page;
}

void check(benchmark::State& state, BenchWizard& wizard, qsizetype items, const PaintCounter& c) {
    if (wizard.w().step5->menuRecords().size() != items || !wizard.seam.messages.isEmpty())
        state.SkipWithError("the tree is not the one expected");
    if (c.paints < state.iterations())
        state.SkipWithError("the tree was not repainted after every operation");
    setItems(state, state.range(0));
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
}

// Selects the item as a click would, with the screen updated, then times the operation.
template <typename Operation>
void afterSelecting(benchmark::State& state, MenuTreeView* view, const QModelIndex& item,
                    Operation&& operation) {
    view->setCurrentIndex(item);
    QCoreApplication::processEvents();
    const double start = processSeconds();
    operation();
    QCoreApplication::processEvents();
    state.SetIterationTime(processSeconds() - start);
}

// "Новый пункт" with the root selected: the recursive expand covers the whole tree.
void BM_AddItem(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep5* page = shownPage(wizard);
    const QModelIndex root = page->menuModel().rootIndex();
    const PaintCounter counter(page->uMenu->viewport());
    for (auto _ : state)
        afterSelecting(state, page->uMenu, root, [&] { page->btnAddMenu->click(); });
    check(state, wizard, state.range(0) + state.iterations(), counter);
}
BENCHMARK(BM_AddItem)->Apply(sizes)->UseManualTime();

constexpr int kDeletions = 50;

// "Удалить" with an item without children in the middle of the tree selected. The items
// deleted are added under a top-level item in the middle before the timing.
void BM_DeleteItem(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep5* page = shownPage(wizard);
    const MenuTreeModel& tree = page->menuModel();
    const QModelIndex root = tree.rootIndex();
    const QPersistentModelIndex middle = tree.index(tree.rowCount(root) / 2, 0, root);
    for (int i = 0; i < kDeletions; ++i) {
        page->uMenu->setCurrentIndex(middle);
        page->btnAddMenu->click();
    }
    QCoreApplication::processEvents();
    const PaintCounter counter(page->uMenu->viewport());
    for (auto _ : state) {
        afterSelecting(state, page->uMenu, tree.index(tree.rowCount(middle) - 1, 0, middle),
                       [&] { page->btnDeleteMenu->click(); });
    }
    check(state, wizard, state.range(0) + kDeletions - state.iterations(), counter);
}
BENCHMARK(BM_DeleteItem)->Apply(sizes)->Iterations(kDeletions)->UseManualTime();

// Dropping the root's first item, with everything below it, on the root: it becomes the
// root's last item, so every item of the tree changes its place in the project text. The
// drag selects the item before the drop. The moved items are shown collapsed afterwards;
// before each drop the whole tree is shown expanded again, as adding an item under the root
// leaves it, so that every drop is made in the largest tree shown.
void BM_DragDrop(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep5* page = shownPage(wizard);
    MenuTreeView* view = page->uMenu;
    const MenuTreeModel& tree = page->menuModel();
    const QModelIndex root = tree.rootIndex();
    const PaintCounter counter(view->viewport());
    QString dragged;
    for (auto _ : state) {
        view->expandSubtree(root);
        view->scrollToTop();
        dragged = tree.index(0, 0, root).data().toString();
        afterSelecting(state, view, tree.index(0, 0, root),
                       [&] { page->uMenuDragDrop(view->visualRect(root).center()); });
    }
    check(state, wizard, state.range(0), counter);
    if (tree.index(tree.rowCount(root) - 1, 0, root).data().toString() != dragged)
        state.SkipWithError("the item was not moved");
}
BENCHMARK(BM_DragDrop)->Apply(sizes)->UseManualTime();

// A keystroke in "Короткое описание" of an item deep in the tree.
void BM_CaptionKeystroke(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep5* page = shownPage(wizard);
    const MenuTreeModel& tree = page->menuModel();
    const QModelIndex root = tree.rootIndex();
    QModelIndex item = tree.index(tree.rowCount(root) / 2, 0, root);
    for (int level = 2; level <= 4; ++level)
        item = tree.index(0, 0, item);
    page->uMenu->setCurrentIndex(item);
    page->MenuCaption->setFocus();
    page->MenuCaption->end(false);
    QCoreApplication::processEvents();
    const PaintCounter counter(page->MenuCaption);
    bool letter = true;
    for (auto _ : state) {
        if (letter)
            pressKey(page->MenuCaption, Qt::Key_unknown, QStringLiteral("я"));
        else
            pressKey(page->MenuCaption, Qt::Key_Backspace, QString());
        letter = !letter;
        QCoreApplication::processEvents();
    }
    check(state, wizard, state.range(0), counter);
    if (item.data().toString() != page->MenuCaption->text())
        state.SkipWithError("the caption did not reach the tree");
}
BENCHMARK(BM_CaptionKeystroke)->Apply(sizes);

// The extended editor's "Вниз" on the root's first item, with everything below it, and its
// undo, one after the other: each the move, the project text's rewrite, the kinds made
// anew and the view's layout and painting afterwards.
void BM_MoveDownOrUndo(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)), true);
    TfrmStep5* page = shownPage(wizard);
    MenuTreeView* view = page->uMenu;
    const MenuTreeModel& tree = page->menuModel();
    const QModelIndex root = tree.rootIndex();
    QAction* down = nullptr;
    for (QAction* action : view->actions()) {
        if (action->text() == QStringLiteral("Вниз"))
            down = action;
    }
    QUndoStack& undo = page->editor()->undoStack();
    const PaintCounter counter(view->viewport());
    const QString first = tree.index(0, 0, root).data().toString();
    for (auto _ : state) {
        afterSelecting(state, view, tree.index(undo.canUndo() ? 1 : 0, 0, root), [&] {
            if (undo.canUndo())
                undo.undo();
            else
                down->trigger();
        });
    }
    check(state, wizard, state.range(0), counter);
    if (tree.index(undo.canUndo() ? 1 : 0, 0, root).data().toString() != first ||
        (!undo.canUndo() && !undo.canRedo()))
        state.SkipWithError("the item was not moved and moved back");
}
BENCHMARK(BM_MoveDownOrUndo)->Apply(sizes)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
