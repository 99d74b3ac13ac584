// The HTML of the whole document, for any title, purpose and project identifier (any
// UTF-16 text), compared with the document for neutral placeholder texts:
//  - no "<", ">" or '"' of the user's reaches the output: each occurs exactly as often as
//    in the placeholder document, where only the fixed markup has them;
//  - no "&" of the user's reaches the output: every "&" starts one of the references the
//    writer makes (&amp; &lt; &gt; &quot; &#N;), as the placeholder document has none;
//  - the escaping loses nothing: the output, read as Windows-1251 with those references
//    resolved, is the placeholder document with each placeholder replaced by the user's
//    text, its line breaks written as CR LF and a lone surrogate as U+FFFD.
#include "docgen/documentcontent.h"
#include "docgen/docwriter.h"
#include "docgen/htmloutput.h"
#include "fuzzinput.h"
#include "project/codec1251.h"

#include <optional>
#include <utility>

using fuzz::check;

namespace {

QString html(const tz::DocumentInputs& inputs) {
    tz::DocBuffer doc;
    tz::BuildDocument(doc, tz::DocModeHtml, inputs);
    return tz::decode1251(tz::htmlBytes(doc));
}

// The text as the document should show it once its references are resolved.
QString shown(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            out += QLatin1String("\r\n");
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else {
            out += c.isSurrogate() ? QChar(QChar::ReplacementCharacter) : c;
        }
    }
    return out;
}

// The HTML with its character references resolved; nothing when an "&" starts anything
// else.
std::optional<QString> resolved(const QString& html) {
    static const std::pair<QLatin1String, char16_t> named[] = {
        {QLatin1String("&amp;"), u'&'},
        {QLatin1String("&lt;"), u'<'},
        {QLatin1String("&gt;"), u'>'},
        {QLatin1String("&quot;"), u'"'},
    };
    QString out;
    qsizetype i = 0;
    while (i < html.size()) {
        if (html.at(i) != u'&') {
            out += html.at(i++);
            continue;
        }
        const QStringView rest = QStringView(html).sliced(i);
        bool found = false;
        for (const auto& [entity, ch] : named) {
            if (rest.startsWith(entity)) {
                out += QChar(ch);
                i += entity.size();
                found = true;
                break;
            }
        }
        if (found)
            continue;
        if (!rest.startsWith(QLatin1String("&#")))
            return std::nullopt;
        const qsizetype end = rest.indexOf(u';');
        bool ok = false;
        const uint codePoint = end > 2 && end < 10 ? rest.sliced(2, end - 2).toUInt(&ok) : 0;
        if (!ok || codePoint > 0x10FFFF || QChar::isSurrogate(codePoint))
            return std::nullopt;
        // Not QString::fromUcs4, which drops a U+FEFF as a byte-order mark.
        if (QChar::requiresSurrogates(codePoint)) {
            out += QChar(QChar::highSurrogate(codePoint));
            out += QChar(QChar::lowSurrogate(codePoint));
        } else {
            out += QChar(char16_t(codePoint));
        }
        i += end + 1;
    }
    return out;
}

// The document for the placeholder texts, made once, and cut at its placeholders: the
// fixed pieces, and between each two the number of the input that stands there.
struct PlaceholderDocument {
    QString html;
    QStringList fixed;
    QList<int> inputs;
};

const PlaceholderDocument& placeholderDocument() {
    static const PlaceholderDocument document = [] {
        const QString placeholders[] = {QStringLiteral("@title@"), QStringLiteral("@purpose@"),
                                        QStringLiteral("@uid@")};
        PlaceholderDocument d;
        d.html = html({{placeholders[0], placeholders[1]}, placeholders[2]});
        QString piece;
        for (qsizetype i = 0; i < d.html.size();) {
            int found = -1;
            for (int k = 0; k < 3 && found < 0; ++k) {
                if (QStringView(d.html).sliced(i).startsWith(placeholders[k]))
                    found = k;
            }
            if (found < 0) {
                piece += d.html.at(i++);
                continue;
            }
            d.fixed.append(std::exchange(piece, QString()));
            d.inputs.append(found);
            i += placeholders[found].size();
        }
        d.fixed.append(piece);
        return d;
    }();
    return document;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QString> texts = fuzz::utf16Texts(data, size, 3);
    const PlaceholderDocument& neutral = placeholderDocument();
    const QString output = html({{texts.at(0), texts.at(1)}, texts.at(2)});

    for (const QChar markup : {u'<', u'>', u'"'})
        check(output.count(markup) == neutral.html.count(markup), "the user's < > \" are escaped");
    check(!neutral.html.contains(u'&'), "the fixed text has no & of its own");
    const std::optional<QString> read = resolved(output);
    check(read.has_value(), "every & starts a reference the writer makes");

    QString expected = neutral.fixed.at(0);
    for (qsizetype i = 0; i < neutral.inputs.size(); ++i)
        expected += shown(texts.at(neutral.inputs.at(i))) + neutral.fixed.at(i + 1);
    check(*read == expected, "the user's texts read back whole, where the placeholders were");
    return 0;
}
