// Timings of the structure page on a large tree; not a test. Run it by hand:
// QT_QPA_PLATFORM=offscreen ./structure_bench
#include "project/projecttext.h"
#include "structuretestsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

// About a thousand items (10 groups of 10 items with 9 children each), opened from a file.
TfrmStep5* bigTree(WizardFixture& f) {
    tz::MenuTree tree;
    qint32 uid = 10000000;
    for (int i = 0; i < 10; ++i) {
        tz::MenuNode* group = tree.addItem(tree.root(), ++uid);
        for (int j = 0; j < 10; ++j) {
            tz::MenuNode* item = tree.addItem(group, ++uid);
            for (int k = 0; k < 9; ++k)
                tree.addItem(item, ++uid);
        }
    }
    QStringList text = tz::newProjectText(QStringLiteral("1"));
    tz::renewProjectText(text, {}, tree.structureLines(), tree.records());
    const QString path = f.path(QStringLiteral("big.tz"));
    writeFileBytes(path, projectBytes(text));
    f.main().openProject(path);
    TfrmStep5* page = f.w().step5;
    page->show();
    return page;
}

void restructureAndRenew(benchmark::State& state) {
    WizardFixture f;
    bigTree(f);
    for (auto _ : state) {
        f.main().Restructure();
        f.main().TZrenew();
    }
}
BENCHMARK(restructureAndRenew)->Unit(benchmark::kMillisecond);

void expandEverything(benchmark::State& state) {
    WizardFixture f;
    TfrmStep5* page = bigTree(f);
    for (auto _ : state) {
        page->uMenu->collapseAll();
        page->uMenu->expandAll();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(expandEverything)->Unit(benchmark::kMillisecond);

void addUnderTheRoot(benchmark::State& state) {
    WizardFixture f;
    TfrmStep5* page = bigTree(f);
    QTreeWidgetItem* root = itemAt(page, {});
    for (auto _ : state) {
        page->uMenu->setCurrentItem(root);
        page->btnAddMenuClick();
        state.PauseTiming();
        page->btnDeleteMenuClick();
        state.ResumeTiming();
    }
}
BENCHMARK(addUnderTheRoot)->Unit(benchmark::kMillisecond);

void captionKeystroke(benchmark::State& state) {
    WizardFixture f;
    TfrmStep5* page = bigTree(f);
    page->uMenu->setCurrentItem(itemAt(page, {5, 5, 5}));
    bool odd = false;
    for (auto _ : state)
        page->MenuCaption->setText((odd = !odd) ? QStringLiteral("a") : QStringLiteral("b"));
}
BENCHMARK(captionKeystroke)->Unit(benchmark::kMillisecond);

void menuRecords(benchmark::State& state) {
    WizardFixture f;
    TfrmStep5* page = bigTree(f);
    for (auto _ : state)
        benchmark::DoNotOptimize(page->menuRecords());
}
BENCHMARK(menuRecords)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
