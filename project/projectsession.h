#pragma once

#include "project/filestamp.h"
#include "project/projectfile.h"
#include "project/projectlock.h"
#include "project/projectmodel.h"
#include "project/projectrenewer.h"

#include <QObject>
#include <QStringList>

namespace tz {

// A project file as read for opening: its full path, and its text or why it cannot be one.
struct ProjectRead {
    QString path;
    LoadResult file;
    QString error; // for the user; empty when the file can be opened
};
// Reads the file at the path, relative to the working folder, as a project to open.
ProjectRead readProjectAt(const QString& path);

// The open project: its file with the lock and what the file held when this wizard last read
// or wrote it, the project text, and the model the pages edit. Every edit goes through here,
// and the project text is rewritten from the model at once; the text is written to the file
// when the caller saves it.
class ProjectSession : public QObject {
    Q_OBJECT
public:
    enum class WriteOutcome { Written, Declined, Failed };

    explicit ProjectSession(bool extended, QObject* parent = nullptr);

    // The extended mode keeps the extended fields and its pages show them.
    bool extended() const { return m_extended; }
    const ProjectModel& model() const { return m_model; }
    ProjectModel& model() { return m_model; }
    // FileName: empty until a project is created or opened.
    const QString& fileName() const { return m_fileName; }
    // ProjectText: empty until a project is created or opened.
    const QStringList& text() const { return m_text; }
    // ProjectUID: made for a new project, read from an opened one.
    const QString& projectUid() const { return m_projectUid; }
    // StructureLines: one line per node of the tree in reverse tree order; empty while the
    // tree of a new project was never edited.
    const QStringList& structureLines() const { return m_structureLines; }
    ProjectLock& lock() { return m_lock; }

    // A new project of no values; the file name stays.
    void TZnew();
    // The project read (its lock taken) in place of this one.
    void open(ProjectRead&& read);
    // The project lives at the path from now on, and what the file there holds now is what
    // the user chose to write over.
    void moveTo(const QString& path);

    // The user's edits. Each rewrites the project text.
    void setValue(QString ProjectValues::*member, const QString& value);
    void setMainMenu(bool on) { m_model.setMainMenu(on); }
    // The tree changed through its adapter: its structure or an item's kind too, or only an
    // item's texts.
    void treeEdited(bool structure);

    // Rewrites every block of the text from the model.
    void TZrenew();
    // Brings the structure lines up to date with the tree.
    void Restructure();

    // Another program changed the file since this wizard last read or wrote it.
    bool changedOnDisk() const;
    // Writes the text to the file; once written, the file is the one the wizard knows.
    SaveResult save();
    // Writes the project when it changed since it was last written, unless another program
    // changed the file (Declined); for when no one can be asked.
    WriteOutcome saveUnasked();

Q_SIGNALS:
    // Another project replaced this one: pages show its values.
    void replaced();
    // An edit changed the project text.
    void edited();
    void saved();
    void saveFailed();
    void fileNameChanged(const QString& path);
    // Something the user is to be told about the project just opened.
    void notice(const QString& text);

private:
    void loadTree();
    // In the extended mode the kinds' value follows the tree.
    void renewKinds();

    bool m_extended;
    ProjectModel m_model;
    QString m_fileName;
    QStringList m_text;
    QString m_projectUid;
    QStringList m_structureLines;
    StructureLinesState m_structureState;
    ProjectLock m_lock;
    FileStamp m_stamp;
    ProjectRenewer m_renewer;
    // The text holds changes that are not in the file yet.
    bool m_unsaved = false;
};

} // namespace tz
