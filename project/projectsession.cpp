#include "project/projectsession.h"

#include "project/menukinds.h"
#include "project/menutreeloader.h"
#include "project/projectid.h"
#include "project/projectkeys.h"
#include "project/projecttext.h"
#include "project/random32.h"
#include "project/standardlists.h"
#include "project/templatefile.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace tz {

ProjectRead readProjectAt(const QString& givenPath) {
    // A relative path (from the command line, or typed) names the file from the working
    // folder; the project and its messages keep the full one.
    ProjectRead read;
    read.path = QDir::cleanPath(QFileInfo(givenPath).absoluteFilePath());
    read.file = loadProjectFile(read.path);
    if (!read.file.ok)
        read.error = readErrorMessage(read.file.error, read.path);
    else if (!looksLikeProject(read.file))
        read.error = QStringLiteral("Файл ") + read.path +
                     QStringLiteral(" не является техническим заданием");
    return read;
}

ProjectSession::ProjectSession(bool extended, QObject* parent)
    : QObject(parent), m_extended(extended), m_renewer(extended) {}

void ProjectSession::TZnew() {
    m_projectUid = makeProjectId(QDate::currentDate(), processRandom());
    m_text = newProjectText(m_projectUid);
    // An extended project starts from the organisation's template, when there is one, and is
    // written with it at once.
    std::optional<ProjectValues> values;
    if (m_extended) {
        values = loadTemplate();
        if (!values) {
            values.emplace();
            addExtendedDefaults(*values, m_text);
        }
    }
    m_model.replace(values.value_or(ProjectValues()), MenuTree());
    m_model.setMainMenu(false);
    m_structureLines.clear();
    m_renewer.forget();
    if (m_extended)
        m_renewer.renew(m_text, m_model.values(), m_structureLines, {});
    m_unsaved = true;
    Q_EMIT replaced();
}

void ProjectSession::open(ProjectRead&& read) {
    m_fileName = read.path;
    m_stamp = read.file.stamp;
    m_unsaved = false;
    m_text = std::move(read.file.text);
    m_projectUid = singleValue(m_text, keys::ProjectUID);
    loadTree();
    // A file the program wrote reads back as the rewrite of its values; known as such, its
    // first rewrite touches only the block that changes. Its values of several lines become
    // one entry each then, as the rewrite writes them; the file is the same.
    m_renewer.forget();
    m_renewer.adopt(m_text, m_model.values(), m_structureLines, m_model.tree().records(),
                    &m_model.tree().history(), {m_structureState.tree, m_structureState.revision});
    Q_EMIT fileNameChanged(m_fileName);
    Q_EMIT replaced();
}

// The tree of an opened project comes from its blocks, so that the next rewrite writes back
// what the file held; empty blocks give the root alone.
void ProjectSession::loadTree() {
    ProjectValues values = readProjectValues(m_text, m_extended);
    LoadedMenuTree loaded = loadMenuTreeSharing(m_text, processRandom(), readKinds(values.kinds));
    if (m_extended) {
        addExtendedDefaults(values, m_text);
        values.kinds = kindLines(loaded.tree);
    }
    m_model.replace(std::move(values), std::move(loaded.tree));
    m_model.setMainMenu(m_extended && m_model.tree().hasItems());
    if (m_model.tree().hasItems() || loaded.hadStructureLines)
        Restructure();
    else
        m_structureLines.clear();
    if (loaded.damaged) {
        Q_EMIT notice(
            QStringLiteral("Структура программы в задании записана с ошибками. Пункты, которые "
                           "удалось прочитать, восстановлены; при следующем изменении задания "
                           "структура будет записана заново."));
    }
    if (loaded.flattened) {
        Q_EMIT notice(
            QStringLiteral("В структуре программы в задании есть пункты глубже шестого уровня "
                           "вложенности. Они перенесены на шестой уровень, их порядок и тексты "
                           "сохранены; при следующем изменении задания структура будет записана "
                           "заново."));
    }
}

void ProjectSession::moveTo(const QString& path) {
    m_fileName = path;
    m_stamp = stampOfFile(path);
    Q_EMIT fileNameChanged(path);
}

void ProjectSession::setValue(QString ProjectValues::*member, const QString& value) {
    m_model.setValue(member, value);
    TZrenew();
}

void ProjectSession::treeEdited(bool structure) {
    if (structure) {
        Restructure();
        renewKinds();
    }
    TZrenew();
}

void ProjectSession::renewKinds() {
    if (m_extended)
        m_model.setValue(&ProjectValues::kinds, kindLines(m_model.tree()));
}

void ProjectSession::TZrenew() {
    const MenuTree& tree = m_model.tree();
    m_renewer.renew(m_text, m_model.values(), m_structureLines, tree.records(), &tree.history(),
                    {m_structureState.tree, m_structureState.revision});
    m_unsaved = true;
    Q_EMIT edited();
}

void ProjectSession::Restructure() {
    m_model.tree().updateStructureLines(m_structureLines, m_structureState);
}

bool ProjectSession::changedOnDisk() const {
    return !m_fileName.isEmpty() && changedSince(m_fileName, m_stamp);
}

SaveResult ProjectSession::save() {
    SaveResult saved = saveProjectFile(m_fileName, m_text);
    if (saved.ok) {
        m_stamp = saved.stamp;
        m_unsaved = false;
        Q_EMIT this->saved();
    } else {
        Q_EMIT saveFailed();
    }
    return saved;
}

ProjectSession::WriteOutcome ProjectSession::saveUnasked() {
    if (m_fileName.isEmpty() || !m_unsaved)
        return WriteOutcome::Written;
    if (changedOnDisk())
        return WriteOutcome::Declined;
    return save().ok ? WriteOutcome::Written : WriteOutcome::Failed;
}

} // namespace tz
