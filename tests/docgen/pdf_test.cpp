#include "docgen/docstyle.h"
#include "docgen/pagination.h"
#include "docgen/projectexport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The PDF writer sets the glyphs itself, by the widths of its font resources: each word of a
// line must begin where the pagination's widths of Times New Roman put it after the word
// before, or the lines the pagination counted would not be the lines a reader sees.
class PdfTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wordsStandWhereThePaginationMeasuredThem() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("example.pdf"));
        QCOMPARE(tz::exportDocument(qEnvironmentVariable("TZ_TEST_SOURCE_DIR") +
                                        QStringLiteral("/examples/servicecenter.tz"),
                                    pdf, QString(), {true}),
                 QString());
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        QVERIFY2(pdftotext.waitForFinished(60000) && pdftotext.exitCode() == 0,
                 "pdftotext (poppler-utils) reads the PDF");
        const QString boxes = QString::fromUtf8(pdftotext.readAllStandardOutput());

        const QRegularExpression word(QStringLiteral(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)<)re"));
        tz::ParaFormat regular;
        tz::ParaFormat bold;
        bold.bold = true;
        qreal lastX = -1, lastY = -1;
        QString last;
        int checked = 0;
        for (const QRegularExpressionMatch& m : word.globalMatch(boxes)) {
            const qreal x = m.captured(1).toDouble();
            const qreal y = m.captured(2).toDouble();
            const qreal height = m.captured(3).toDouble() - y;
            QString text = m.captured(4);
            text.replace(QLatin1String("&quot;"), QLatin1String("\""))
                .replace(QLatin1String("&lt;"), QLatin1String("<"))
                .replace(QLatin1String("&gt;"), QLatin1String(">"))
                .replace(QLatin1String("&amp;"), QLatin1String("&"));
            // Words of 12 pt on one line; the dots of the contents and their page number, and a
            // gap of more than a few points (the second column), are runs of their own.
            if (y == lastY && qAbs(height - 13.29) < 0.1 && !text.startsWith(u"..") &&
                !last.startsWith(u"..")) {
                const QString before = last + u' ';
                const qreal gap = x - lastX;
                const qreal plain = tz::textWidth(before, regular);
                const qreal strong = tz::textWidth(before, bold);
                if (qAbs(gap - plain) < 3 || qAbs(gap - strong) < 3) {
                    QVERIFY2(qAbs(gap - plain) < 0.05 || qAbs(gap - strong) < 0.05,
                             qPrintable(QStringLiteral("«%1» is %2 pt wide, not %3")
                                            .arg(last)
                                            .arg(gap)
                                            .arg(plain)));
                    ++checked;
                }
            }
            lastX = x;
            lastY = y;
            last = text;
        }
        QVERIFY2(checked > 500, qPrintable(QString::number(checked)));
    }
};

QTEST_MAIN(PdfTest)
#include "pdf_test.moc"
