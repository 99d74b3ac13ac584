#pragma once

#include <QString>
#include <QStringList>

namespace tz {

// The projects the extended mode opened or created last, and the folder of the last one, for
// the project choice page: kept one path a line in recent.txt in the program's settings
// folder ($XDG_CONFIG_HOME/tzwizard/).
QString recentProjectsPath();

// Up to ten projects, the latest first; files that are gone are left out.
QStringList recentProjects();
// Puts the project first; false when the list could not be written.
bool rememberProject(const QString& path);
// The folder of the latest project that still exists; empty when there is none.
QString lastProjectFolder();

} // namespace tz
