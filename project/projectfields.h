#pragma once

#include "project/projectvalues.h"

#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <span>

namespace tz {

// How a value stands under its key.
enum class FieldKind {
    Line,  // one line; of several in a file, the last counts
    Lines, // all its lines, CR LF between them
    List,  // all its lines but the empty ones: one entry a line
    Pair,  // two lines, the first into member, the second into second
};

// Which wizard keeps the value: every one, or only the extended mode's.
enum class FieldMode { Default, Extended };

// How a value is kept of what the user types.
enum class Kept {
    AsTyped,
    WithoutLeadingDots, // of each line: title and purpose
    Designation,        // the designation without the document's code typed after it
};

// One value of the project: its key, where the model keeps it, how it is written and in
// which mode. A value keeps the leading points the user typed, unless its row says
// otherwise, and is written escaped (valueescape.h). An organisation's template
// (templatefile.h) keeps the values marked for it.
struct ProjectField {
    QStringView key;
    QString ProjectValues::*member;
    FieldKind kind;
    FieldMode mode;
    QString ProjectValues::*second = nullptr;
    Kept kept = Kept::AsTyped;
    bool templated = false;
};

// Marks on a row of the table.
constexpr ProjectField kept(Kept how, ProjectField field) {
    field.kept = how;
    return field;
}
constexpr ProjectField templated(ProjectField field) {
    field.templated = true;
    return field;
}

// The project's values in the order of their blocks: the default blocks in the order every
// rewrite makes sure of them, the extended ones in the order they stand before ".NewTitle".
// Adding a value to the project is a row here, a member of ProjectValues and its widget.
inline constexpr ProjectField kFields[] = {
    kept(Kept::WithoutLeadingDots,
         {u".Title", &ProjectValues::title, FieldKind::Line, FieldMode::Default}),
    kept(Kept::WithoutLeadingDots,
         {u".Description", &ProjectValues::description, FieldKind::Lines, FieldMode::Default}),
    templated({u".CompanyName", &ProjectValues::companyName, FieldKind::Line, FieldMode::Default}),
    templated({u".CompanyURL", &ProjectValues::companyURL, FieldKind::Line, FieldMode::Default}),
    templated(
        {u".CompanyEMail", &ProjectValues::companyEMail, FieldKind::Line, FieldMode::Default}),
    templated(
        {u".CompanyPhone", &ProjectValues::companyPhone, FieldKind::Line, FieldMode::Default}),
    templated({u".CompanyInfo", &ProjectValues::companyInfo, FieldKind::Lines, FieldMode::Default}),
    {u".OS", &ProjectValues::os, FieldKind::List, FieldMode::Extended},
    {u".OSOther", &ProjectValues::osOther, FieldKind::Line, FieldMode::Extended},
    {u".Hardware", &ProjectValues::hardware, FieldKind::Lines, FieldMode::Extended},
    {u".Staff", &ProjectValues::staff, FieldKind::Lines, FieldMode::Extended},
    {u".Customer", &ProjectValues::customer, FieldKind::Line, FieldMode::Extended},
    {u".AgreedBy", &ProjectValues::agreedPosition, FieldKind::Pair, FieldMode::Extended,
     &ProjectValues::agreedName},
    templated({u".ApprovedBy", &ProjectValues::approvedPosition, FieldKind::Pair,
               FieldMode::Extended, &ProjectValues::approvedName}),
    kept(Kept::Designation,
         {u".Designation", &ProjectValues::designation, FieldKind::Line, FieldMode::Extended}),
    {u".Basis", &ProjectValues::basis, FieldKind::Lines, FieldMode::Extended},
    templated({u".Executor", &ProjectValues::executor, FieldKind::Line, FieldMode::Extended}),
    {u".ProgramType", &ProjectValues::programType, FieldKind::Line, FieldMode::Extended},
    {u".Database", &ProjectValues::database, FieldKind::Line, FieldMode::Extended},
    templated({u".Documents", &ProjectValues::documents, FieldKind::List, FieldMode::Extended}),
    templated({u".Stages", &ProjectValues::stages, FieldKind::List, FieldMode::Extended}),
    templated({u".Sections", &ProjectValues::sections, FieldKind::Lines, FieldMode::Extended}),
    {u".Kinds", &ProjectValues::kinds, FieldKind::List, FieldMode::Extended},
};

inline constexpr std::size_t kFieldCount = std::size(kFields);

// The default mode's values come first, so that its wizard keeps a prefix of the table.
static_assert(std::is_sorted(std::begin(kFields), std::end(kFields),
                             [](const ProjectField& a, const ProjectField& b) {
                                 return a.mode < b.mode;
                             }));

inline constexpr std::size_t kDefaultFieldCount =
    std::size_t(std::count_if(std::begin(kFields), std::end(kFields),
                              [](const ProjectField& f) { return f.mode == FieldMode::Default; }));

// The fields a wizard of the mode keeps, in the table's order.
constexpr std::span<const ProjectField> fieldsOf(bool extended) {
    return std::span<const ProjectField>(kFields).first(extended ? kFieldCount
                                                                 : kDefaultFieldCount);
}

// The row of a member, the first or second of its value; null for none.
const ProjectField* fieldOf(QString ProjectValues::*member);

// The values a project text holds, read as the pages read them (the reading rule of
// projecttext.h, in the mode's form), each line as typed (valueescape.h). Without the
// extended mode its values stay empty.
ProjectValues readProjectValues(const QStringList& text, bool extended);

// The value as the field's block holds it, before escaping: the pair's two lines, or
// nothing when both are empty.
QString fieldEntry(const ProjectValues& values, const ProjectField& field);

// The value the model keeps when it is given this one, as its row says.
QString keptValue(const ProjectField& field, const QString& value);

} // namespace tz
