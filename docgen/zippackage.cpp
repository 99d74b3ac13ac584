#include "docgen/zippackage.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <zlib.h>

#include <algorithm>

namespace tz {
namespace {

constexpr qsizetype kXmlPiece = 1 << 19;

bool isXmlCharacter(char16_t ch) {
    return ch >= 0x20 ? ch != 0xfffe && ch != 0xffff : ch == u'\t' || ch == u'\n' || ch == u'\r';
}

} // namespace

ZipPackage::ZipPackage(QIODevice& device) : m_zip(std::make_unique<QuaZip>(&device)) {
    // The device belongs to the caller, who commits a file once everything is written.
    m_zip->setAutoClose(false);
    m_failed = !m_zip->open(QuaZip::mdCreate);
    m_file = std::make_unique<QuaZipFile>(m_zip.get());
}

ZipPackage::~ZipPackage() = default;

void ZipPackage::open(const QString& name, bool stored) {
    if (m_failed)
        return;
    QuaZipNewInfo info(name);
    // Deflating fast: a document's text squeezes well at the first level too, in a fraction
    // of the time.
    m_failed = !m_file->open(QIODevice::WriteOnly, info, nullptr, 0, stored ? 0 : Z_DEFLATED,
                             stored ? 0 : 1);
}

void ZipPackage::add(const QString& name, const QByteArray& bytes, bool stored) {
    open(name, stored);
    if (m_failed)
        return;
    m_failed = m_file->write(bytes) != bytes.size();
    m_file->close();
    m_failed = m_failed || m_file->getZipError() != ZIP_OK;
}

QXmlStreamWriter& ZipPackage::beginXml(const QString& name) {
    open(name, false);
    m_xmlText.clear();
    m_xml.writeStartDocument();
    return m_xml;
}

// What was made by hand always precedes the writer's text that is still held.
void ZipPackage::flushXml(bool force) {
    if (!force && m_raw.size() + m_xmlText.size() < kXmlPiece)
        return;
    if (!m_xmlText.isEmpty())
        m_raw += m_xmlText.toUtf8();
    if (!m_failed && !m_raw.isEmpty())
        m_failed = m_file->write(m_raw) != m_raw.size();
    m_raw.truncate(0);
    m_xmlText.truncate(0);
}

void ZipPackage::writeRawXml(QByteArrayView bytes) {
    // Ends a start tag the writer still holds open.
    m_xml.writeCharacters(QString());
    if (!m_xmlText.isEmpty())
        m_raw += m_xmlText.toUtf8();
    m_xmlText.truncate(0);
    m_raw.append(bytes);
    flushXml();
}

void ZipPackage::endXml() {
    flushXml(true);
    m_xml.writeEndDocument();
    flushXml(true);
    if (m_failed)
        return;
    m_file->close();
    m_failed = m_file->getZipError() != ZIP_OK;
}

bool ZipPackage::finish() {
    m_zip->close();
    return !m_failed && m_zip->getZipError() == ZIP_OK;
}

void appendXmlText(QByteArray& out, QStringView text) {
    // Written through a pointer into room made beforehand: at most five bytes a character.
    const qsizetype start = out.size();
    out.resize(start + text.size() * 5);
    char* p = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text.at(i).unicode();
        if (ch < 0x80) {
            if (ch == u'&')
                p = std::copy_n("&amp;", 5, p);
            else if (ch == u'<')
                p = std::copy_n("&lt;", 4, p);
            else if (ch == u'>')
                p = std::copy_n("&gt;", 4, p);
            else if (isXmlCharacter(ch))
                *p++ = char(ch);
        } else if (ch < 0x800) {
            *p++ = char(0xc0 | (ch >> 6));
            *p++ = char(0x80 | (ch & 0x3f));
        } else if (QChar::isHighSurrogate(ch) && i + 1 < text.size() &&
                   text.at(i + 1).isLowSurrogate()) {
            const char32_t c = QChar::surrogateToUcs4(ch, text.at(++i).unicode());
            *p++ = char(0xf0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3f));
            *p++ = char(0x80 | ((c >> 6) & 0x3f));
            *p++ = char(0x80 | (c & 0x3f));
        } else if (!QChar::isSurrogate(ch) && isXmlCharacter(ch)) {
            *p++ = char(0xe0 | (ch >> 12));
            *p++ = char(0x80 | ((ch >> 6) & 0x3f));
            *p++ = char(0x80 | (ch & 0x3f));
        }
    }
    out.truncate(p - out.constData());
}

QString xmlSafe(QStringView text) {
    QString safe;
    safe.reserve(text.size());
    for (const QChar ch : text) {
        if (isXmlCharacter(ch.unicode()))
            safe += ch;
    }
    return safe;
}

} // namespace tz
