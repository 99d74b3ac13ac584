// Start-up as the user meets it: the program itself started as a new process (offscreen),
// with or without a project on its command line, until its first page has been shown and
// it waits for the user. The time is the processor time the process used up to then; the
// one-second start timer waits without using any.
#include "benchdata.h"
#include "benchprocess.h"
#include "benchreport.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kProgram = QStringLiteral(TZ_WIZARD_BINARY);

QStringList environmentIn(const QTemporaryDir& dir) {
    return {QStringLiteral("QT_QPA_PLATFORM=offscreen"),
            QStringLiteral("XDG_DATA_HOME=") + dir.filePath(QStringLiteral("data")),
            QStringLiteral("XDG_CONFIG_HOME=") + dir.filePath(QStringLiteral("config"))};
}

void report(benchmark::State& state, const ProcessRun& run) {
    if (!run.ok) {
        state.SkipWithError("the program did not start");
        return;
    }
    state.SetIterationTime(run.cpuSeconds);
    state.counters["peak_MiB"] = double(run.peakBytes) / kMebibyte;
}

// The first start after installing registers the file type: it writes the registration
// files and runs update-mime-database.
void BM_FirstStart(benchmark::State& state) {
    for (auto _ : state) {
        QTemporaryDir dir;
        report(state, runUntilIdle(kProgram, {}, environmentIn(dir), 1.2, 0.3));
    }
}
BENCHMARK(BM_FirstStart)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// Every later start, without a project (the first page) or with a project of the given
// number of items and a 1 MiB purpose named on the command line (the title page).
void BM_StartUp(benchmark::State& state) {
    QTemporaryDir dir;
    const QStringList environment = environmentIn(dir);
    QStringList arguments;
    if (state.range(0) > 0) {
        arguments.append(dir.filePath(QStringLiteral("project.tz")));
        writeBenchProject(arguments.constFirst(), makeBenchProject(int(state.range(0)), kMebibyte));
        setItems(state, state.range(0));
    }
    runUntilIdle(kProgram, {}, environment, 1.2, 0.3); // registers the file type
    for (auto _ : state)
        report(state, runUntilIdle(kProgram, arguments, environment, 1.2, 0.3));
}
BENCHMARK(BM_StartUp)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

// A file of ten million short lines, the purpose, named on the command line: read, checked
// and taken apart line by line, the text kept but not laid out in the memo (target: a few
// seconds to the title page).
void BM_StartUpTenMillionLines(benchmark::State& state) {
    QTemporaryDir dir;
    const QStringList environment = environmentIn(dir);
    const QString path = dir.filePath(QStringLiteral("lines.tz"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("the project could not be written");
            return;
        }
        file.write("#\r\n.Title\r\nT\r\n.Description\r\n");
        file.write(QByteArray("x\r\n").repeated(10'000'000));
        file.write(".NewTitle\r\n.Finish\r\n");
    }
    runUntilIdle(kProgram, {}, environment, 1.2, 0.3); // registers the file type
    for (auto _ : state)
        report(state, runUntilIdle(kProgram, {path}, environment, 1.2, 0.5));
}
BENCHMARK(BM_StartUpTenMillionLines)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
