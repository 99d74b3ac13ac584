#include "docgen/zippackage.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <zlib.h>

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

void ZipPackage::flushXml(bool force) {
    if (!force && m_xmlText.size() < kXmlPiece)
        return;
    const QByteArray bytes = m_xmlText.toUtf8();
    if (!m_failed)
        m_failed = m_file->write(bytes) != bytes.size();
    m_xmlText.truncate(0);
}

void ZipPackage::endXml() {
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
