#include "docgen/docformat.h"
#include "docgen/docwriter.h"
#include "docgen/extendedcontent.h"
#include "docgen/extendeddocument.h"
#include "docgen/pagination.h"
#include "docgen/projectexport.h"
#include "project/codec1251.h"
#include "project/projectfile.h"
#include "project/standardlists.h"

#include <QFile>
#include <QHash>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// What LibreOffice Writer shows of a paragraph: its text and the character attributes of
// each piece of it (of the paragraph itself when it is empty).
struct Shown {
    QString text;
    QStringList attributes; // "font size weight colour underline"
};

// The character properties a style sets itself, and the style it takes the others from.
struct StyleProperties {
    QString parent;
    QStringList values{5}; // font, size, weight, colour, underline; empty where none is set
};

// The properties in effect under a style: its own, then its parents', then those of the
// paragraph style the text stands in (for a span), then the defaults of paragraphs.
QString effective(const QHash<QString, StyleProperties>& styles, QString name,
                  const QString& paragraphStyle = {}) {
    QStringList values(5);
    const auto take = [&](QString style) {
        for (int guard = 0; guard < 20 && styles.contains(style); ++guard) {
            const StyleProperties& p = styles.value(style);
            for (int k = 0; k < 5; ++k) {
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
    if (values[4].isEmpty())
        values[4] = QStringLiteral("none");
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
                                            attr("fo:font-weight"), attr("fo:color"),
                                            attr("style:text-underline-style")};
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

// A word on a page of a PDF and where pdftotext finds it, in points from the top left corner.
struct Word {
    double xMin = 0, xMax = 0, yMin = 0;
    QString text;
};

// What the pagination lays out on each page: the number it shows and its first line.
class LaidPages : public tz::PageSink {
public:
    struct Page {
        int shown = 0;
        QString first;
    };
    QList<Page> pages;

    void beginPage(int shownNumber) override { pages.append(Page{shownNumber, {}}); }
    void line(const tz::LaidLine& l) override {
        if (pages.last().first.isEmpty())
            pages.last().first = l.text.toString().simplified();
    }
};

// A paragraph of as many lines at the width, one word of the letter a line.
QString textOfLines(int count, QChar letter, qreal width) {
    const tz::ParaFormat f = tz::columnFormat();
    QString word(1, letter);
    while (tz::textWidth(word, f) < width * 0.6)
        word += letter;
    return QStringList(count, word).join(u' ');
}

// A sheet of the text whose filler lines leave room for so many 14-point lines (a page holds
// 52), then the blocks.
tz::Sheet sheetLeaving(int room, const QList<tz::Block>& blocks) {
    QStringList filler;
    for (int i = 0; i < 52 - room; ++i)
        filler.append(QStringLiteral("строка %1").arg(i + 1));
    return {tz::SheetKind::Text, QList<tz::Block>{tz::lines(filler.join(u'\n'))} + blocks};
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

    // The words of each page of a PDF, as pdftotext reads them.
    static QList<QList<Word>> wordPages(const QString& pdf) {
        const QString boxes =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        const QRegularExpression word(QStringLiteral(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)<)re"));
        QList<QList<Word>> pages;
        for (const QString& page : boxes.split(QStringLiteral("<page ")).mid(1)) {
            pages.append(QList<Word>());
            for (const QRegularExpressionMatch& m : word.globalMatch(page))
                pages.last().append({m.captured(1).toDouble(), m.captured(3).toDouble(),
                                     m.captured(2).toDouble(), m.captured(4)});
        }
        return pages;
    }

    // The document's inputs as the export reads them from the project.
    static tz::DocumentInputs exampleInputs(const QString& path) {
        const QStringList text = tz::parseProjectBytes(fileBytes(path));
        tz::DocumentInputs inputs = tz::documentInputsOf(text, true);
        tz::addExtendedDefaults(inputs.values, text);
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
                 QStringLiteral("Times New Roman 20pt bold #000000 none"));
        for (qsizetype i = 0; i < doc.lines().size(); ++i) {
            const tz::DocLine& line = doc.lines().at(i);
            const QString expected = QStringLiteral("Times New Roman %1pt %2 #000000 none")
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

    // Where a paragraph meets a page's foot, LibreOffice breaks each format where the
    // pagination does, and so where the PDF and the contents do: two lines at least of a
    // paragraph on each side of the break, a heading with two lines of its paragraph, and the
    // columns of a table's row running on line by line.
    void pagesBreakWhereThePaginationBreaksThem_data() {
        QTest::addColumn<QString>("format");
        for (const char* format : {"rtf", "docx", "odt"})
            QTest::newRow(format) << QString::fromLatin1(format);
    }

    void pagesBreakWhereThePaginationBreaksThem() {
        QFETCH(QString, format);
        const qreal full = tz::page::kTextWidth;
        tz::Block columns;
        columns.kind = tz::BlockKind::Columns;
        columns.left = {textOfLines(4, u'ж', tz::page::kColumnWidth)};
        tz::DocModel model;
        model.sheets = {
            sheetLeaving(1, {tz::paragraph(textOfLines(4, u'а', full))}),
            sheetLeaving(3, {tz::paragraph(textOfLines(4, u'б', full))}),
            sheetLeaving(2, {tz::paragraph(textOfLines(3, u'в', full))}),
            sheetLeaving(4, {tz::heading(3, QStringLiteral("г")),
                             tz::paragraph(textOfLines(4, u'г', full))}),
            sheetLeaving(1, {columns}),
        };
        QStringList laid;
        class Sink : public tz::PageSink {
        public:
            QStringList& pages;
            explicit Sink(QStringList& p) : pages(p) {}
            void beginPage(int) override { pages.append(QString()); }
            void line(const tz::LaidLine& l) override {
                if (!l.text.isEmpty())
                    pages.last() += l.text.toString() + u'\n';
            }
        } sink(laid);
        const tz::Pagination pages = tz::paginate(model, {}, &sink);
        QTemporaryDir dir;
        const QString document = dir.filePath(QStringLiteral("breaks.") + format);
        QFile file(document);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(tz::formatRow(*tz::docFormatNamed(format)).writeModel(model, pages, file));
        file.close();
        convert(document, dir.filePath(QStringLiteral("out")), QStringLiteral("pdf"));
        QStringList read = textPages(dir.filePath(QStringLiteral("out/breaks.pdf")));
        // Each page as the pagination has it: without its number, a line each line.
        for (QString& page : read) {
            QStringList lines = page.split(u'\n', Qt::SkipEmptyParts);
            lines.removeFirst();
            page = lines.join(u'\n') + u'\n';
        }
        QCOMPARE(read, laid);
    }

    // The contents are read in the text's colour, not underlined like links on the web.
    void theContentsReadInTheTextsColour_data() {
        QTest::addColumn<QString>("format");
        for (const char* format : {"rtf", "docx", "odt"})
            QTest::newRow(format) << QString::fromLatin1(format);
    }

    void theContentsReadInTheTextsColour() {
        QFETCH(QString, format);
        QTemporaryDir dir;
        const QString document = dir.filePath(QStringLiteral("example.") + format);
        QCOMPARE(tz::exportDocument(qEnvironmentVariable("TZ_TEST_SOURCE_DIR") +
                                        QStringLiteral("/examples/servicecenter.tz"),
                                    document, QString(), {true}),
                 QString());
        int entries = 0;
        for (const Shown& shown :
             paragraphsOf(convert(document, dir.filePath(QStringLiteral("out"))))) {
            if (!shown.text.contains(QRegularExpression(QStringLiteral("^\\d.*\\t\\d+$"))))
                continue;
            ++entries;
            // Black or the automatic colour, which is black on a white page.
            for (const QString& attributes : shown.attributes) {
                const QStringList values = attributes.split(u' ');
                QVERIFY2(values.constLast() == u"none" &&
                             (values.at(values.size() - 2).isEmpty() ||
                              values.at(values.size() - 2) == u"#000000"),
                         qPrintable(shown.text + QStringLiteral(": ") + attributes));
            }
        }
        QVERIFY2(entries > 10, qPrintable(QString::number(entries)));
    }

    // What a reader of each format finds in an extended example, opened in LibreOffice and
    // printed to PDF: A4 pages, each beginning with the line the pagination begins it with;
    // no number on the approval and title sheets, then the page's number at its top, centred
    // over the text; every contents entry on the page it names, its number at the text's
    // right edge; no heading at a page's foot; the number of sheets on the title sheet; every
    // line of the purpose and of a description a paragraph of its own. Values too long for
    // the approval and title sheets run on to more pages, which the numbers count but for the
    // approval sheet's.
    void theExtendedExampleReadsTheSameInEveryFormat_data() {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("format");
        const QString source = qEnvironmentVariable("TZ_TEST_SOURCE_DIR");
        for (const char* format : {"pdf", "rtf", "doc", "docx", "odt", "html"})
            QTest::newRow(format) << source + QStringLiteral("/examples/servicecenter.tz")
                                  << QString::fromLatin1(format);
        for (const char* format : {"pdf", "rtf", "docx", "odt"})
            QTest::addRow("long values, %s", format)
                << source + QStringLiteral("/tests/docgen/data/longvalues.tz")
                << QString::fromLatin1(format);
    }

    void theExtendedExampleReadsTheSameInEveryFormat() {
        QFETCH(QString, example);
        QFETCH(QString, format);
        const bool serviceCenter = example.endsWith(QLatin1String("/servicecenter.tz"));
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
        const QList<QList<Word>> words = wordPages(pdf);
        const tz::DocumentInputs inputs = exampleInputs(example);
        const tz::DocModel model = tz::extendedDocument(inputs);
        const QList<const tz::Block*> headings = tz::headingsOf(model);
        const tz::Pagination numbers = tz::paginate(model);
        LaidPages laid;
        tz::paginate(model, numbers, &laid);
        QCOMPARE(pages.size(), laid.pages.size());
        QCOMPARE(words.size(), pages.size());
        const double left = tz::page::mm(tz::page::kLeftMm);
        const double right = left + tz::page::kTextWidth;
        QList<int> pageOfNumber; // the page that shows each number
        for (qsizetype p = 0; p < pages.size(); ++p) {
            QStringList lines = pages.at(p).split(u'\n', Qt::SkipEmptyParts);
            QVERIFY(!lines.isEmpty());
            const int shown = laid.pages.at(p).shown;
            if (shown == 0) {
                QVERIFY2(lines.constFirst().toInt() == 0, qPrintable(lines.constFirst()));
            } else {
                QCOMPARE(lines.takeFirst(), QString::number(shown));
                const Word& number = words.at(p).constFirst();
                QVERIFY2(qAbs((number.xMin + number.xMax) / 2 - (left + right) / 2) < 1,
                         qPrintable(QStringLiteral("page %1: number at %2 to %3 pt")
                                        .arg(p)
                                        .arg(number.xMin)
                                        .arg(number.xMax)));
                pageOfNumber.resize(shown + 1, -1);
                pageOfNumber[shown] = int(p);
            }
            QVERIFY2(lines.value(0).replace(QChar(0x2011), u'-').startsWith(laid.pages.at(p).first),
                     qPrintable(QStringLiteral("page %1 begins with %2, not %3")
                                    .arg(p)
                                    .arg(lines.value(0), laid.pages.at(p).first)));
            for (const tz::Block* h : headings)
                QVERIFY2(lines.constLast() != h->text,
                         qPrintable(QStringLiteral("page %1 ends with %2").arg(p).arg(h->text)));
        }
        // The approval sheet's pages, then the title sheet's up to the contents.
        const qsizetype approvalPages = pages.size() - numbers.sheets;
        const qsizetype contentsPage =
            std::find_if(laid.pages.begin(), laid.pages.end(),
                         [](const LaidPages::Page& page) { return page.shown > 0; }) -
            laid.pages.begin();
        QVERIFY(contentsPage > approvalPages && contentsPage < pages.size());
        for (qsizetype h = 0; h < headings.size(); ++h) {
            const int shown = numbers.headingPages.at(h);
            const QStringList lines = pages.value(pageOfNumber.value(shown, -1)).split(u'\n');
            QVERIFY2(lines.contains(headings.at(h)->text),
                     qPrintable(
                         QStringLiteral("%1 not on page %2").arg(headings.at(h)->text).arg(shown)));
            QVERIFY2(
                pages.at(contentsPage)
                    .contains(QRegularExpression(QRegularExpression::escape(headings.at(h)->text) +
                                                 QStringLiteral("[ .]*%1\\n").arg(shown))),
                qPrintable(headings.at(h)->text));
        }
        // The contents' numbers end at the text's right edge, whatever the entry's level: the
        // last word of each line that ends with a number.
        QMap<int, Word> lineEnds;
        for (const Word& word : words.at(contentsPage).mid(1)) {
            Word& end = lineEnds[qRound(word.yMin)];
            if (word.xMax > end.xMax)
                end = word;
        }
        for (const Word& end : std::as_const(lineEnds)) {
            if (end.text.back().isDigit())
                QVERIFY2(
                    qAbs(end.xMax - right) < 1,
                    qPrintable(QStringLiteral("%1 ends at %2 pt").arg(end.text).arg(end.xMax)));
        }
        // The title sheet counts every sheet but the approval sheet's.
        QVERIFY2(pages.mid(approvalPages, contentsPage - approvalPages)
                     .join(u'\n')
                     .contains(QStringLiteral("Листов %1").arg(numbers.sheets)),
                 qPrintable(pages.at(approvalPages)));
        // Nothing of the approval sheet's values is cut.
        const QString approval = pages.mid(0, approvalPages).join(u' ').simplified();
        const tz::ProjectValues& v = inputs.values;
        for (const QString& value : {v.customer, v.agreedPosition, v.agreedName, v.approvedPosition,
                                     v.approvedName, v.executor})
            QVERIFY2(approval.contains(value.simplified().section(u' ', -1)), qPrintable(value));
        if (!serviceCenter)
            return;
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
