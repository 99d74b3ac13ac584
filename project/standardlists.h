#pragma once

#include <QStringList>
#include <QStringView>

#include <span>

namespace tz {

// The kinds of program the type page offers, with their captions as on the page; a project
// keeps the caption.
enum class ProgramType { Typical, Web, Driver, Service, Other };

struct ProgramTypeRow {
    ProgramType type;
    QStringView caption;
};
std::span<const ProgramTypeRow> programTypes();
// The type of a caption; an empty or unknown one is the typical program.
ProgramType programTypeOf(const QString& caption);
QString programTypeCaption(ProgramType type);

// The kinds of program documents of ГОСТ 19.101, in its order, by their names there.
std::span<const QStringView> programDocuments();
// The documents a project lists unless the user chose others.
QStringList defaultDocuments();

// The stages of development of ГОСТ 19.102, in order, with the steps each takes and the
// works done at it.
struct StageRow {
    QStringView name;
    QStringView steps;
    QStringView works;
};
std::span<const StageRow> developmentStages();
// The stages a small program commonly goes through, without deadlines.
QStringList defaultStages();

// A chosen stage as a project keeps it: its name, a tab and its deadline as typed.
struct ChosenStage {
    QString name;
    QString deadline;
};
QList<ChosenStage> chosenStages(const QString& stages);
QString stagesValue(const QList<ChosenStage>& stages);

struct ProjectValues;
// The documents and stages an extended project lists where its text has no block for them.
void addExtendedDefaults(ProjectValues& values, const QStringList& text);

} // namespace tz
