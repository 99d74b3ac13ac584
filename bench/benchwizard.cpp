#include "benchwizard.h"

#include "app/wizard.h"
#include "benchdata.h"
#include "benchreport.h"
#include "pages/projectfiles.h"
#include "pages/step2.h"
#include "pages/step3os.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <ctime>

void keepRegistrationInTemporaryFolder() {
    static QTemporaryDir xdg;
    qputenv("XDG_DATA_HOME", xdg.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", xdg.filePath(QStringLiteral("config")).toLocal8Bit());
}

BenchWizard::BenchWizard(int items, bool extended)
    : BenchWizard(makeBenchProject(items, kMebibyte), extended) {}

BenchWizard::BenchWizard(const QStringList& projectText, bool extended)
    : m_path(dir.filePath(QStringLiteral("bench.tz"))) {
    writeBenchProject(m_path, projectText);
    m_main =
        createWizard(seam, extended ? QStringList{QStringLiteral("--extended")} : QStringList());
    m_main->TimerStart->stop();
    open(m_path);
}

BenchWizard::BenchWizard(const QString& projectPath, bool opened) : m_path(projectPath) {
    m_main = createWizard(seam, {});
    m_main->TimerStart->stop();
    if (opened)
        open(m_path);
}

void BenchWizard::open(const QString& path) {
    openProjectFile(m_main->session(), path, seam, nullptr);
}

BenchWizard::~BenchWizard() = default;

void BenchWizard::changePage() {
    if (w().step2->isVisible())
        w().step2->btnNext->click();
    else
        w().step3os->btnPrev->click();
    QCoreApplication::processEvents();
}

PaintCounter::PaintCounter(QWidget* widget) : QObject(widget) {
    widget->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint)
        ++paints;
    return false;
}

double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void pressKey(QWidget* widget, Qt::Key key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &up);
}

int runWidgetBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    keepRegistrationInTemporaryFolder();
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
