// "tzwizard export" of a project file of exactly 100 MiB whose purpose is about 700,000 lines
// of 144 characters, into each format, in the usual and in the extended mode: the run time and
// the peak of the resident memory, as a multiple of the file's size.
#include "benchdata.h"
#include "benchprocess.h"
#include "benchreport.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QTemporaryDir* folder = nullptr;

QString largeProject() {
    return folder->filePath(QStringLiteral("purpose.tz"));
}

const char* const kFormats[] = {"html", "rtf", "doc", "docx", "odt", "pdf"};

void BM_ExportLargePurpose(benchmark::State& state) {
    const QString format = QLatin1String(kFormats[state.range(0)]);
    const bool extended = state.range(1) != 0;
    const QString document = folder->filePath(QStringLiteral("document.") + format);
    QStringList arguments{QStringLiteral("export"), largeProject(), document};
    if (extended)
        arguments.append(QStringLiteral("--extended"));
    ProcessRun run;
    for (auto _ : state) {
        run = runToEnd(QStringLiteral(TZ_WIZARD_BINARY), arguments, {});
        state.SetIterationTime(run.wallSeconds);
    }
    if (!run.ok || QFileInfo(document).size() == 0)
        state.SkipWithError("the export failed");
    const double file = double(QFileInfo(largeProject()).size());
    state.SetLabel((format + (extended ? QStringLiteral(" extended") : QString())).toStdString());
    state.counters["cpu_ms"] = run.cpuSeconds * 1e3;
    state.counters["peak_MiB"] = double(run.peakBytes) / kMebibyte;
    state.counters["peak_per_file"] = double(run.peakBytes) / file;
    state.counters["document_MiB"] = double(QFileInfo(document).size()) / kMebibyte;
    QFile::remove(document);
}
BENCHMARK(BM_ExportLargePurpose)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Args({4, 0})
    ->Args({4, 1})
    ->Args({5, 0})
    ->Args({5, 1})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir dir;
    folder = &dir;
    if (!writeSizedProjectApart(largeProject(), makePurposeProjectOfSize, 100 * kMebibyte))
        return 1;
    return runBenchmarks(argc, argv);
}
