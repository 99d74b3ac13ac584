// One keystroke in the title box or in the purpose memo of a project with a large
// structure tree and a 1 MiB purpose, as the user meets it: the key event, the change
// signal, the rewrite of the project text and the repainting of the box, all timed.
#include "benchreport.h"
#include "benchwizard.h"
#include "pages/step2.h"
#include "project/projecttext.h"
#include "structure/step5.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

bool opened(BenchWizard& wizard, benchmark::State& state) {
    return wizard.w().step5->menuRecords().size() == state.range(0) &&
           wizard.seam.messages.isEmpty();
}

// Types a letter, then takes it back with Backspace: every iteration is one keystroke.
template <typename Box> void typeAndErase(benchmark::State& state, Box* box, QWidget* painted) {
    const PaintCounter counter(painted);
    bool letter = true;
    for (auto _ : state) {
        if (letter)
            pressKey(box, Qt::Key_unknown, QStringLiteral("я"));
        else
            pressKey(box, Qt::Key_Backspace, QString());
        letter = !letter;
        QCoreApplication::processEvents();
    }
    if (counter.paints < state.iterations())
        state.SkipWithError("the box was not repainted after every keystroke");
}

void BM_TitleKeystroke(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep2* page = wizard.w().step2;
    page->show();
    QLineEdit* title = page->PrTitle;
    title->setFocus();
    title->end(false);
    QCoreApplication::processEvents();
    const QString typed = title->text() + u'я';
    typeAndErase(state, title, title);
    const QString written = tz::singleValue(wizard.session().text(), u".Title");
    if (written != title->text() || (written != typed && written + u'я' != typed))
        state.SkipWithError("the keystrokes did not reach the project text");
    if (!opened(wizard, state))
        state.SkipWithError("the project did not open as it should");
    setItems(state, state.range(0));
}
BENCHMARK(BM_TitleKeystroke)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The first keystroke after the project was opened: the first rewrite of its text. Each
// iteration opens the project again before the keystroke it times.
void BM_FirstTitleKeystroke(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep2* page = wizard.w().step2;
    page->show();
    const PaintCounter counter(page->PrTitle);
    for (auto _ : state) {
        wizard.open(wizard.projectPath());
        page->PrTitle->setFocus();
        page->PrTitle->end(false);
        QCoreApplication::processEvents();
        const double start = processSeconds();
        pressKey(page->PrTitle, Qt::Key_unknown, QStringLiteral("я"));
        QCoreApplication::processEvents();
        state.SetIterationTime(processSeconds() - start);
    }
    if (tz::singleValue(wizard.session().text(), u".Title") != page->PrTitle->text() ||
        counter.paints < state.iterations() || !opened(wizard, state))
        state.SkipWithError("the keystroke did not reach the project text");
    setItems(state, state.range(0));
}
BENCHMARK(BM_FirstTitleKeystroke)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

// In the middle of the 1 MiB purpose.
void BM_PurposeKeystroke(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep2* page = wizard.w().step2;
    page->show();
    QPlainTextEdit* purpose = page->PrDescription;
    purpose->setFocus();
    QTextCursor cursor = purpose->textCursor();
    cursor.setPosition(purpose->document()->characterCount() / 2);
    purpose->setTextCursor(cursor);
    purpose->centerCursor();
    QCoreApplication::processEvents();
    typeAndErase(state, purpose, purpose->viewport());
    QString written =
        tz::valueLines(wizard.session().text(), u".Description").join(QLatin1String("\r\n"));
    written.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (written != purpose->toPlainText() || written.size() < 1000000)
        state.SkipWithError("the keystrokes did not reach the project text");
    if (!opened(wizard, state))
        state.SkipWithError("the project did not open as it should");
    setItems(state, state.range(0));
}
BENCHMARK(BM_PurposeKeystroke)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
