#include "pages/step2.h"
#include "pages/step7.h"
#include "project/codec1251.h"
#include "wizardfixture.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The program itself, without a display and with its own XDG folders; the child's setup runs
// in the new process before the program starts.
Run runProgram(const QStringList& arguments, const QString& xdgRoot,
               const std::function<void()>& childSetup = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("XDG_DATA_HOME"), xdgRoot + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), xdgRoot + QStringLiteral("/config"));
    QProcess process;
    process.setProcessEnvironment(env);
    if (childSetup)
        process.setChildProcessModifier(childSetup);
    process.start(QStringLiteral(TZWIZARD_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A project; the menu lines go after the company's name.
QByteArray projectWith(const QString& title, const QStringList& description,
                       const QStringList& menu = {}) {
    QStringList lines = {QStringLiteral("##################################################"),
                         QString(),
                         QStringLiteral(".ProjectUID"),
                         QStringLiteral("20260108123456654321"),
                         QStringLiteral(".Title"),
                         QStringLiteral("Прежнее название"),
                         title,
                         QStringLiteral(".Description")};
    lines += description;
    lines += {QStringLiteral(".CompanyName"), QStringLiteral("ООО Ромашка")};
    lines += menu;
    lines += {QStringLiteral(".NewTitle"), QStringLiteral(".Finish")};
    return projectBytes(lines);
}

QString examplePath(const char* name) {
    return qEnvironmentVariable("TZ_TEST_SOURCE_DIR") + QStringLiteral("/examples/") +
           QLatin1String(name);
}

// The text of a PDF page by page, in the order of its content, as pdftotext reads it; empty
// when it cannot be read.
QStringList pdfPages(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-raw"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    pages.removeAll(QString());
    return pages;
}

bool isOneRussianLine(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[А-Яа-яЁё]"));
    return text.endsWith(u'\n') && text.count(u'\n') == 1 && text.contains(cyrillic);
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theWindowAndTheCommandLineWriteTheSameBytes_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("description");
        QTest::addColumn<QStringList>("menu");
        QTest::addColumn<bool>("extended");
        QTest::newRow("markup and several lines")
            << QStringLiteral("Калькулятор <Про> & \"Ко\" \\ {x}")
            << QStringList{QStringLiteral("Складывает {a} и \\b"), QString(),
                           QStringLiteral("  <script>alert(\"&\")</script>")}
            << QStringList() << false;
        QTest::newRow("empty purpose")
            << QStringLiteral("Учёт") << QStringList{QString()} << QStringList() << false;
        QTest::newRow("extended, with a menu tree")
            << QStringLiteral("Учёт") << QStringList{QStringLiteral("Склад")}
            << QStringList{".CompanyPhone",
                           "123",
                           ".Structure",
                           "0:Главное Меню Программы",
                           "1:10000002",
                           "2:10000001",
                           ".Menu",
                           ".u",
                           "10000001",
                           ".c",
                           "Приход <товара>",
                           ".d",
                           "",
                           ".l",
                           "0",
                           ".u",
                           "10000002",
                           ".c",
                           "Документы",
                           ".d",
                           "Накладные",
                           "и акты",
                           ".l",
                           "0"}
            << true;
    }

    void theWindowAndTheCommandLineWriteTheSameBytes() {
        QFETCH(QString, title);
        QFETCH(QStringList, description);
        QFETCH(QStringList, menu);
        QFETCH(bool, extended);
        QTemporaryDir dir;
        const QString project = dir.filePath(QStringLiteral("Проект.tz"));
        writeFileBytes(project, projectWith(title, description, menu));
        const QStringList mode =
            extended ? QStringList{QStringLiteral("--extended")} : QStringList();

        WizardFixture f(mode + QStringList{project});
        f.start();
        Windows& w = f.w();
        QCOMPARE(w.step2->PrTitle->text(), title);
        w.step2->hide();
        w.step7->show();
        const struct {
            QRadioButton* choice;
            const char* suffix;
        } formats[] = {
            {w.step7->selectHTML, "HTM"}, {w.step7->selectRTF, "rtf"}, {w.step7->selectDOC, "doc"}};
        for (const auto& format : formats) {
            const QString fromWindow = dir.filePath(QStringLiteral("window.") + format.suffix);
            const QString fromCli = dir.filePath(QStringLiteral("cli.") + format.suffix);
            f.seam.fileAnswers = {fromWindow};
            format.choice->setChecked(true);
            QTest::mouseClick(w.step7->btnNext, Qt::LeftButton);
            const Run run = runProgram(
                QStringList{QStringLiteral("export"), project, fromCli} + mode, dir.path());
            QCOMPARE(run.status, 0);
            QCOMPARE(run.err, QString());
            const QByteArray bytes = readFileBytes(fromCli);
            QVERIFY(!bytes.isEmpty());
            QCOMPARE(bytes, readFileBytes(fromWindow));
            QCOMPARE(bytes.contains("2.1.1. "), extended);
        }
        QVERIFY(f.seam.messages.isEmpty());
    }

    // Set with fonts, without a display too; the reader gets the text in order, and the
    // pages after the approval and title sheets their numbers.
    void pdfAndOdtComeFromTheCommandLineWithoutADisplay() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("документ.pdf"));
        const Run run = runProgram({QStringLiteral("export"), QStringLiteral("--extended"),
                                    examplePath("servicecenter.tz"), pdf},
                                   dir.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        const QStringList pages = pdfPages(pdf);
        QVERIFY2(pages.size() > 3, "pdftotext (poppler-utils) reads the pages");
        // Long lines wrap on the page, also after a hyphen: the text is compared without its
        // white space.
        const QRegularExpression space(QStringLiteral("\\s+"));
        QString text;
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const QString first = pages.at(i).section(u'\n', 0, 0);
            if (i < 2)
                QVERIFY2(first.toInt() == 0, qPrintable(first));
            else
                QCOMPARE(first, QString::number(i));
            text += pages.at(i).section(u'\n', i < 2 ? 0 : 1).remove(space);
        }
        qsizetype at = 0;
        for (const char* expected :
             {"СОГЛАСОВАНО", "УЧЁТ ЗАЯВОК СЕРВИСНОГО ЦЕНТРА «РЕМОНТ-ПЛЮС»", "ЛИСТ УТВЕРЖДЕНИЯ",
              "УТВЕРЖДЕН", "СОДЕРЖАНИЕ", "1.1. Наименование программы",
              "Исполнитель: ООО «Сервис-Софт».",
              "Ответственный за внедрение — заместитель директора Орлов П. С.",
              "2.1.1. Заявки Приём, учёт и закрытие заявок на ремонт",
              "2.1.1.2.2. Выданные клиенту", "2.1.5. О программе 2.2. Требования к надежности",
              "акт приемки-сдачи программы в эксплуатацию."}) {
            const qsizetype found = text.indexOf(QString::fromUtf8(expected).remove(space), at);
            QVERIFY2(found >= 0, expected);
            at = found;
        }

        const QString odt = dir.filePath(QStringLiteral("документ.txt"));
        QCOMPARE(runProgram({QStringLiteral("export"), examplePath("servicecenter.tz"), odt,
                             QStringLiteral("--format"), QStringLiteral("odt")},
                            dir.path())
                     .status,
                 0);
        // An ODF package: a ZIP archive whose first member is the uncompressed "mimetype".
        const QByteArray package = readFileBytes(odt);
        QVERIFY(package.startsWith("PK\3\4"));
        QCOMPARE(package.mid(30, 47),
                 QByteArray("mimetypeapplication/vnd.oasis.opendocument.text"));
    }

    void exportNeverTouchesTheProjectNorRegistersAnything() {
        QTemporaryDir dir;
        const QString project = dir.filePath(QStringLiteral("p.tz"));
        const QByteArray bytes = projectWith(QStringLiteral("Т"), {QStringLiteral("Д")});
        writeFileBytes(project, bytes);
        const QDateTime modified = QFileInfo(project).lastModified();
        const QString out = dir.filePath(QStringLiteral("out.txt"));
        const Run run = runProgram(
            {QStringLiteral("export"), QStringLiteral("--format=rtf"), project, out}, dir.path());
        QCOMPARE(run.status, 0);
        QVERIFY(readFileBytes(out).startsWith("{\\rtf1"));
        QCOMPARE(readFileBytes(project), bytes);
        QCOMPARE(QFileInfo(project).lastModified(), modified);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("out.txt"), QStringLiteral("p.tz")}));
    }

    void badInputGetsOneRussianLineAndAFailingStatus_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("missing project")
            << QStringList{"export", "@/missing.tz", "@/o.html"} << 1 << "@/missing.tz";
        QTest::newRow("not a project") << QStringList{"export", "@/notes.txt", "@/o.html"} << 1
                                       << "не является техническим заданием";
        QTest::newRow("unknown format")
            << QStringList{"export", "@/p.tz", "@/o.html", "--format", "txt"} << 1 << "txt";
        QTest::newRow("format not in the name")
            << QStringList{"export", "@/p.tz", "@/o.txt"} << 1 << "--format";
        QTest::newRow("unwritable output")
            << QStringList{"export", "@/p.tz", "@/no/such/o.html"} << 1 << "@/no/such/o.html";
        QTest::newRow("output is the project")
            << QStringList{"export", "@/p.tz", "@/p.tz", "--format", "html"} << 1 << "@/p.tz";
        // As a bind mount or another letter case on FAT would name it.
        QTest::newRow("output is the project under another name")
            << QStringList{"export", "@/p.tz", "@/link.html"} << 1 << "@/p.tz";
        QTest::newRow("project of 100 GB")
            << QStringList{"export", "@/huge.tz", "@/o.html"} << 1 << "слишком велик";
        QTest::newRow("missing output") << QStringList{"export", "@/p.tz"} << 2 << "ДОКУМЕНТ";
        QTest::newRow("unknown option")
            << QStringList{"export", "@/p.tz", "@/o.html", "--fast"} << 2 << "--fast";
    }

    // A title of one line longer than a page (a pasted text) is laid out in the PDF over as
    // many lines and pages as it takes, in both modes.
    void aTitleLongerThanAPageMakesAPdf() {
        QTemporaryDir dir;
        writeFileBytes(dir.filePath(QStringLiteral("long.tz")),
                       projectWith(QString(300'000, u'я'), {QStringLiteral("Д")}));
        for (const char* mode : {"", "--extended"}) {
            QStringList arguments{QStringLiteral("export"), dir.filePath(QStringLiteral("long.tz")),
                                  dir.filePath(QStringLiteral("o.pdf"))};
            if (*mode)
                arguments.append(QString::fromLatin1(mode));
            const Run run = runProgram(arguments, dir.path());
            QCOMPARE(run.status, 0);
            QVERIFY(readFileBytes(dir.filePath(QStringLiteral("o.pdf"))).startsWith("%PDF"));
        }
    }

    void badInputGetsOneRussianLineAndAFailingStatus() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, mentions);
        QTemporaryDir dir;
        const QByteArray project = projectWith(QStringLiteral("Т"), {QStringLiteral("Д")});
        writeFileBytes(dir.filePath(QStringLiteral("p.tz")), project);
        writeFileBytes(dir.filePath(QStringLiteral("notes.txt")), "just notes\r\n");
        QCOMPARE(::link(QFile::encodeName(dir.filePath(QStringLiteral("p.tz"))).constData(),
                        QFile::encodeName(dir.filePath(QStringLiteral("link.html"))).constData()),
                 0);
        if (arguments.contains(QStringLiteral("@/huge.tz"))) {
            QFile huge(dir.filePath(QStringLiteral("huge.tz")));
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(qint64(100) << 30));
        }
        arguments.replaceInStrings(QStringLiteral("@"), dir.path());
        const Run run = runProgram(arguments, dir.path());
        QCOMPARE(run.status, status);
        QVERIFY2(isOneRussianLine(run.err), qPrintable(run.err));
        QVERIFY2(run.err.contains(mentions.replace(u'@', dir.path())), qPrintable(run.err));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("o.html"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("o.pdf"))));
        QCOMPARE(readFileBytes(dir.filePath(QStringLiteral("p.tz"))), project);
    }

    // Under "ulimit -f" a document beyond the limit is not written, as on a full disk.
    void aFileSizeLimitFailsTheExportWithItsMessage() {
        QTemporaryDir dir;
        const QString project = dir.filePath(QStringLiteral("p.tz"));
        writeFileBytes(project, projectWith(QStringLiteral("Т"), {QStringLiteral("Д")}));
        const QString out = dir.filePath(QStringLiteral("o.html"));
        const Run run = runProgram({QStringLiteral("export"), project, out}, dir.path(), [] {
            // As a shell leaves it: the signal's own action and a limit of 1 KiB.
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{1024, 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
        QCOMPARE(run.status, 1);
        QVERIFY2(isOneRussianLine(run.err), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("Не удается сохранить документ в файл ") + out),
                 qPrintable(run.err));
        QVERIFY(!QFile::exists(out));
    }

    void helpNamesTheExportCommand() {
        QTemporaryDir dir;
        const Run run = runProgram({QStringLiteral("--help")}, dir.path());
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains(QStringLiteral("tzwizard export ПРОЕКТ.tz ДОКУМЕНТ")));
        QVERIFY(run.out.contains(QStringLiteral("tzwizard --extended [ПРОЕКТ.tz]")));
    }
};

QTEST_MAIN(CliTest)
#include "cli_test.moc"
