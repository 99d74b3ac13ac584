// One keystroke in the title box of a project with a large structure tree: the key event,
// the change signal and the rewrite of the whole project text.
#include "benchwizard.h"
#include "pages/step2.h"
#include "project/projecttext.h"
#include "structure/step5.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

void press(QWidget* widget, Qt::Key key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &up);
}

// Types a letter, then takes it back with Backspace: every iteration is one keystroke.
void BM_TitleKeystroke(benchmark::State& state) {
    BenchWizard wizard(int(state.range(0)));
    TfrmStep2* page = wizard.w().step2;
    page->show();
    QLineEdit* title = page->PrTitle;
    title->setFocus();
    title->end(false);
    QCoreApplication::processEvents();
    const QString typed = title->text() + u'я';
    bool letter = true;
    for (auto _ : state) {
        if (letter)
            press(title, Qt::Key_unknown, QStringLiteral("я"));
        else
            press(title, Qt::Key_Backspace, QString());
        letter = !letter;
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    const QString written = tz::singleValue(wizard.main().ProjectText, u".Title");
    if (written != title->text() || (written != typed && written + u'я' != typed))
        state.SkipWithError("the keystrokes did not reach the project text");
    if (wizard.w().step5->menuRecords().size() != state.range(0) || !wizard.seam.messages.isEmpty())
        state.SkipWithError("the project did not open as it should");
    state.counters["items"] = double(state.range(0));
}
BENCHMARK(BM_TitleKeystroke)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
