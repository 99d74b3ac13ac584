#include "benchdata.h"
#include "project/projectfile.h"
#include "project/projecttext.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_TZrenew(benchmark::State& state) {
    const BenchTree tree = makeBenchTree(int(state.range(0)));
    const tz::PageValues values = makeBenchValues(1 << 20);
    QStringList text = tz::newProjectText(QStringLiteral("20261208100000128241"));
    tz::renewProjectText(text, values, tree.structureLines, tree.records);
    for (auto _ : state) {
        tz::renewProjectText(text, values, tree.structureLines, tree.records);
        benchmark::DoNotOptimize(text.size());
    }
    state.counters["items"] = double(state.range(0));
    state.counters["per_item_ns"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}
BENCHMARK(BM_TZrenew)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A project file of about 10 MiB: a large tree and a long purpose.
QStringList tenMebibyteProject() {
    const BenchTree tree = makeBenchTree(60000);
    QStringList text = tz::newProjectText(QStringLiteral("20261208100000128241"));
    tz::renewProjectText(text, makeBenchValues(4 << 20), tree.structureLines, tree.records);
    return text;
}

void BM_LoadProjectFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.tz"));
    tz::saveProjectFile(path, tenMebibyteProject());
    for (auto _ : state) {
        const tz::LoadResult loaded = tz::loadProjectFile(path);
        benchmark::DoNotOptimize(loaded.text.size());
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}
BENCHMARK(BM_LoadProjectFile)->Unit(benchmark::kMillisecond);

void BM_SaveProjectFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.tz"));
    const QStringList text = tenMebibyteProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(tz::saveProjectFile(path, text).ok);
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}
BENCHMARK(BM_SaveProjectFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
