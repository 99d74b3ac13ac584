#include "benchwizard.h"

#include "app/wizard.h"
#include "benchdata.h"
#include "project/projectfile.h"

#include <QApplication>
#include <benchmark/benchmark.h>

void keepRegistrationInTemporaryFolder() {
    static QTemporaryDir xdg;
    qputenv("XDG_DATA_HOME", xdg.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", xdg.filePath(QStringLiteral("config")).toLocal8Bit());
}

BenchWizard::BenchWizard(int items) {
    const BenchTree tree = makeBenchTree(items);
    QStringList text = tz::newProjectText(QStringLiteral("20261208100000128241"));
    tz::renewProjectText(text, makeBenchValues(2000), tree.structureLines, tree.records);
    const QString path = m_dir.filePath(QStringLiteral("bench.tz"));
    tz::saveProjectFile(path, text);
    m_main = createWizard(seam, {});
    m_main->openProject(path);
}

BenchWizard::~BenchWizard() = default;

int runWidgetBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    keepRegistrationInTemporaryFolder();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
