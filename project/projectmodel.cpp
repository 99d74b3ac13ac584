#include "project/projectmodel.h"

namespace tz {

ProjectModel::ProjectModel(QObject* parent) : QObject(parent) {}

bool ProjectModel::setValue(QString ProjectValues::*member, const QString& value) {
    const ProjectField* field = fieldOf(member);
    Q_ASSERT(field);
    QString kept = keptValue(*field, value);
    QString& held = m_values.*member;
    // The same storage is the same text: a long memo is not compared character by character.
    if ((kept.constData() == held.constData() && kept.size() == held.size()) || kept == held)
        return false;
    held = std::move(kept);
    Q_EMIT valueChanged(field);
    return true;
}

void ProjectModel::setMainMenu(bool on) {
    if (on == m_mainMenu)
        return;
    m_mainMenu = on;
    Q_EMIT mainMenuChanged(on);
}

void ProjectModel::replace(ProjectValues values, MenuTree tree) {
    m_values = std::move(values);
    Q_EMIT treeAboutToBeReplaced();
    m_tree = std::move(tree);
    Q_EMIT treeReplaced();
}

} // namespace tz
