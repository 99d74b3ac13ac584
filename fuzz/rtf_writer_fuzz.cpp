// The RTF of a document that holds the user's title and purpose as the requirements document
// does (title block, heading, paragraphs; the fixed rest of it only repeats the same
// operations on fixed text, and would cost every run its time), for any title and purpose
// (any UTF-16 text), holds:
//  - every byte is 7-bit;
//  - braces balance: counted outside the escapes \{ and \}, no "}" closes more than was
//    opened, and the outermost group closes at the very end and nowhere before;
//  - no control word comes from the user's text: the file reads back, with a reader that
//    knows only the writer's own vocabulary, as exactly the buffer that was written. The
//    header is the fixed one with its font and colour tables; then, per line of the buffer,
//    one paragraph "\pard\fN\cfN\fsN\b " (or "\b0 "), text, "\par" CR LF, whose font,
//    colour, size and boldness are the line's. Inside the text nothing but the text escapes
//    \\ \{ \} \'hh \uN? \tab and the empty group {} may stand, and they decode, unit for
//    unit, to the line's text. A backslash of the user's that escaped escaping would either
//    end the text early or not decode to the user's character, and break the read-back.
// The extended document's RTF of the same texts (its title unbreakable, its purpose as lines,
// a heading listed in the contents, two columns) is 7-bit with balanced braces too.
#include "docgen/docwriter.h"
#include "docgen/pagination.h"
#include "docgen/rtfoutput.h"
#include "fuzzinput.h"
#include "project/codec1251.h"

#include <QBuffer>

#include <optional>

using fuzz::check;

namespace {

// The character of each Windows-1251 byte, decoded once rather than per escape.
QChar decodedByte(int byte) {
    static const QString table = [] {
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        return tz::decode1251(all);
    }();
    return table.at(byte);
}

class RtfReader {
public:
    explicit RtfReader(const QByteArray& rtf) : m_in(rtf) {}

    bool atEnd() const { return m_pos == m_in.size(); }

    // Consumes the literal when it comes next.
    bool take(QByteArrayView literal) {
        if (!QByteArrayView(m_in).sliced(m_pos).startsWith(literal))
            return false;
        m_pos += literal.size();
        return true;
    }
    void expect(QByteArrayView literal, const char* invariant) { check(take(literal), invariant); }

    // A decimal number with an optional minus sign, as control words carry it.
    std::optional<qint64> number() {
        const qsizetype start = m_pos;
        if (m_pos < m_in.size() && m_in.at(m_pos) == '-')
            ++m_pos;
        const qsizetype digits = m_pos;
        while (m_pos < m_in.size() && m_in.at(m_pos) >= '0' && m_in.at(m_pos) <= '9' &&
               m_pos - digits < 12)
            ++m_pos;
        if (m_pos == digits) {
            m_pos = start;
            return std::nullopt;
        }
        return m_in.mid(start, m_pos - start).toLongLong();
    }
    qint64 expectNumber(const char* invariant) {
        const std::optional<qint64> n = number();
        check(n.has_value(), invariant);
        return *n;
    }

    // Text up to the first byte that is not text or a text escape (left unread), or up to
    // the terminator. Everything else in running text breaks the invariant.
    QString text(char terminator = '\0') {
        QString out;
        while (m_pos < m_in.size()) {
            const char c = m_in.at(m_pos);
            if (c == terminator || c == '}')
                return out;
            if (c == '{') {
                expect("{}", "the only group inside text is the empty one");
                continue;
            }
            if (c == '\\') {
                if (!textEscape(out))
                    return out;
                continue;
            }
            check(c >= 0x20 && c < 0x7f, "text holds no raw control character");
            out += QLatin1Char(c);
            ++m_pos;
        }
        return out;
    }

private:
    bool textEscape(QString& out) {
        const char next = m_pos + 1 < m_in.size() ? m_in.at(m_pos + 1) : '\0';
        if (next == '\\' || next == '{' || next == '}') {
            out += QLatin1Char(next);
            m_pos += 2;
            return true;
        }
        if (next == '\'') {
            m_pos += 2;
            const QByteArray hex = m_in.mid(m_pos, 2);
            bool ok = false;
            const int byte = hex.toInt(&ok, 16);
            check(ok && hex.size() == 2, "\\' has two hexadecimal digits");
            check(byte >= 0x80, "\\' stands only for bytes that 7-bit text cannot hold");
            out += decodedByte(byte);
            m_pos += 2;
            return true;
        }
        if (take("\\tab ")) {
            out += u'\t';
            return true;
        }
        if (take("\\u")) {
            const qint64 unit = expectNumber("\\u has a number");
            check(unit >= -32768 && unit <= 32767, "\\u is a signed 16-bit unit");
            expect("?", "\\u is followed by the one skipped character");
            out += QChar(char16_t(quint16(qint16(unit))));
            return true;
        }
        return false;
    }

    const QByteArray& m_in;
    qsizetype m_pos = 0;
};

void checkBytesAndBraces(const QByteArray& rtf) {
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf.at(i);
        check((c & 0x80) == 0, "every byte is 7-bit");
        if (c == '\\') {
            if (i + 1 < rtf.size() &&
                (rtf.at(i + 1) == '{' || rtf.at(i + 1) == '}' || rtf.at(i + 1) == '\\'))
                ++i;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
            check(depth >= 0, "no brace closes more than was opened");
            check(depth > 0 || rtf.sliced(i + 1) == "\r\n",
                  "the outermost group closes at the very end only");
        }
    }
    check(depth == 0, "every brace is closed");
}

void checkReadsBackAsTheBuffer(const QByteArray& rtf, const tz::DocBuffer& doc) {
    RtfReader in(rtf);
    in.expect("{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\r\n{\\fonttbl", "fixed header");
    QStringList fonts;
    while (in.take("{\\f")) {
        check(in.expectNumber("font number") == fonts.size(), "fonts numbered in order");
        in.expect("\\fnil\\fcharset204 ", "font entry");
        fonts.append(in.text(';'));
        in.expect(";}", "font entry ends");
    }
    in.expect("}\r\n{\\colortbl;", "colour table");
    QList<quint32> colours;
    while (in.take("\\red")) {
        const qint64 red = in.expectNumber("red");
        in.expect("\\green", "green");
        const qint64 green = in.expectNumber("green");
        in.expect("\\blue", "blue");
        const qint64 blue = in.expectNumber("blue");
        in.expect(";", "colour ends");
        colours.append(quint32((red << 16) | (green << 8) | blue));
    }
    in.expect("}\r\n\\uc1\r\n", "header ends");

    for (const tz::DocLine& line : doc.lines()) {
        in.expect("\\pard\\f", "paragraph starts");
        const qint64 font = in.expectNumber("font");
        check(font >= 0 && font < fonts.size() && fonts.at(font) == line.attributes.fontName,
              "the paragraph's font is the line's");
        in.expect("\\cf", "colour");
        const qint64 colour = in.expectNumber("colour");
        check(colour >= 1 && colour <= colours.size() &&
                  colours.at(colour - 1) == line.attributes.colour,
              "the paragraph's colour is the line's");
        in.expect("\\fs", "size");
        check(in.expectNumber("size") == line.attributes.sizePt * 2,
              "the paragraph's size is the line's");
        const bool bold = in.take("\\b ");
        check(bold || in.take("\\b0 "), "boldness");
        check(bold == line.attributes.bold, "the paragraph's boldness is the line's");
        check(in.text() == line.text, "the paragraph's text decodes to the line's");
        in.expect("\\par\r\n", "nothing but text escapes inside a paragraph, which ends it");
    }
    in.expect("}\r\n", "the document ends after the buffer's last line");
    check(in.atEnd(), "nothing after the document");
}

} // namespace

// The allocation stacks that the sanitizer records for each block pass through Qt's frames,
// built without frame pointers, and come out different at every run: recorded whole, they
// filled memory by a megabyte a run. The stack of a fault itself is still reported whole.
extern "C" const char* __asan_default_options() {
    return "malloc_context_size=1";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QString> texts = fuzz::utf16Texts(data, size, 2);
    tz::DocBuffer doc;
    tz::DocWriter writer(doc, tz::DocModeRichText);
    writer.AddHeader(texts.at(0), QString());
    writer.AddPara(QStringLiteral("Наименование программы: \"") + texts.at(0) + u'"');
    writer.AddH2(QStringLiteral("1.2. Назначение и область применения"));
    writer.AddPara(texts.at(1));
    writer.AddLine(QString());
    // The user's texts are in the buffer, line for line, so the read-back covers them.
    const QString all = doc.texts().join(u'\n');
    for (const QString& text : texts)
        check(all.contains(tz::splitLines(text).join(u'\n')), "the user's text is written");
    const QByteArray rtf = tz::rtfBytes(doc);
    checkBytesAndBraces(rtf);
    checkReadsBackAsTheBuffer(rtf, doc);

    tz::Block name = tz::paragraph(texts.at(0), tz::Align::Center, true, 14);
    name.unbreakable = true;
    tz::Block columns;
    columns.kind = tz::BlockKind::Columns;
    columns.left = {texts.at(0)};
    columns.right = {texts.at(1), QString()};
    tz::Block contents;
    contents.kind = tz::BlockKind::Contents;
    const tz::DocModel model{
        {texts.at(0), texts.at(1)},
        {{tz::SheetKind::Approval, {columns, name}},
         {tz::SheetKind::Contents, {contents}},
         {tz::SheetKind::Text, {tz::heading(1, texts.at(0)), tz::lines(texts.at(1), 1)}}}};
    QByteArray extended;
    QBuffer device(&extended);
    device.open(QIODevice::WriteOnly);
    tz::OutputStream out(device);
    tz::writeRtf(model, tz::paginate(model), out);
    check(out.finish(), "the extended document is written");
    checkBytesAndBraces(extended);
    return 0;
}
