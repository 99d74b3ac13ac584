#pragma once

#include <QString>
#include <QStringList>

namespace tz {

// One signatory of the approval sheet.
struct Signatory {
    QString position;
    QString name; // initials and surname

    bool isEmpty() const { return position.isEmpty() && name.isEmpty(); }
    friend bool operator==(const Signatory&, const Signatory&) = default;
};

// Everything the user states about the project: the one model that the pages load from and
// write to, and that the rewrite of the project text, the document and export read.
// Multi-line values hold CR LF between their lines.
struct ProjectValues {
    QString title = {};
    QString description = {};
    QString companyName = {};
    QString companyURL = {};
    QString companyEMail = {};
    QString companyPhone = {};
    QString companyInfo = {};
    // Kept in the extended mode only.
    QStringList os = {}; // the ticked systems, captions as on the page, in the page's order
    QString osOther = {};
    QString hardware = {};
    QString staff = {};
    QString customer = {};
    Signatory agreedBy = {};   // "СОГЛАСОВАНО": the customer's side
    Signatory approvedBy = {}; // "УТВЕРЖДАЮ": the developer's side
    QString designation = {};
    QString basis = {};
};

// The values a project text holds, read as the pages read them: a one-line value is its last
// value line, the others all their lines; each line as typed (see valueescape.h). Without
// the extended mode its values stay empty.
ProjectValues readProjectValues(const QStringList& text, bool extended);

// The entry the rewrite writes for the extended block at the index of keys::extended, before
// escaping; empty when the block has nothing to keep.
QString extendedEntry(const ProjectValues& values, std::size_t block);

// A designation as ГОСТ 19.103 gives it: "RU.", 8 digits, ".", 5 digits, "-", 2 digits.
bool isWellFormedDesignation(const QString& designation);

} // namespace tz
