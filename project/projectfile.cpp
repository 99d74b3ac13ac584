#include "project/projectfile.h"

#include "project/atomicfile.h"
#include "project/codec1251.h"
#include "project/projecttext.h"
#include "project/textlines.h"

#include <QFile>
#include <QFileInfo>

namespace tz {

QStringList parseProjectBytes(QByteArrayView bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    QStringList lines;
    lines.reserve(bytes.size() / 16 + 1);
    // Each line is decoded on its own: no copy of the whole text is made on the way.
    const QByteArrayView tail =
        forEachEndedLine(bytes, [&](QByteArrayView line) { lines.append(decode1251(line)); });
    if (!tail.isEmpty())
        lines.append(decode1251(tail));
    return lines;
}

ProjectBytes serializeProject(const QStringList& text) {
    qsizetype total = 0;
    for (const QString& entry : text)
        total += entry.size() + 2;
    QString all;
    all.reserve(total);
    for (const QString& entry : text) {
        all.append(forEachEndedLine(QStringView(entry), [&](QStringView line) {
            all.append(line);
            all.append(u"\r\n");
        }));
        all.append(u"\r\n");
    }
    Encoded1251 encoded = encode1251(all);
    return {std::move(encoded.bytes), std::move(encoded.unencodable)};
}

LoadResult loadProjectFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    return {true, parseProjectBytes(bytes), bytes.isEmpty(), stampOf(path, bytes)};
}

SaveResult saveProjectFile(const QString& path, const QStringList& text) {
    ProjectBytes out = serializeProject(text);
    if (!writeFileAtomically(path, out.bytes))
        return {false, std::move(out.unencodable), {}};
    return {true, std::move(out.unencodable), stampOf(path, out.bytes)};
}

bool looksLikeProject(const LoadResult& loaded) {
    if (loaded.empty)
        return true;
    for (const QString& line : loaded.text) {
        if (isProjectKey(line))
            return true;
    }
    return false;
}

} // namespace tz
