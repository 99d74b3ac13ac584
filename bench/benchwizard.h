#pragma once

#include "app/tfrmmain.h"
#include "pages/uiseam.h"

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

// The whole program offscreen, with a project of the given number of structure items
// opened from a file.
class BenchWizard {
public:
    explicit BenchWizard(int items);
    ~BenchWizard();

    TfrmMain& main() { return *m_main; }
    Windows& w() { return m_main->windows(); }
    QuietSeam seam;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TfrmMain> m_main;
};

// main() of a benchmark of windows: offscreen, a QApplication, then every benchmark.
int runWidgetBenchmarks(int argc, char** argv);
