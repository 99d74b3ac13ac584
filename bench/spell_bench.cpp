// One keystroke in a purpose memo of 1 MiB of Russian text, with and without spell checking:
// the key event, the memo's own bookkeeping, the check of the edited line and of the lines in
// view on the checker's thread, the new underline and the repainting, all in the processor
// time of the whole process. Every keystroke makes a word not seen before, so that each one
// goes to Hunspell.
#include "benchdata.h"
#include "benchreport.h"
#include "benchwizard.h"
#include "pages/projectmemo.h"
#include "spelling/spellcheck.h"
#include "spelling/spellservice.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextCursor>

namespace {

// Sentences of a purpose as people write them, a few typos among them, with a line break
// after every third one.
QString russianPurpose(qsizetype size) {
    const QStringList sentences{
        QStringLiteral("Программа предназначена для учёта поступления и отгрузки товаров на "
                       "складе предприятия."),
        QStringLiteral("Кладовщик оформляет приходные и расходные накладные, а бухгалтерия "
                       "получает отчёты об остатках за любой период."),
        QStringLiteral("Пользователи работают с программой в локальной сети, каждый со своими "
                       "правами доступа."),
        QStringLiteral("Данные хранятся в базе данных на сервере и ежедневно копируются на "
                       "резервный носитель."),
        QStringLiteral("При инвентаризации программа сравнивает фактические остатки с учётными "
                       "и печатает ведомость расхождений."),
        QStringLiteral("Справочник товаров содержит наименование, артикул, единицу измерения, "
                       "цену и поставщика."),
        QStringLiteral("Програма должна работать без сбоев при одновременной работе двадцати "
                       "пользователей."),
        QStringLiteral("Время формирования отчёта о движении товаров не превышает пяти секунд."),
        QStringLiteral("Интерфейс программы выполнен на русском языке и не требует специального "
                       "обучения персонала."),
        QStringLiteral("Администратор назначает роли, блокирует учётные записи и просматривает "
                       "журнал действий пользователей."),
        QStringLiteral("Для каждой накладной сохраняются дата, номер, контрагент, перечень "
                       "товаров и ответственный сотрудник."),
        QStringLiteral("Отчёты можно выгрузить в электронную таблицу или отправить на печать."),
    };
    QString text;
    text.reserve(size + 200);
    for (int i = 0; text.size() < size; ++i) {
        text += sentences.at(i % sentences.size());
        text += i % 3 == 2 ? u'\n' : u' ';
    }
    text.truncate(size);
    return text;
}

void BM_PurposeKeystroke(benchmark::State& state) {
    const bool checking = state.range(0) != 0;
    QTemporaryDir dir;
    tz::SpellDictionary files = tz::SpellDictionary::russian();
    files.personal = dir.filePath(QStringLiteral("dictionary.txt"));
    tz::SpellService service(files);
    ProjectMemo memo;
    memo.resize(640, 360);
    if (checking)
        tz::attachSpellCheck(&memo, service);
    memo.setProjectText(russianPurpose(kMebibyte));
    memo.show();
    QTextCursor middle(memo.document());
    middle.setPosition(memo.document()->characterCount() / 2);
    middle.movePosition(QTextCursor::EndOfBlock);
    memo.setTextCursor(middle);
    memo.setFocus();
    const auto settle = [&] {
        while (!service.isIdle())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
    };
    settle();
    if (checking && !service.isAvailable())
        state.SkipWithError("the Russian dictionary (hunspell-ru) is missing");
    const PaintCounter counter(memo.viewport());
    // Words of five letters never typed before: the letters run through the alphabet.
    const QString letters = QStringLiteral("бвгдклмнпрстфхц");
    int typed = 0;
    for (auto _ : state) {
        const QString key = typed % 6 == 0
                                ? QStringLiteral(" ")
                                : QString(letters.at((typed * 7 + typed / 6) % letters.size()));
        pressKey(&memo, Qt::Key_unknown, key);
        ++typed;
        settle();
    }
    if (counter.paints < state.iterations())
        state.SkipWithError("the memo was not repainted after every keystroke");
    if (memo.projectText().size() < kMebibyte + typed)
        state.SkipWithError("the keystrokes did not reach the memo");
    state.SetLabel(checking ? "spell checking" : "no spell checking");
}
BENCHMARK(BM_PurposeKeystroke)
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
