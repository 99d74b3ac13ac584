// The structure page on a large tree, each operation as the user meets it: the click (or
// the drop, or the keystroke), the rewrite of the project text it causes and the view's
// layout and painting afterwards, all timed.
#include "benchreport.h"
#include "benchwizard.h"
#include "structure/menutreeview.h"
#include "structure/step5.h"

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

// Clicking the root and then "Новый пункт": the recursive expand covers the whole tree.
void BM_AddItem(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep5* page = shownPage(wizard);
    QTreeWidgetItem* root = page->uMenu->topLevelItem(0);
    const PaintCounter counter(page->uMenu->viewport());
    for (auto _ : state) {
        page->uMenu->setCurrentItem(root);
        page->btnAddMenu->click();
        QCoreApplication::processEvents();
    }
    check(state, wizard, state.range(0) + state.iterations(), counter);
}
BENCHMARK(BM_AddItem)->Apply(sizes);

constexpr int kDeletions = 50;

// Clicking an item without children in the middle of the tree and then "Удалить". The
// items deleted are added under a top-level item in the middle before the timing.
void BM_DeleteItem(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep5* page = shownPage(wizard);
    QTreeWidgetItem* root = page->uMenu->topLevelItem(0);
    QTreeWidgetItem* middle = root->child(root->childCount() / 2);
    for (int i = 0; i < kDeletions; ++i) {
        page->uMenu->setCurrentItem(middle);
        page->btnAddMenu->click();
    }
    QCoreApplication::processEvents();
    const PaintCounter counter(page->uMenu->viewport());
    for (auto _ : state) {
        page->uMenu->setCurrentItem(middle->child(middle->childCount() - 1));
        page->btnDeleteMenu->click();
        QCoreApplication::processEvents();
    }
    check(state, wizard, state.range(0) + kDeletions - state.iterations(), counter);
}
BENCHMARK(BM_DeleteItem)->Apply(sizes)->Iterations(kDeletions);

// Dragging the root's first item, with everything below it, onto the root: it becomes the
// root's last item, so every item of the tree changes its place in the project text.
void BM_DragDrop(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep5* page = shownPage(wizard);
    MenuTreeView* view = page->uMenu;
    QTreeWidgetItem* root = view->topLevelItem(0);
    const PaintCounter counter(view->viewport());
    QString dragged;
    for (auto _ : state) {
        view->scrollToTop();
        dragged = root->child(0)->text(0);
        view->setCurrentItem(root->child(0));
        page->uMenuDragDrop(view->visualItemRect(root).center());
        QCoreApplication::processEvents();
    }
    check(state, wizard, state.range(0), counter);
    if (root->child(root->childCount() - 1)->text(0) != dragged)
        state.SkipWithError("the item was not moved");
}
BENCHMARK(BM_DragDrop)->Apply(sizes);

// A keystroke in "Короткое описание" of an item deep in the tree.
void BM_CaptionKeystroke(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep5* page = shownPage(wizard);
    QTreeWidgetItem* root = page->uMenu->topLevelItem(0);
    QTreeWidgetItem* item = root->child(root->childCount() / 2)->child(0)->child(0)->child(0);
    page->uMenu->setCurrentItem(item);
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
    if (item->text(0) != page->MenuCaption->text())
        state.SkipWithError("the caption did not reach the tree");
}
BENCHMARK(BM_CaptionKeystroke)->Apply(sizes);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
