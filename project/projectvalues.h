#pragma once

#include <QString>

namespace tz {

// Everything the user states about the project: the values that the pages show and edit,
// that the rewrite of the project text writes and that the document and export read. Each
// is one row of the field table (projectfields.h), which says under which key and how it is
// kept. Values of several lines hold CR LF between their lines.
struct ProjectValues {
    QString title = {};
    QString description = {};
    QString companyName = {};
    QString companyURL = {};
    QString companyEMail = {};
    QString companyPhone = {};
    QString companyInfo = {};
    // Kept in the extended mode only.
    QString os = {}; // the ticked systems, one a line, captions as on the page, in its order
    QString osOther = {};
    QString hardware = {};
    QString staff = {};
    QString customer = {};
    QString executor = {};         // the organisation that makes the program
    QString agreedPosition = {};   // "СОГЛАСОВАНО": the customer's side
    QString agreedName = {};       // initials and surname
    QString approvedPosition = {}; // "УТВЕРЖДАЮ": the developer's side
    QString approvedName = {};
    QString designation = {};
    QString basis = {};
    QString programType = {}; // the type's caption as on the page; empty: the typical program
    QString database = {};    // the DBMS, when the program keeps a database
    QString documents = {}; // the documents to make, one a line, by their names in ГОСТ 19.101
    QString stages = {};    // the stages, one a line: the name, a tab, the deadline as typed
    QString sections = {};  // the section texts the user wrote (sectiontexts.h)
    QString kinds = {};     // the menu items' kinds (menukinds.h), written from the tree

    friend bool operator==(const ProjectValues&, const ProjectValues&) = default;
};

// A designation as ГОСТ 19.103 gives it: the country's code ("RU" or "643"), ".", 8 digits,
// ".", 5 digits, "-", 2 digits.
bool isWellFormedDesignation(const QString& designation);
// A well-formed designation typed with the document's code after it ("… ТЗ 01", "… ТЗ 01-ЛУ")
// without that code; any other text as it is.
QString designationOnly(const QString& typed);

} // namespace tz
