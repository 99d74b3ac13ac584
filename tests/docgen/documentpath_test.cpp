#include "docgen/documentpath.h"

#include <gtest/gtest.h>

using namespace tz;

namespace {

struct ProposalCase {
    const char* lastDocument;
    const char* projectFile;
    DocFormat format;
    const char* proposed;
};

const ProposalCase kProposals[] = {
    // First save: next to the project, named up to the project name's first point.
    {"", "/home/u/Проекты/Мой.проект.v2.tz", DocFormat::Doc, "/home/u/Проекты/Мой.doc"},
    {"", "/x/y.z/plain", DocFormat::Html, "/x/y.z/plain.html"},
    {"", "/x/.tz", DocFormat::Rtf, "/x/"},
    {"", "", DocFormat::Doc, ""},
    // Later saves: the last document's folder and name, in the format now chosen.
    {"/docs/Отчёт.doc", "/home/u/p.tz", DocFormat::Html, "/docs/Отчёт.html"},
    {"/docs/Отчёт.HTM", "/home/u/p.tz", DocFormat::Rtf, "/docs/Отчёт.rtf"},
    {"/docs/a.b.rtf", "", DocFormat::Doc, "/docs/a.b.doc"},
    {"/docs/версия.2", "/home/u/p.tz", DocFormat::Html, "/docs/версия.2.html"},
};

TEST(DocumentPathTest, TheProposalTakesTheChosenFormatsExtension) {
    for (const ProposalCase& c : kProposals) {
        EXPECT_EQ(proposedDocumentPath(QString::fromUtf8(c.lastDocument),
                                       QString::fromUtf8(c.projectFile), c.format)
                      .toStdString(),
                  c.proposed)
            << c.lastDocument << " / " << c.projectFile;
    }
}

} // namespace
