// The whole requirements document: BuildDocument into the buffer and the buffer written
// out as the file's bytes, for each format.
#include "benchdata.h"
#include "benchreport.h"
#include "docgen/docformat.h"

#include <benchmark/benchmark.h>

namespace {

void BM_BuildDocument(benchmark::State& state) {
    const auto format = static_cast<tz::DocFormat>(state.range(0));
    const tz::DocumentInputs inputs{makeBenchValues(2000), QStringLiteral("20261208100000128241")};
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray file = tz::documentBytes(format, inputs);
        bytes = file.size();
        benchmark::DoNotOptimize(file.constData());
    }
    if (bytes == 0)
        state.SkipWithError("no document was written");
    state.SetLabel(tz::docSuffix(format).toStdString());
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_BuildDocument)
    ->Arg(int(tz::DocFormat::Html))
    ->Arg(int(tz::DocFormat::Rtf))
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
