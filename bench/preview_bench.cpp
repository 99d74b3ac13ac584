// The preview of the extended document, as the user meets it after a pause in typing: from
// the refresh to the new pages drawn in the pane, for each example and for a project of
// 100,000 menu items. The pane makes the pages in the background; typing meanwhile costs
// what the keystroke benchmarks measure.
#include "benchdata.h"
#include "benchreport.h"
#include "benchwizard.h"
#include "docgen/extendedcontent.h"
#include "docgen/projectexport.h"
#include "pages/previewpane.h"
#include "project/projectfile.h"
#include "project/standardlists.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPdfView>
#include <QSignalSpy>

namespace {

const char* const kExamples[] = {"warehouse", "clinic", "library", "servicecenter"};

tz::DocumentInputs inputsOf(QStringList text) {
    tz::DocumentInputs inputs = tz::documentInputsOf(text, true);
    tz::addExtendedDefaults(inputs.values, text);
    tz::addExtendedInputs(inputs, text);
    return inputs;
}

tz::DocumentInputs exampleInputs(int example) {
    const QString path = QStringLiteral(TZ_SOURCE_DIR "/examples/") +
                         QString::fromLatin1(kExamples[example]) + QStringLiteral(".tz");
    return inputsOf(tz::loadProjectFile(path).text);
}

void timeRefreshes(benchmark::State& state, const tz::DocumentInputs& inputs) {
    PreviewPane pane([&inputs] { return inputs; });
    pane.resize(480, 560);
    pane.show();
    QSignalSpy refreshed(&pane, &PreviewPane::refreshed);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        pane.refresh();
        if (!refreshed.wait(120000)) {
            state.SkipWithError("the preview was not made");
            break;
        }
        pane.view()->viewport()->repaint();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
}

void BM_PreviewExample(benchmark::State& state) {
    const tz::DocumentInputs inputs = exampleInputs(int(state.range(0)));
    state.SetLabel(kExamples[state.range(0)]);
    timeRefreshes(state, inputs);
}
BENCHMARK(BM_PreviewExample)->DenseRange(0, 3)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PreviewLargeTree(benchmark::State& state) {
    const tz::DocumentInputs inputs = inputsOf(makeBenchProject(int(state.range(0)), 4096));
    timeRefreshes(state, inputs);
    setItems(state, state.range(0));
}
BENCHMARK(BM_PreviewLargeTree)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
