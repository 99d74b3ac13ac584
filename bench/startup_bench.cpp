// Start-up: the controller and every window created offscreen, up to the moment the first
// page could be shown (the start timer's second is not waited for).
#include "app/appicon.h"
#include "app/application.h"
#include "app/filetype.h"
#include "app/tfrmmain.h"
#include "app/wizard.h"
#include "benchwizard.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

int argc = 1;
char program[] = "bench_startup";
char* argv[] = {program, nullptr};
std::unique_ptr<TzApplication> application;

void created(benchmark::State& state, TfrmMain* main, const QuietSeam& seam) {
    if (!main->windows().step3os || !main->TimerStart->isActive() || !seam.messages.isEmpty())
        state.SkipWithError("the wizard was not created whole");
}

// The first start in the process, as the program makes it: the application object and its
// icon, then the wizard, paying for what Qt sets up once (platform, fonts, style). Run
// first, once.
void BM_FirstStart(benchmark::State& state) {
    if (application) {
        state.SkipWithError("only the first start in the process can be timed");
        return;
    }
    QuietSeam seam;
    std::unique_ptr<TfrmMain> main;
    for (auto _ : state) {
        application = std::make_unique<TzApplication>(argc, argv);
        QApplication::setWindowIcon(applicationIcon());
        main = createWizard(seam, {});
    }
    created(state, main.get(), seam);
}
BENCHMARK(BM_FirstStart)->Iterations(1)->Unit(benchmark::kMillisecond);

// Every later start: the wizard alone; the windows of the previous one are destroyed
// untimed.
void BM_StartUp(benchmark::State& state) {
    if (!application)
        application = std::make_unique<TzApplication>(argc, argv);
    QuietSeam seam;
    std::unique_ptr<TfrmMain> main;
    for (auto _ : state) {
        main = createWizard(seam, {});
        state.PauseTiming();
        created(state, main.get(), seam);
        main.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

} // namespace

int main(int benchArgc, char** benchArgv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    keepRegistrationInTemporaryFolder();
    // On every start but the first after installing, the registration is already in place
    // and nothing is written.
    registerFileType(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    benchmark::Initialize(&benchArgc, benchArgv);
    if (benchmark::ReportUnrecognizedArguments(benchArgc, benchArgv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    application.reset();
    return 0;
}
