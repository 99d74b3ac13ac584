// A project file of exactly 100 MiB (100,000 items with descriptions of about 1 KiB, a
// 1 MiB purpose) in the wizard and through "tzwizard export": time and the peak of the
// resident memory, as a multiple of the file's size.
#include "benchdata.h"
#include "benchprocess.h"
#include "benchreport.h"
#include "benchwizard.h"
#include "pages/step2.h"
#include "structure/step5.h"

#include <QApplication>
#include <QFileInfo>

namespace {

QTemporaryDir* folder = nullptr;

QString largeProject() {
    return folder->filePath(QStringLiteral("large.tz"));
}

void reportPeak(benchmark::State& state, qint64 peak) {
    state.counters["peak_MiB"] = double(peak) / kMebibyte;
    state.counters["peak_per_file"] = double(peak) / double(QFileInfo(largeProject()).size());
}

// From the request to the title page drawn with the project's values; the structure page
// has its tree.
void BM_LargeOpen(benchmark::State& state) {
    BenchWizard wizard(largeProject(), false);
    wizard.w().step2->show();
    QCoreApplication::processEvents();
    resetPeakMemory();
    for (auto _ : state) {
        wizard.open(largeProject());
        QCoreApplication::processEvents();
    }
    reportPeak(state, peakMemoryBytes());
    if (wizard.w().step5->menuRecords().size() != 100000 || !wizard.seam.messages.isEmpty())
        state.SkipWithError("the project was not opened");
}
BENCHMARK(BM_LargeOpen)
    ->Iterations(1)
    ->Repetitions(3)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// "Далее >>" on the title page and "<<  Вернуться" on the next one, in turn, each saving
// the whole project.
void BM_LargePageChange(benchmark::State& state) {
    BenchWizard wizard(largeProject(), true);
    wizard.w().step2->show();
    QCoreApplication::processEvents();
    resetPeakMemory();
    for (auto _ : state)
        wizard.changePage();
    reportPeak(state, peakMemoryBytes());
    if (!wizard.seam.messages.isEmpty())
        state.SkipWithError("the project was not saved");
}
BENCHMARK(BM_LargePageChange)
    ->Iterations(4)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The program run as "tzwizard export PROJECT DOCUMENT": its run time and its own peak.
void BM_LargeExport(benchmark::State& state) {
    const QString program = QStringLiteral(TZ_WIZARD_BINARY);
    const QString document = folder->filePath(QStringLiteral("large.rtf"));
    ProcessRun run;
    for (auto _ : state) {
        run = runToEnd(program, {QStringLiteral("export"), largeProject(), document}, {});
        state.SetIterationTime(run.wallSeconds);
    }
    if (!run.ok)
        state.SkipWithError("the export failed");
    state.counters["cpu_ms"] = run.cpuSeconds * 1e3;
    reportPeak(state, run.peakBytes);
}
BENCHMARK(BM_LargeExport)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir dir;
    folder = &dir;
    if (!writeSizedProjectApart(largeProject(), makeProjectOfSize, 100 * kMebibyte))
        return 1;
    return runWidgetBenchmarks(argc, argv);
}
