// The project text and file without windows: the full rewrite of every block and reading
// and writing files of exactly 10 and 100 MiB.
#include "benchdata.h"
#include "benchreport.h"
#include "project/projectfile.h"
#include "project/projecttext.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Every block rewritten from the values, as after opening a project.
void BM_TZrenew(benchmark::State& state) {
    const BenchTree tree = makeBenchTree(int(state.range(0)));
    const tz::ProjectValues values = makeBenchValues(kMebibyte);
    QStringList text = tz::newProjectText(QStringLiteral("20261208100000128241"));
    tz::renewProjectText(text, values, tree.structureLines, tree.records);
    for (auto _ : state) {
        tz::renewProjectText(text, values, tree.structureLines, tree.records);
        benchmark::DoNotOptimize(text.size());
    }
    setItems(state, state.range(0));
}
BENCHMARK(BM_TZrenew)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

bool exactSize(benchmark::State& state, const QString& path) {
    if (QFileInfo(path).size() == state.range(0) * kMebibyte)
        return true;
    state.SkipWithError("the file is not of the size named");
    return false;
}

void BM_LoadProjectFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.tz"));
    writeBenchProject(path, makeProjectOfSize(state.range(0) * kMebibyte));
    if (!exactSize(state, path))
        return;
    for (auto _ : state) {
        const tz::LoadResult loaded = tz::loadProjectFile(path);
        benchmark::DoNotOptimize(loaded.text.size());
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}
BENCHMARK(BM_LoadProjectFile)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_SaveProjectFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.tz"));
    const QStringList text = makeProjectOfSize(state.range(0) * kMebibyte);
    for (auto _ : state)
        benchmark::DoNotOptimize(tz::saveProjectFile(path, text).ok);
    exactSize(state, path);
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}
BENCHMARK(BM_SaveProjectFile)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
