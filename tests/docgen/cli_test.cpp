#include "docgen/step7.h"
#include "pages/step2.h"
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

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The program itself, without a display and with its own XDG folders.
Run runProgram(const QStringList& arguments, const QString& xdgRoot) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("XDG_DATA_HOME"), xdgRoot + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), xdgRoot + QStringLiteral("/config"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TZWIZARD_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray projectWith(const QString& title, const QStringList& description) {
    QStringList lines = {QStringLiteral("##################################################"),
                         QString(),
                         QStringLiteral(".ProjectUID"),
                         QStringLiteral("20260108123456654321"),
                         QStringLiteral(".Title"),
                         QStringLiteral("Прежнее название"),
                         title,
                         QStringLiteral(".Description")};
    lines += description;
    lines += {QStringLiteral(".CompanyName"), QStringLiteral("ООО Ромашка"),
              QStringLiteral(".NewTitle"), QStringLiteral(".Finish")};
    return projectBytes(lines);
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
        QTest::newRow("markup and several lines")
            << QStringLiteral("Калькулятор <Про> & \"Ко\" \\ {x}")
            << QStringList{QStringLiteral("Складывает {a} и \\b"), QString(),
                           QStringLiteral("  <script>alert(\"&\")</script>")};
        QTest::newRow("empty purpose") << QStringLiteral("Учёт") << QStringList{QString()};
    }

    void theWindowAndTheCommandLineWriteTheSameBytes() {
        QFETCH(QString, title);
        QFETCH(QStringList, description);
        QTemporaryDir dir;
        const QString project = dir.filePath(QStringLiteral("Проект.tz"));
        writeFileBytes(project, projectWith(title, description));

        WizardFixture f({project});
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
            const Run run = runProgram({QStringLiteral("export"), project, fromCli}, dir.path());
            QCOMPARE(run.status, 0);
            QCOMPARE(run.err, QString());
            const QByteArray bytes = readFileBytes(fromCli);
            QVERIFY(!bytes.isEmpty());
            QCOMPARE(bytes, readFileBytes(fromWindow));
        }
        QVERIFY(f.seam.messages.isEmpty());
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
        QTest::newRow("missing output") << QStringList{"export", "@/p.tz"} << 2 << "ДОКУМЕНТ";
        QTest::newRow("unknown option")
            << QStringList{"export", "@/p.tz", "@/o.html", "--fast"} << 2 << "--fast";
    }

    void badInputGetsOneRussianLineAndAFailingStatus() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, mentions);
        QTemporaryDir dir;
        const QByteArray project = projectWith(QStringLiteral("Т"), {QStringLiteral("Д")});
        writeFileBytes(dir.filePath(QStringLiteral("p.tz")), project);
        writeFileBytes(dir.filePath(QStringLiteral("notes.txt")), "just notes\r\n");
        arguments.replaceInStrings(QStringLiteral("@"), dir.path());
        const Run run = runProgram(arguments, dir.path());
        QCOMPARE(run.status, status);
        QVERIFY2(isOneRussianLine(run.err), qPrintable(run.err));
        QVERIFY2(run.err.contains(mentions.replace(u'@', dir.path())), qPrintable(run.err));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("o.html"))));
        QCOMPARE(readFileBytes(dir.filePath(QStringLiteral("p.tz"))), project);
    }

    void helpNamesTheExportCommand() {
        QTemporaryDir dir;
        const Run run = runProgram({QStringLiteral("--help")}, dir.path());
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains(QStringLiteral("tzwizard export ПРОЕКТ.tz ДОКУМЕНТ")));
    }
};

QTEST_MAIN(CliTest)
#include "cli_test.moc"
