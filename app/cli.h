#pragma once

#include <QStringList>

#include <optional>

// The option that turns the extended mode on, for the wizard and for the export.
inline QString extendedOption() {
    return QStringLiteral("--extended");
}

// The command line without windows: --help, --version and the document export. Returns
// the exit status when the arguments ask for one of these, nothing for the wizard.
std::optional<int> runCommandLine(const QStringList& arguments);
