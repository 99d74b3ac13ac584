#pragma once

#include "project/menutree.h"
#include "project/projectfields.h"

#include <QObject>

namespace tz {

// What the user has made of the project: every value of the field table, the menu tree
// and the "Главное меню" choice. The pages show it and change it through the session; the
// rewrite of the project text, the document and export read it.
class ProjectModel : public QObject {
    Q_OBJECT
public:
    explicit ProjectModel(QObject* parent = nullptr);

    const ProjectValues& values() const { return m_values; }
    const QString& value(QString ProjectValues::*member) const { return m_values.*member; }
    // Keeps the value as its field keeps it (title and purpose lose their leading points);
    // false when that is what the model held already.
    bool setValue(QString ProjectValues::*member, const QString& value);

    // The tree changes only through its view's adapter, which tells the session.
    const MenuTree& tree() const { return m_tree; }
    MenuTree& tree() { return m_tree; }

    // The program has a main menu: the structure page is on the way. Not kept in the file:
    // an opened project has one when its tree has items.
    bool mainMenu() const { return m_mainMenu; }
    void setMainMenu(bool on);

    // Everything at once, for a project created or opened.
    void replace(ProjectValues values, MenuTree tree);

Q_SIGNALS:
    // A value changed: a widget that shows it shows the model's value again.
    void valueChanged(const tz::ProjectField* field);
    void mainMenuChanged(bool on);
    void treeAboutToBeReplaced();
    void treeReplaced();

private:
    ProjectValues m_values;
    MenuTree m_tree;
    bool m_mainMenu = false;
};

} // namespace tz
