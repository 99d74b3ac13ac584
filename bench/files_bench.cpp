// Opening a project and changing pages, with projects of a large structure tree and a
// 1 MiB purpose, as the user meets them: from the request to the page drawn on the screen.
#include "benchdata.h"
#include "benchreport.h"
#include "benchwizard.h"
#include "pages/step2.h"
#include "pages/step3os.h"
#include "structure/menutreeview.h"
#include "structure/step5.h"

#include <QApplication>
#include <QTemporaryDir>

namespace {

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
}

// Opening the file into a running wizard that has no project yet, until the structure
// page is drawn with the tree and can be used. Each iteration starts a wizard of its own,
// whose making and ending are not timed.
void BM_OpenProject(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("open.tz"));
    writeBenchProject(path, makeBenchProject(int(state.range(0)), kMebibyte));
    bool shown = true;
    for (auto _ : state) {
        BenchWizard wizard(path, false);
        TfrmStep5* page = wizard.w().step5;
        page->show();
        QCoreApplication::processEvents();
        const PaintCounter counter(page->uMenu->viewport());
        const double start = processSeconds();
        wizard.open(path);
        QCoreApplication::processEvents();
        state.SetIterationTime(processSeconds() - start);
        shown &= page->menuRecords().size() == state.range(0) && wizard.seam.messages.isEmpty() &&
                 counter.paints > 0;
    }
    if (!shown)
        state.SkipWithError("the project was not opened and shown");
    setItems(state, state.range(0));
}
BENCHMARK(BM_OpenProject)->Apply(sizes)->UseManualTime();

// "Далее >>" on the title page and "<<  Вернуться" on the next one, in turn: each saves
// the project and shows the other page, which for the title page means filling its boxes
// from the project again.
void BM_PageChange(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep2* title = wizard.w().step2;
    TfrmStep3os* next = wizard.w().step3os;
    title->show();
    QCoreApplication::processEvents();
    const PaintCounter titlePaints(title), nextPaints(next);
    for (auto _ : state)
        wizard.changePage();
    if (!wizard.seam.messages.isEmpty() ||
        titlePaints.paints + nextPaints.paints < state.iterations())
        state.SkipWithError("the pages were not saved and shown");
    setItems(state, state.range(0));
}
BENCHMARK(BM_PageChange)->Apply(sizes);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
