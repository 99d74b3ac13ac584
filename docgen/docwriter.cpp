#include "docgen/docwriter.h"

#include "docgen/htmloutput.h"
#include "project/addresses.h"

namespace tz {

namespace {

const QString kTitlePrefix = QStringLiteral("Техническое задание к программе \"");

} // namespace

QString DocWriter::userText(const QString& text) const {
    return DocMode == DocModeHtml ? escapeHtmlText(text) : text;
}

void DocWriter::setAttributes(int sizePt) {
    m_doc.current.fontName = docFontName();
    m_doc.current.colour = ColourBlack;
    m_doc.current.sizePt = sizePt;
}

void DocWriter::AddHeader(const QString& title, const QString& projectUid) {
    const QString safeTitle = userText(title);
    if (DocMode == DocModeHtml) {
        m_doc.append(QStringLiteral("<HTML>"));
        m_doc.append(QStringLiteral("<HEAD>"));
        m_doc.append(QStringLiteral(
            "<META HTTP-EQUIV=Content-Type CONTENT=\"text/html; charset=windows-1251\">"));
        m_doc.append(QStringLiteral("<META NAME=\"TZ\" CONTENT=\"") + userText(projectUid) +
                     QStringLiteral("\">"));
        m_doc.append(QStringLiteral("<META NAME=\"generator\" CONTENT=\"") +
                     addresses::publisherSite() + QStringLiteral("\">"));
        m_doc.append(QStringLiteral("<TITLE>") + kTitlePrefix + safeTitle +
                     QStringLiteral("\"</TITLE>"));
        m_doc.append(QStringLiteral("</HEAD>"));
        m_doc.append(QStringLiteral("<body>"));
        m_doc.append(QStringLiteral("<P><BR><BR></P>"));
        m_doc.append(QStringLiteral("<H1>") + kTitlePrefix + safeTitle + QStringLiteral("\"</H1>"));
        m_doc.append(QStringLiteral("<P><BR><BR></P>"));
    } else if (DocMode == DocModeRichText) {
        setAttributes(20);
        m_doc.current.bold = true;
        m_doc.appendParagraphs(kTitlePrefix + safeTitle + u'"');
        for (int i = 0; i < 3; ++i)
            m_doc.append(QString());
        m_doc.current.bold = false;
    }
}

void DocWriter::heading(const QString& tag, int sizePt, const QString& text) {
    if (DocMode == DocModeHtml) {
        m_doc.append(u'<' + tag + u'>');
        m_doc.append(text);
        m_doc.append(QStringLiteral("</") + tag + u'>');
    } else if (DocMode == DocModeRichText) {
        setAttributes(sizePt);
        m_doc.append(QString());
        m_doc.appendParagraphs(text);
        m_doc.append(QString());
    }
}

void DocWriter::body(const QString& open, const QString& text, const QString& close) {
    if (DocMode == DocModeHtml) {
        if (!open.isEmpty())
            m_doc.append(open);
        m_doc.append(text);
        m_doc.append(close);
    } else if (DocMode == DocModeRichText) {
        setAttributes(12);
        m_doc.appendParagraphs(text);
    }
}

void DocWriter::AddH1(const QString& text) {
    heading(QStringLiteral("H1"), 20, text);
}

void DocWriter::AddH2(const QString& text) {
    heading(QStringLiteral("H2"), 18, text);
}

void DocWriter::AddH3(const QString& text) {
    heading(QStringLiteral("H3"), 16, text);
}

void DocWriter::AddLine(const QString& text) {
    body(QString(), text, QStringLiteral("<BR>"));
}

void DocWriter::AddParaStart(const QString& text) {
    body(QStringLiteral("<P>"), text, QStringLiteral("<BR>"));
}

void DocWriter::AddParaEnd(const QString& text) {
    body(QString(), text, QStringLiteral("</P>"));
}

void DocWriter::AddPara(const QString& text) {
    body(QStringLiteral("<P>"), text, QStringLiteral("</P>"));
}

} // namespace tz
