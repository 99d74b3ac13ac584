#include "docgen/docformat.h"
#include "docgen/docwriter.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// What LibreOffice Writer shows of a paragraph: its text and the character attributes of
// each piece of it (of the paragraph itself when it is empty).
struct Shown {
    QString text;
    QStringList attributes; // "font size weight colour"
};

// The paragraphs of a flat ODT file; character attributes come from the automatic style
// of a span, or of the paragraph.
QList<Shown> paragraphsOf(const QByteArray& xml) {
    QHash<QString, QString> styles;
    QList<Shown> paragraphs;
    QStringList spanStyles; // innermost last, while inside a paragraph
    QString styleName;
    QXmlStreamReader r(xml);
    const auto attr = [&r](const char* name) {
        return r.attributes().value(QLatin1String(name)).toString();
    };
    const auto addText = [&](const QString& text) {
        paragraphs.last().text += text;
        paragraphs.last().attributes.append(styles.value(spanStyles.constLast()));
    };
    while (!r.atEnd()) {
        r.readNext();
        const QStringView name = r.qualifiedName();
        if (r.isStartElement()) {
            if (name == u"style:style" || name == u"style:default-style") {
                styleName = attr("style:name");
            } else if (name == u"style:text-properties") {
                styles.insert(styleName, QStringList{attr("style:font-name"), attr("fo:font-size"),
                                                     attr("fo:font-weight"), attr("fo:color")}
                                             .join(u' '));
            } else if (name == u"text:p" || name == u"text:h") {
                paragraphs.append(Shown{});
                spanStyles = {attr("text:style-name")};
            } else if (!spanStyles.isEmpty()) {
                const QString style = attr("text:style-name");
                spanStyles.append(style.isEmpty() ? spanStyles.constLast() : style);
                if (name == u"text:s")
                    addText(QString(std::max(attr("text:c").toInt(), 1), u' '));
                else if (name == u"text:tab")
                    addText(QStringLiteral("\t"));
            }
        } else if (r.isEndElement() && !spanStyles.isEmpty()) {
            const QString own = spanStyles.constFirst();
            spanStyles.removeLast();
            if (spanStyles.isEmpty() && paragraphs.last().attributes.isEmpty())
                paragraphs.last().attributes.append(styles.value(own));
        } else if (r.isCharacters() && !spanStyles.isEmpty()) {
            addText(r.text().toString());
        }
    }
    return paragraphs;
}

} // namespace

// The RTF documents read back by a real word processor.
class LibreOfficeTest : public QObject {
    Q_OBJECT

    QString m_soffice;

    // Converts to flat ODT with a profile of its own: two conversions sharing a profile
    // fail without a word.
    QByteArray convert(const QString& path, const QString& outDir) {
        QTemporaryDir profile;
        QProcess soffice;
        soffice.start(m_soffice,
                      {QStringLiteral("-env:UserInstallation=file://") + profile.path(),
                       QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                       QStringLiteral("fodt"), QStringLiteral("--outdir"), outDir, path});
        if (!soffice.waitForFinished(120000))
            return {};
        QFile out(outDir + u'/' + QFileInfo(path).completeBaseName() + QStringLiteral(".fodt"));
        return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase() {
        m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (m_soffice.isEmpty())
            QFAIL("soffice not found: install libreoffice-writer (scripts/deps.sh test) so that "
                  "the RTF documents can be read back");
    }

    void everyLineIsAParagraphWithItsAttributes_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("format");
        QTest::newRow("markup, several lines")
            << QStringLiteral("Калькулятор <Про> & \"Ко\" \\ {x} Ω")
            << QStringLiteral("Складывает {a} и \\b\r\n\r\n  <script>\"&\"</script> ёЁ—«»")
            << QStringLiteral("rtf");
        QTest::newRow("empty purpose, as DOC")
            << QStringLiteral("Учёт") << QString() << QStringLiteral("doc");
    }

    void everyLineIsAParagraphWithItsAttributes() {
        QFETCH(QString, title);
        QFETCH(QString, description);
        QFETCH(QString, format);
        QTemporaryDir dir;
        tz::DocBuffer doc;
        const QByteArray bytes = tz::renderDocument(doc, *tz::docFormatNamed(format),
                                                    {title, description, QStringLiteral("1")});
        tz::DocMode = tz::DocModeNone;
        const QString path = dir.filePath(QStringLiteral("document.") + format);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        const QList<Shown> shown = paragraphsOf(convert(path, dir.filePath(QStringLiteral("out"))));
        QCOMPARE(shown.size(), doc.lines().size());
        QCOMPARE(shown.at(0).text,
                 QStringLiteral("Техническое задание к программе \"") + title + u'"');
        QCOMPARE(shown.at(0).attributes.value(0),
                 QStringLiteral("Times New Roman 20pt bold #000000"));
        for (qsizetype i = 0; i < doc.lines().size(); ++i) {
            const tz::DocLine& line = doc.lines().at(i);
            const QString expected = QStringLiteral("Times New Roman %1pt %2 #000000")
                                         .arg(line.attributes.sizePt)
                                         .arg(line.attributes.bold ? "bold" : "normal");
            const QByteArray where = "paragraph " + QByteArray::number(i) + ": ";
            QVERIFY2(shown.at(i).text == line.text, where + shown.at(i).text.toUtf8());
            for (const QString& attributes : shown.at(i).attributes)
                QVERIFY2(attributes == expected, where + attributes.toUtf8());
        }
    }
};

QTEST_GUILESS_MAIN(LibreOfficeTest)
#include "libreoffice_test.moc"
