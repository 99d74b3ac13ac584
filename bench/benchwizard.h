#pragma once

#include "app/tfrmmain.h"
#include "pages/uiseam.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A seam for timing: no dialog opens (a file dialog is cancelled), and every message is
// kept, so that a benchmark can tell it did not time an error path.
class QuietSeam final : public UiSeam {
public:
    QStringList messages;

    QString openFile(QWidget*, const FileRequest&) override { return QString(); }
    QString saveFile(QWidget*, const FileRequest&) override { return QString(); }
    void message(QWidget*, const QString& text) override { messages.append(text); }
    int choose(QWidget*, const QString& text, const QStringList&, int cancel) override {
        messages.append(text);
        return cancel;
    }
    void openUrl(const QUrl&) override {}
};

// The XDG folders in a temporary directory for the process, so that the file-type
// registration each wizard makes stays out of the user's home.
void keepRegistrationInTemporaryFolder();

// The whole program offscreen with a project file opened: by default one of the given
// number of structure items and a 1 MiB purpose. The start timer is stopped: the
// benchmarks show the pages they time themselves.
class BenchWizard {
public:
    // In the extended mode when asked.
    explicit BenchWizard(int items, bool extended = false);
    // The project file written from the text, or the one at the path, opened unless asked not to.
    explicit BenchWizard(const QStringList& projectText, bool extended = false);
    BenchWizard(const QString& projectPath, bool opened);
    ~BenchWizard();

    TfrmMain& main() { return *m_main; }
    tz::ProjectSession& session() { return m_main->session(); }
    // Opens the project file as the project choice page does.
    void open(const QString& path);
    // "Далее >>" on the title page when it is shown, "<<  Вернуться" on the next one
    // otherwise, each saving the project, and the events that follow.
    void changePage();
    Windows& w() { return m_main->windows(); }
    const QString& projectPath() const { return m_path; }
    QuietSeam seam;
    QTemporaryDir dir;

private:
    QString m_path;
    std::unique_ptr<TfrmMain> m_main;
};

// Counts the paint events a widget receives, so that a benchmark can tell the screen was
// updated in the time it measured.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget);
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The processor time this process has used so far, in seconds.
double processSeconds();

// A key press and release as the keyboard sends them.
void pressKey(QWidget* widget, Qt::Key key, const QString& text);

// main() of a benchmark of windows: offscreen, a QApplication, then every benchmark.
int runWidgetBenchmarks(int argc, char** argv);
