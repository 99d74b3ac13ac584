#include "pages/memotext.h"
#include "pages/projectmemo.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QTest>
#include <QTextCursor>

// The memo's text with CR LF, kept at every change, is the text it shows.
class ProjectMemoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keepsItsTextThroughEveryKindOfEdit() {
        ProjectMemo memo;
        memo.show();
        QRandomGenerator random(20261208);
        const QStringList pasted{"одна строка", "две\nстроки", "\n\n",
                                 "конец\n",     "x\u2028y",    "без\u00a0разрыва"};
        for (int step = 0; step < 600; ++step) {
            QTextCursor cursor = memo.textCursor();
            const int length = memo.document()->characterCount() - 1;
            cursor.setPosition(random.bounded(length + 1));
            if (random.bounded(3) == 0)
                cursor.setPosition(random.bounded(length + 1), QTextCursor::KeepAnchor);
            memo.setTextCursor(cursor);
            switch (random.bounded(8)) {
            case 0:
                QTest::keyClick(&memo, Qt::Key_Return);
                break;
            case 1:
                QTest::keyClick(&memo, Qt::Key_Backspace);
                break;
            case 2:
                QTest::keyClick(&memo, Qt::Key_Delete);
                break;
            case 3:
                QApplication::clipboard()->setText(pasted.at(random.bounded(pasted.size())));
                memo.paste();
                break;
            case 4:
                memo.undo();
                break;
            case 5:
                memo.redo();
                break;
            case 6:
                if (random.bounded(10) == 0)
                    memo.setProjectText(random.bounded(2) ? QStringLiteral("а\nб") : QString());
                else if (random.bounded(10) == 0)
                    memo.insertPlainText(QStringLiteral("внутри\u2028абзаца"));
                else
                    QTest::keyClick(&memo, Qt::Key_Return, Qt::ShiftModifier);
                break;
            default:
                QTest::sendKeyEvent(QTest::Click, &memo, Qt::Key_unknown, QStringLiteral("ж"),
                                    Qt::NoModifier);
            }
            QCOMPARE(memo.projectText(), memoText(&memo));
        }
    }
};

QTEST_MAIN(ProjectMemoTest)
#include "projectmemo_test.moc"
