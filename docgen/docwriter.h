#pragma once

#include "docgen/docbuffer.h"

#include <QString>

namespace tz {

inline constexpr int DocModeNone = 0;
inline constexpr int DocModeRichText = 1; // RTF and DOC
inline constexpr int DocModeHtml = 2;

inline constexpr quint32 ColourBlack = 0x000000;
inline QString docFontName() {
    return QStringLiteral("Times New Roman");
}

// The document operations. Each appends to the buffer what the writer's DocMode asks for:
// HTML source lines, or rich-text paragraphs with the attributes the operation sets first;
// any mode other than those two writes nothing.
class DocWriter {
public:
    DocWriter(DocSink& doc, int docMode) : DocMode(docMode), m_doc(doc) {}

    const int DocMode;

    // The title block; in HTML also the head with the project identifier.
    void AddHeader(const QString& title, const QString& projectUid);
    void AddH1(const QString& text);
    void AddH2(const QString& text);
    void AddH3(const QString& text);
    void AddLine(const QString& text);
    void AddParaStart(const QString& text);
    void AddParaEnd(const QString& text);
    void AddPara(const QString& text);

    // A text the user typed, made safe for the mode: in HTML its markup characters and the
    // characters Windows-1251 cannot hold become references; rich text takes it as it is.
    QString userText(const QString& text) const;

private:
    void heading(const QString& tag, int sizePt, const QString& text);
    void body(const QString& open, const QString& text, const QString& close);
    void setAttributes(int sizePt);

    DocSink& m_doc;
};

} // namespace tz
