#include "docgen/docformat.h"
#include "docgen/docwriter.h"
#include "docgen/extendedcontent.h"
#include "docgen/extendeddocument.h"
#include "docgen/projectexport.h"
#include "project/codec1251.h"
#include "project/projectfile.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
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

// The character properties a style sets itself, and the style it takes the others from.
struct StyleProperties {
    QString parent;
    QStringList values{4}; // font, size, weight, colour; empty where the style sets none
};

// The properties in effect under a style: its own, then its parents', then those of the
// paragraph style the text stands in (for a span), then the defaults of paragraphs.
QString effective(const QHash<QString, StyleProperties>& styles, QString name,
                  const QString& paragraphStyle = {}) {
    QStringList values(4);
    const auto take = [&](QString style) {
        for (int guard = 0; guard < 20 && styles.contains(style); ++guard) {
            const StyleProperties& p = styles.value(style);
            for (int k = 0; k < 4; ++k) {
                if (values[k].isEmpty())
                    values[k] = p.values[k];
            }
            if (p.parent.isEmpty() || p.parent == style)
                break;
            style = p.parent;
        }
    };
    take(name);
    if (!paragraphStyle.isEmpty())
        take(paragraphStyle);
    take(QStringLiteral("<default>"));
    if (values[2].isEmpty())
        values[2] = QStringLiteral("normal");
    return values.join(u' ');
}

// The paragraphs of a flat ODT file's body with the character attributes in effect for each
// piece of text, or for the paragraph itself when it is empty.
QList<Shown> paragraphsOf(const QByteArray& xml) {
    QHash<QString, StyleProperties> styles;
    QList<Shown> paragraphs;
    QStringList spanStyles; // innermost last, while inside a paragraph
    QString styleName;
    bool inBody = false;
    QXmlStreamReader r(xml);
    const auto attr = [&r](const char* name) {
        return r.attributes().value(QLatin1String(name)).toString();
    };
    const auto addText = [&](const QString& text) {
        paragraphs.last().text += text;
        paragraphs.last().attributes.append(
            effective(styles, spanStyles.constLast(), spanStyles.constFirst()));
    };
    while (!r.atEnd()) {
        r.readNext();
        const QStringView name = r.qualifiedName();
        if (r.isStartElement()) {
            if (name == u"style:style") {
                styleName = attr("style:name");
                styles[styleName].parent = attr("style:parent-style-name");
            } else if (name == u"style:default-style") {
                styleName =
                    attr("style:family") == u"paragraph" ? QStringLiteral("<default>") : QString();
            } else if (name == u"style:text-properties" && !styleName.isEmpty()) {
                styles[styleName].values = {attr("style:font-name"), attr("fo:font-size"),
                                            attr("fo:font-weight"), attr("fo:color")};
            } else if (name == u"office:body") {
                inBody = true;
            } else if (inBody && (name == u"text:p" || name == u"text:h")) {
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
                paragraphs.last().attributes.append(effective(styles, own));
        } else if (r.isCharacters() && !spanStyles.isEmpty()) {
            addText(r.text().toString());
        }
    }
    return paragraphs;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A length of the flat file ("21cm", "8.2681in") in millimetres.
double millimetres(QStringView length) {
    for (const auto& [unit, factor] : {std::pair{u"mm", 1.0}, {u"cm", 10.0}, {u"in", 25.4}}) {
        if (length.endsWith(unit))
            return length.chopped(2).toDouble() * factor;
    }
    return 0;
}

// The page as the flat file's page style has it, and whether its header holds the page number.
struct Page {
    double widthMm = 0, heightMm = 0;
    bool numberInHeader = false;
};

Page pageOf(const QByteArray& xml) {
    Page page;
    bool inHeader = false;
    QXmlStreamReader r(xml);
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.qualifiedName() == u"style:page-layout-properties") {
            page.widthMm = millimetres(r.attributes().value(QLatin1String("fo:page-width")));
            page.heightMm = millimetres(r.attributes().value(QLatin1String("fo:page-height")));
        } else if (r.qualifiedName() == u"style:header") {
            inHeader = r.isStartElement();
        } else if (inHeader && r.isStartElement() && r.qualifiedName() == u"text:page-number") {
            page.numberInHeader = true;
        }
    }
    return page;
}

} // namespace

// The documents read back by a real word processor.
class LibreOfficeTest : public QObject {
    Q_OBJECT

    QString m_soffice;

    // Converts with a profile of its own (two conversions sharing a profile fail without a
    // word) and returns the converted file's bytes.
    QByteArray convert(const QString& path, const QString& outDir,
                       const QString& to = QStringLiteral("fodt")) {
        QTemporaryDir profile;
        QProcess soffice;
        soffice.start(m_soffice, {QStringLiteral("-env:UserInstallation=file://") + profile.path(),
                                  QStringLiteral("--headless"), QStringLiteral("--convert-to"), to,
                                  QStringLiteral("--outdir"), outDir, path});
        if (!soffice.waitForFinished(120000))
            return {};
        return fileBytes(outDir + u'/' + QFileInfo(path).completeBaseName() + u'.' + to);
    }

    // What a program prints, as UTF-8.
    static QString run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(60000))
            return {};
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The text of each page of a PDF, as pdftotext reads it.
    static QStringList textPages(const QString& pdf) {
        QStringList pages =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                .split(u'\f');
        if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
            pages.removeLast();
        for (QString& page : pages) {
            // Lines as their paragraphs hold them: the layout's indents and gaps left out.
            QStringList lines = page.split(u'\n');
            for (QString& line : lines)
                line = line.simplified();
            page = lines.join(u'\n');
        }
        return pages;
    }

    static tz::DocumentInputs exampleInputs(const QString& path) {
        const QStringList text = tz::parseProjectBytes(fileBytes(path));
        tz::DocumentInputs inputs = tz::documentInputsOf(text, true);
        tz::addExtendedInputs(inputs, text);
        return inputs;
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
        QTest::newRow("markup, several lines, as ODT")
            << QStringLiteral("Калькулятор <Про> & \"Ко\" \\ {x} Ω")
            << QStringLiteral("Складывает {a} и \\b\r\n\r\n  <script>\"&\"</script> ёЁ—«»")
            << QStringLiteral("odt");
    }

    void everyLineIsAParagraphWithItsAttributes() {
        QFETCH(QString, title);
        QFETCH(QString, description);
        QFETCH(QString, format);
        QTemporaryDir dir;
        const tz::DocumentInputs inputs{{title, description}, QStringLiteral("1")};
        const tz::DocFormat id = *tz::docFormatNamed(format);
        const QByteArray bytes = tz::documentBytes(id, inputs);
        tz::DocBuffer doc;
        tz::BuildDocument(doc, tz::formatRow(id).docMode, inputs);
        const QString path = dir.filePath(QStringLiteral("document.") + format);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        const QByteArray flat = convert(path, dir.filePath(QStringLiteral("out")));
        const QList<Shown> shown = paragraphsOf(flat);
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
        if (format == QLatin1String("odt")) {
            const Page page = pageOf(flat);
            QVERIFY2(qAbs(page.widthMm - 210) < 0.1 && qAbs(page.heightMm - 297) < 0.1,
                     qPrintable(QStringLiteral("%1 x %2 mm").arg(page.widthMm).arg(page.heightMm)));
            QVERIFY(page.numberInHeader);
        }
    }

    // What a reader of each format finds in the extended example, opened in LibreOffice and
    // printed to PDF: A4 pages; no number on the approval and title sheets, then the page's
    // number at its top; every contents entry on the page it names; no heading at a page's
    // foot; the number of sheets on the title sheet; every line of the purpose and of a
    // description a paragraph of its own.
    void theExtendedExampleReadsTheSameInEveryFormat_data() {
        QTest::addColumn<QString>("format");
        for (const char* format : {"pdf", "rtf", "doc", "docx", "odt", "html"})
            QTest::newRow(format) << QString::fromLatin1(format);
    }

    void theExtendedExampleReadsTheSameInEveryFormat() {
        QFETCH(QString, format);
        const QString example = qEnvironmentVariable("TZ_TEST_SOURCE_DIR") +
                                QStringLiteral("/examples/servicecenter.tz");
        QTemporaryDir dir;
        const QString document = dir.filePath(QStringLiteral("example.") + format);
        QCOMPARE(tz::exportDocument(example, document, QString(), {true}), QString());
        QString pdf = document;
        if (format != QLatin1String("pdf")) {
            pdf = dir.filePath(QStringLiteral("out/example.pdf"));
            convert(document, dir.filePath(QStringLiteral("out")), QStringLiteral("pdf"));
        }
        if (format == QLatin1String("html")) {
            // Not paged: the sheets follow each other, the contents link to the headings.
            const QString html = tz::decode1251(fileBytes(document));
            QVERIFY(html.contains(QStringLiteral("<a href=\"#h1\">1. Введение</a>")));
            QVERIFY(html.contains(QStringLiteral("<h1 id=\"h1\">1. Введение</h1>")));
            QVERIFY(html.contains(QRegularExpression(QStringLiteral(
                "<p[^>]*>Клиент, устройство, описание неисправности, срок ремонта</p>"))));
            QVERIFY(QFile::exists(pdf));
            return;
        }
        QVERIFY2(run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                 QStringLiteral("-l"), QStringLiteral("99"), pdf})
                     .contains(QRegularExpression(QStringLiteral("Page +1 size: +595.* x 84[12]"))),
                 "A4");
        const QStringList pages = textPages(pdf);
        QVERIFY2(pages.size() >= 6, qPrintable(QString::number(pages.size())));
        const tz::DocumentInputs inputs = exampleInputs(example);
        const tz::DocModel model = tz::extendedDocument(inputs);
        const QList<const tz::Block*> headings = tz::headingsOf(model);
        const tz::Pagination numbers = tz::paginate(model);
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const QStringList lines = pages.at(p).split(u'\n', Qt::SkipEmptyParts);
            QVERIFY(!lines.isEmpty());
            const QString top = lines.constFirst().trimmed();
            if (p < 2)
                QVERIFY2(top.toInt() == 0, qPrintable(top));
            else
                QCOMPARE(top, QString::number(p));
            for (const tz::Block* h : headings)
                QVERIFY2(lines.constLast().trimmed() != h->text,
                         qPrintable(QStringLiteral("page %1 ends with %2").arg(p).arg(h->text)));
        }
        for (qsizetype h = 0; h < headings.size(); ++h) {
            const int shown = numbers.headingPages.at(h);
            const QStringList lines = pages.value(shown).split(u'\n');
            QVERIFY2(lines.contains(headings.at(h)->text),
                     qPrintable(
                         QStringLiteral("%1 not on page %2").arg(headings.at(h)->text).arg(shown)));
            QVERIFY2(pages.at(2).contains(
                         QRegularExpression(QRegularExpression::escape(headings.at(h)->text) +
                                            QStringLiteral("[ .]*%1\\n").arg(shown))),
                     qPrintable(headings.at(h)->text));
        }
        // The title sheet counts every sheet but the approval sheet.
        QVERIFY2(pages.at(1).contains(QStringLiteral("Листов %1").arg(pages.size() - 1)),
                 qPrintable(pages.at(1)));
        const QString all = pages.join(u'\n');
        for (const char* paragraph :
             {"Программа ведёт заявки на ремонт бытовой техники от приёма устройства\n",
              "\nРуководитель видит загрузку мастеров и просроченные заявки.\n",
              "\nВыручка и загрузка мастеров за период,\n"})
            QVERIFY2(all.contains(QString::fromUtf8(paragraph)), paragraph);
        if (format == QLatin1String("docx")) {
            const QString styles =
                run(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-c"),
                     QStringLiteral("import docx,sys\n"
                                    "d=docx.Document(sys.argv[1])\n"
                                    "print(len(d.sections), round(d.sections[-1].page_width.mm),"
                                    " round(d.sections[-1].page_height.mm))\n"
                                    "for p in d.paragraphs:\n"
                                    " if p.style.name.startswith('Heading'):"
                                    " print(p.style.name+'|'+p.text)\n"),
                     document});
            QVERIFY2(styles.startsWith(QStringLiteral("3 210 297\n")), qPrintable(styles));
            for (const tz::Block* h : headings)
                QVERIFY2(
                    styles.contains(QStringLiteral("Heading %1|%2\n").arg(h->level).arg(h->text)),
                    qPrintable(h->text));
        }
    }
};

// The ODT is laid out with fonts, which takes a QGuiApplication.
QTEST_MAIN(LibreOfficeTest)
#include "libreoffice_test.moc"
