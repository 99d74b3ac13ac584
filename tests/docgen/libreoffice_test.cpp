#include "docgen/docformat.h"
#include "docgen/docwriter.h"
#include "docgen/pageddocument.h"
#include "docgen/projectexport.h"
#include "project/codec1251.h"

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

// The paragraphs of a flat ODT file's body; character attributes come from the automatic
// style of a span, or of the paragraph.
QList<Shown> paragraphsOf(const QByteArray& xml) {
    QHash<QString, QString> styles;
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
        paragraphs.last().attributes.append(styles.value(spanStyles.constLast()));
    };
    while (!r.atEnd()) {
        r.readNext();
        const QStringView name = r.qualifiedName();
        if (r.isStartElement()) {
            if (name == u"style:style" || name == u"style:default-style") {
                styleName = attr("style:name");
            } else if (name == u"style:text-properties") {
                // Without a weight of its own a span is not bold: no style here is.
                const QString weight = attr("fo:font-weight");
                styles.insert(styleName,
                              QStringList{attr("style:font-name"), attr("fo:font-size"),
                                          weight.isEmpty() ? QStringLiteral("normal") : weight,
                                          attr("fo:color")}
                                  .join(u' '));
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
                paragraphs.last().attributes.append(styles.value(own));
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

// The index of the first of the texts that is not found after the ones before it; -1 when
// all are found in order.
qsizetype firstMissing(const QStringList& lines, const QStringList& texts) {
    qsizetype from = 0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        from = lines.indexOf(texts.at(i), from);
        if (from < 0)
            return i;
        ++from;
    }
    return -1;
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

    QList<Shown> convertFile(const QString& path, QTemporaryDir& dir) {
        return paragraphsOf(convert(path, dir.filePath(QStringLiteral("out"))));
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
        tz::DocBuffer doc;
        const QByteArray bytes =
            tz::renderDocument(doc, *tz::docFormatNamed(format),
                               {{title, description}, QStringLiteral("1")}, tz::pagedDocumentBytes);
        tz::DocMode = tz::DocModeNone;
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
            // Qt's ODF writer writes one leading blank as a plain space, which readers drop,
            // and gives an empty paragraph no character style of its own.
            const bool odt = format == QLatin1String("odt");
            const bool oneLeadingBlank = line.text.startsWith(u' ') && !line.text.startsWith(u"  ");
            QVERIFY2(shown.at(i).text == (odt && oneLeadingBlank ? line.text.mid(1) : line.text),
                     where + shown.at(i).text.toUtf8());
            if (odt && line.text.isEmpty())
                continue;
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

    void theExtendedExampleListsItsCompanyAndItsMenu() {
        const QString example = qEnvironmentVariable("TZ_TEST_SOURCE_DIR") +
                                QStringLiteral("/examples/servicecenter.tz");
        const QStringList company = {
            "Наименование программы: \"Учёт заявок сервисного центра «Ремонт-Плюс»\"",
            "Правообладатель: ООО «Ремонт-Плюс»",
            "Сайт: http://remont-plus.example.org",
            "Электронная почта: service@remont-plus.example.org",
            "Телефон: +7 (495) 555-23-18",
            "Сервисный центр на три приёмных пункта, двенадцать мастеров.",
            "Ответственный за внедрение — заместитель директора Орлов П. С.",
            "1.2. Назначение и область применения"};
        const QStringList menu = {
            "Программа должна обеспечивать возможность выполнения перечисленных ниже функций:",
            "2.1.1. Заявки",
            "Приём, учёт и закрытие заявок на ремонт",
            "2.1.1.1. Новая заявка",
            "Клиент, устройство, описание неисправности, срок ремонта",
            "2.1.1.2. Журнал заявок",
            "Все заявки с отбором по состоянию, мастеру и дате приёма",
            "2.1.1.2.1. Открытые заявки",
            "Заявки в работе и ожидающие запчастей",
            "2.1.1.2.2. Выданные клиенту",
            "Закрытые заявки с актом выполненных работ",
            "2.1.2. Клиенты",
            "Карточки клиентов и история их обращений",
            "2.1.3. Склад запчастей",
            "Остатки, приход и списание запчастей по заявкам",
            "2.1.4. Отчёты",
            "Выручка и загрузка мастеров за период,",
            "просроченные заявки с разбивкой по месяцам",
            "2.1.5. О программе",
            "2.2. Требования к надежности"};
        QTemporaryDir dir;
        const tz::ExportOptions extended{true, tz::pagedDocumentBytes};
        const QString html = dir.filePath(QStringLiteral("example.html"));
        QCOMPARE(tz::exportDocument(example, html, QString(), extended), QString());
        const QStringList lines = tz::decode1251(fileBytes(html)).split(QStringLiteral("\r\n"));
        // Each company line and each item is a paragraph of its own; a description shares the
        // paragraph of its item, after a line break.
        const auto between = [&lines](const QString& from, const QString& to) {
            const qsizetype start = lines.indexOf(from);
            return lines.mid(start, lines.indexOf(to, start) - start + 1);
        };
        const QStringList shownCompany = between(company.constFirst(), company.constLast());
        QCOMPARE(shownCompany.count(QStringLiteral("<P>")), company.size() - 2);
        QCOMPARE(firstMissing(shownCompany, company), -1);
        const QStringList shownMenu = between(menu.constFirst(), menu.constLast());
        QCOMPARE(shownMenu.count(QStringLiteral("<P>")), 9);
        QCOMPARE(shownMenu.count(QStringLiteral("<BR>")), 8);
        QCOMPARE(firstMissing(shownMenu, menu), -1);

        const QString rtf = dir.filePath(QStringLiteral("example.rtf"));
        QCOMPARE(tz::exportDocument(example, rtf, QString(), extended), QString());
        QStringList paragraphs;
        for (const Shown& shown : convertFile(rtf, dir))
            paragraphs.append(shown.text);
        const auto rtfBetween = [&paragraphs](const QStringList& texts) {
            const qsizetype start = paragraphs.indexOf(texts.constFirst());
            return paragraphs.mid(start, paragraphs.indexOf(texts.constLast(), start) - start + 1);
        };
        // Body paragraphs follow each other directly; an empty line opens the next heading.
        const auto beforeHeading = [](const QStringList& texts) {
            return texts.mid(0, texts.size() - 1) + QStringList{QString(), texts.constLast()};
        };
        QCOMPARE(rtfBetween(company), beforeHeading(company));
        QCOMPARE(rtfBetween(menu), beforeHeading(menu));
    }
};

// The ODT is laid out with fonts, which takes a QGuiApplication.
QTEST_MAIN(LibreOfficeTest)
#include "libreoffice_test.moc"
