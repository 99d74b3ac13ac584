#pragma once

#include "app/tfrmmain.h"
#include "scriptedseam.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QWidget;

// The whole program offscreen: controller and every window, a scripted seam, and XDG
// folders in a temporary directory so that the file-type registration stays inside it.
class WizardFixture {
public:
    explicit WizardFixture(const QStringList& arguments = {});
    ~WizardFixture();

    TfrmMain& main() { return *m_main; }
    tz::ProjectSession& session() { return m_main->session(); }
    Windows& w() { return m_main->windows(); }
    ScriptedSeam seam;
    QTemporaryDir dir;

    // A path inside the temporary directory.
    QString path(const QString& name) const { return dir.filePath(name); }
    // Fires the start timer at once, as if its second had passed.
    void start();
    // Opens the project file as the project choice page does; a failure is told the user.
    bool open(const QString& path);
    // Opens a project of these lines, written to a file in the temporary directory.
    bool openLines(const QStringList& lines);
    // The one visible wizard window, or null when none or several are visible.
    QWidget* visiblePage() const;

private:
    std::unique_ptr<TfrmMain> m_main;
    QByteArray m_oldData, m_oldConfig;
};

// Types text into the focused-or-given widget key by key; works for Cyrillic text too.
void typeText(QWidget* widget, const QString& text);
QByteArray readFileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);
// The project text as Windows-1251 bytes with CR LF after every line.
QByteArray projectBytes(const QStringList& lines);
