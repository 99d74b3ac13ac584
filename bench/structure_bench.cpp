// The structure page on a large tree: adding an item and editing a caption, each with the
// rewrite of the project text it causes and the view's layout afterwards.
#include "benchwizard.h"
#include "structure/menutreeview.h"
#include "structure/step5.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

TfrmStep5* shownPage(BenchWizard& wizard) {
    TfrmStep5* page = wizard.w().step5;
    page->show();
    QCoreApplication::processEvents();
    return page;
}

bool opened(BenchWizard& wizard, qsizetype items) {
    return wizard.w().step5->menuRecords().size() == items && wizard.seam.messages.isEmpty();
}

// Under the root, so that the recursive expand covers the whole tree; the new item is
// deleted again untimed.
void BM_AddItem(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep5* page = shownPage(wizard);
    QTreeWidgetItem* root = page->uMenu->topLevelItem(0);
    for (auto _ : state) {
        page->uMenu->setCurrentItem(root);
        page->btnAddMenuClick();
        QCoreApplication::processEvents();
        state.PauseTiming();
        page->btnDeleteMenuClick();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (!opened(wizard, state.range(0)))
        state.SkipWithError("the tree is not the one that was opened");
    state.counters["items"] = double(state.range(0));
}
BENCHMARK(BM_AddItem)->Arg(1000)->Unit(benchmark::kMillisecond);

// A keystroke's worth of caption change on an item deep in the tree.
void BM_CaptionEdit(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep5* page = shownPage(wizard);
    QTreeWidgetItem* item = page->uMenu->topLevelItem(0)->child(0)->child(0)->child(0);
    page->uMenu->setCurrentItem(item);
    bool odd = false;
    for (auto _ : state) {
        page->MenuCaption->setText((odd = !odd) ? QStringLiteral("a") : QStringLiteral("b"));
        QCoreApplication::processEvents();
    }
    if (!opened(wizard, state.range(0)) || item->text(0) != page->MenuCaption->text())
        state.SkipWithError("the caption did not reach the tree");
    state.counters["items"] = double(state.range(0));
}
BENCHMARK(BM_CaptionEdit)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
