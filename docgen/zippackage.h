#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>

#include <memory>

class QIODevice;
class QuaZip;
class QuaZipFile;

namespace tz {

// A ZIP package written member by member straight to its device (QuaZip): a word
// processor's document.
class ZipPackage {
public:
    explicit ZipPackage(QIODevice& device);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    // A member of the given bytes; uncompressed when it is to be read without unpacking.
    void add(const QString& name, const QByteArray& bytes, bool stored = false);

    // Starts a member written as XML through the writer; endXml() ends it. The XML is
    // handed over in pieces: call flushXml() between the parts of a large member.
    QXmlStreamWriter& beginXml(const QString& name);
    void flushXml(bool force = false);
    // XML made by hand, between the writer's own elements: the many paragraphs of a large
    // text, whose markup is the same each time.
    void writeRawXml(QByteArrayView bytes);
    void endXml();

    // Writes the directory; false when anything failed on the way.
    bool finish();

private:
    void open(const QString& name, bool stored);

    std::unique_ptr<QuaZip> m_zip;
    std::unique_ptr<QuaZipFile> m_file;
    QString m_xmlText;
    QByteArray m_raw;
    QXmlStreamWriter m_xml{&m_xmlText};
    bool m_failed = false;
};

// Text as XML character data takes it: characters XML cannot hold are left out.
QString xmlSafe(QStringView text);
// The same, escaped and in UTF-8, appended to the bytes.
void appendXmlText(QByteArray& out, QStringView text);

} // namespace tz
