#include "spelling/spellcheck.h"
#include "spelling/spellservice.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

// The underline and the menu on real boxes, offscreen, with the system's Russian dictionary
// and a personal list of the test's own.
class SpellWidgetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        tz::SpellDictionary files = tz::SpellDictionary::russian();
        files.personal = m_dir.filePath(QStringLiteral("dictionary.txt"));
        m_service = std::make_unique<tz::SpellService>(files);
        QTRY_VERIFY2(m_service->isIdle(), "the dictionary loads");
        QVERIFY2(m_service->isAvailable(), "the Russian dictionary (hunspell-ru) is missing");
    }

    // The misspelled word of a memo is underlined without the memo's text changing, and the
    // first suggestion of its menu replaces it as one step to undo.
    void memoUnderlinesAndReplaces() {
        QPlainTextEdit memo;
        tz::attachSpellCheck(&memo, *m_service);
        memo.setPlainText(QStringLiteral("Программа пользоватль склад"));
        memo.show();
        const QSignalSpy changes(&memo, &QPlainTextEdit::textChanged);
        const QTextLayout* layout = memo.document()->firstBlock().layout();
        QTRY_COMPARE(layout->formats().size(), 1);
        const QTextLayout::FormatRange underline = layout->formats().constFirst();
        QCOMPARE(underline.start, 10);
        QCOMPARE(underline.length, 11);
        QCOMPARE(underline.format.underlineStyle(), QTextCharFormat::WaveUnderline);
        QCOMPARE(changes.count(), 0);

        QTextCursor word(memo.document());
        word.setPosition(12);
        const QPoint at = memo.cursorRect(word).center();
        QTimer::singleShot(0, this, [] {
            QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("пользователь"));
            menu->actions().at(0)->trigger();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, memo.viewport()->mapToGlobal(at));
        QApplication::sendEvent(memo.viewport(), &event);
        QCOMPARE(memo.toPlainText(), QStringLiteral("Программа пользователь склад"));
        QTRY_COMPARE(layout->formats().size(), 0);
        memo.undo();
        QCOMPARE(memo.toPlainText(), QStringLiteral("Программа пользоватль склад"));
    }

    // A line edit shows the red underline under the misspelled word only.
    void lineEditUnderlines() {
        QLineEdit title;
        title.resize(400, 30);
        tz::attachSpellCheck(&title, *m_service);
        title.setText(QStringLiteral("склад пользоватль"));
        title.show();
        const QSignalSpy changes(&title, &QLineEdit::textChanged);
        QTRY_COMPARE(m_service->verdict(QStringLiteral("пользоватль")),
                     tz::SpellService::Verdict::Misspelled);
        QCoreApplication::processEvents();
        const QImage image = title.grab().toImage();
        const auto redIn = [&](int fromX, int toX) {
            int red = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = fromX; x < toX; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    red += c.red() - qMax(c.green(), c.blue()) > 60;
                }
            }
            return red;
        };
        const int split = title.fontMetrics().horizontalAdvance(QStringLiteral("склад ")) +
                          title.contentsMargins().left();
        QVERIFY(redIn(split, image.width()) > 5);
        QCOMPARE(redIn(0, split - 4), 0);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(title.text(), QStringLiteral("склад пользоватль"));
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<tz::SpellService> m_service;
};

QTEST_MAIN(SpellWidgetsTest)
#include "widgets_test.moc"
