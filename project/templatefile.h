#pragma once

#include "project/projectvalues.h"

#include <QString>

#include <optional>

namespace tz {

// An organisation's own defaults for its new projects in the extended mode: the values of
// the field table marked for the template (section texts, executor, approver, rights holder,
// documents, stages), kept as an ordinary project file, template.tz in the program's data
// folder ($XDG_DATA_HOME/tzwizard/).
QString templatePath();

// The template's values taken from the project's.
ProjectValues templateValues(const ProjectValues& values);

// Writes the project's template values; false when the file could not be written.
bool saveTemplate(const ProjectValues& values);
// The template's values; none when there is no template that reads as a project.
std::optional<ProjectValues> loadTemplate();

} // namespace tz
