#include "docgen/docformat.h"
#include "docgen/docwriter.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// The RTF document read back by LibreOffice Writer: every paragraph with its text and the
// attributes the word processor gives it.
namespace {

struct Props {
    QString font, size, weight, colour;
    void over(const Props& p) {
        for (auto [mine, theirs] : {std::pair{&font, &p.font}, std::pair{&size, &p.size},
                                    std::pair{&weight, &p.weight}, std::pair{&colour, &p.colour}})
            if (!theirs->isEmpty())
                *mine = *theirs;
    }
};

struct Style {
    QString parent;
    Props props;
};

struct Paragraph {
    QString text;
    QList<Props> runs; // one per piece of text; the paragraph's own when it has none
};

class FlatOdt {
public:
    explicit FlatOdt(const QByteArray& xml) {
        QXmlStreamReader r(xml);
        while (r.readNextStartElement())
            walk(r);
    }
    QList<Paragraph> paragraphs;
    QString error;

    Props resolve(const QString& style) const {
        Props p = m_default;
        QStringList chain;
        for (QString s = style; !s.isEmpty() && !chain.contains(s); s = m_styles.value(s).parent)
            chain.prepend(s);
        for (const QString& s : chain)
            p.over(m_styles.value(s).props);
        return p;
    }

private:
    static Props propsOf(const QXmlStreamAttributes& a) {
        return {a.value(QLatin1String("style:font-name")).toString(),
                a.value(QLatin1String("fo:font-size")).toString(),
                a.value(QLatin1String("fo:font-weight")).toString(),
                a.value(QLatin1String("fo:color")).toString()};
    }

    void walk(QXmlStreamReader& r) {
        const QStringView name = r.qualifiedName();
        if (name == u"style:style" || name == u"style:default-style") {
            const bool isDefault = name == u"style:default-style";
            const QString family = r.attributes().value(QLatin1String("style:family")).toString();
            Style style{r.attributes().value(QLatin1String("style:parent-style-name")).toString(),
                        {}};
            const QString styleName = r.attributes().value(QLatin1String("style:name")).toString();
            while (r.readNextStartElement()) {
                if (r.qualifiedName() == u"style:text-properties")
                    style.props = propsOf(r.attributes());
                r.skipCurrentElement();
            }
            if (isDefault && family == u"paragraph")
                m_default = style.props;
            else if (!isDefault)
                m_styles.insert(styleName, style);
            return;
        }
        if (name == u"text:p" || name == u"text:h") {
            paragraph(r);
            return;
        }
        while (r.readNextStartElement())
            walk(r);
    }

    void paragraph(QXmlStreamReader& r) {
        Paragraph p;
        const QString own = r.attributes().value(QLatin1String("text:style-name")).toString();
        QStringList spans{own};
        int depth = 1;
        while (depth > 0 && !r.atEnd()) {
            r.readNext();
            if (r.isStartElement()) {
                ++depth;
                const QStringView n = r.qualifiedName();
                const QString style =
                    r.attributes().value(QLatin1String("text:style-name")).toString();
                spans.append(style.isEmpty() ? spans.constLast() : style);
                if (n == u"text:s") {
                    const int count = r.attributes().value(QLatin1String("text:c")).toInt();
                    addText(p, QString(std::max(count, 1), u' '), spans);
                } else if (n == u"text:tab") {
                    addText(p, QStringLiteral("\t"), spans);
                } else if (n == u"text:line-break") {
                    addText(p, QStringLiteral("\n"), spans);
                }
            } else if (r.isEndElement()) {
                --depth;
                spans.removeLast();
            } else if (r.isCharacters()) {
                addText(p, r.text().toString(), spans);
            }
        }
        if (p.runs.isEmpty())
            p.runs.append(resolve(own));
        paragraphs.append(p);
    }

    void addText(Paragraph& p, const QString& text, const QStringList& spans) {
        p.text += text;
        Props props = resolve(spans.constFirst());
        props.over(resolve(spans.constLast()));
        p.runs.append(props);
    }

    Props m_default;
    QHash<QString, Style> m_styles;
};

} // namespace

class LibreOfficeTest : public QObject {
    Q_OBJECT

    QString m_soffice;

    // Converts the file to flat ODT with a profile of its own; two conversions sharing a
    // profile fail without a word.
    QByteArray convert(const QString& path, QTemporaryDir& dir) {
        QTemporaryDir profile;
        QProcess soffice;
        soffice.start(m_soffice, {QStringLiteral("-env:UserInstallation=file://") + profile.path(),
                                  QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                  QStringLiteral("fodt"), QStringLiteral("--outdir"),
                                  dir.filePath("out"), path});
        if (!soffice.waitForFinished(120000))
            return {};
        QFile out(dir.filePath("out/") + QFileInfo(path).completeBaseName() + ".fodt");
        return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase() {
        m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (m_soffice.isEmpty())
            QFAIL("soffice not found: install libreoffice-writer (scripts/deps.sh test) to read "
                  "the RTF documents back");
    }

    void aWordProcessorShowsEveryLineWithItsAttributes_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("markup, several lines")
            << QStringLiteral("Калькулятор <Про> & \"Ко\" \\ {x} Ω")
            << QStringLiteral("Складывает {a} и \\b\r\n\r\n  <script>\"&\"</script> ёЁ—«»")
            << QStringLiteral("rtf");
        QTest::newRow("empty purpose, as DOC")
            << QStringLiteral("Учёт") << QString() << QStringLiteral("doc");
    }

    void aWordProcessorShowsEveryLineWithItsAttributes() {
        QFETCH(QString, title);
        QFETCH(QString, description);
        QFETCH(QString, suffix);
        QTemporaryDir dir;
        tz::DocBuffer doc;
        const QByteArray bytes = tz::renderDocument(doc, *tz::docFormatNamed(suffix),
                                                    {title, description, QStringLiteral("1")});
        tz::DocMode = tz::DocModeNone;
        const QString path = dir.filePath(QStringLiteral("document.") + suffix);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        const QByteArray xml = convert(path, dir);
        QVERIFY2(!xml.isEmpty(), "LibreOffice did not convert the document");
        const FlatOdt odt(xml);
        QCOMPARE(odt.paragraphs.size(), doc.lines().size());
        QCOMPARE(odt.paragraphs.at(0).text,
                 QStringLiteral("Техническое задание к программе \"") + title + u'"');
        for (qsizetype i = 0; i < doc.lines().size(); ++i) {
            const tz::DocLine& line = doc.lines().at(i);
            const Paragraph& p = odt.paragraphs.at(i);
            const QByteArray where = "paragraph " + QByteArray::number(i);
            QVERIFY2(p.text == line.text, where + ": " + p.text.toUtf8());
            for (const Props& run : p.runs) {
                QVERIFY2(run.font == u"Times New Roman", where + ": " + run.font.toUtf8());
                QVERIFY2(run.size == QStringLiteral("%1pt").arg(line.attributes.sizePt),
                         where + ": " + run.size.toUtf8());
                QVERIFY2((run.weight == u"bold") == line.attributes.bold,
                         where + ": " + run.weight.toUtf8());
                QVERIFY2(run.colour == u"#000000", where + ": " + run.colour.toUtf8());
            }
        }
        QVERIFY(doc.lines().at(0).attributes.bold && !doc.lines().at(4).attributes.bold);
    }
};

QTEST_GUILESS_MAIN(LibreOfficeTest)
#include "libreoffice_test.moc"
