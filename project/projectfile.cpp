#include "project/projectfile.h"

#include "project/atomicfile.h"
#include "project/codec1251.h"
#include "project/projecttext.h"
#include "project/regularfile.h"
#include "project/sizelimits.h"
#include "project/textlines.h"

#include <new>

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

namespace {

// True when every line break in the entry is already CR LF, as in a memo's text; such an
// entry is written as it stands. Found with the vectorised searches for single characters.
bool breaksAreCrLf(QStringView entry) {
    for (qsizetype i = entry.indexOf(u'\r'); i >= 0; i = entry.indexOf(u'\r', i + 1)) {
        if (i + 1 == entry.size() || entry[i + 1] != u'\n')
            return false;
    }
    for (qsizetype i = entry.indexOf(u'\n'); i >= 0; i = entry.indexOf(u'\n', i + 1)) {
        if (i == 0 || entry[i - 1] != u'\r')
            return false;
    }
    return true;
}

} // namespace

// Encoded straight into the file's bytes: the text is not first put together whole.
ProjectBytes serializeProject(const QStringList& text) {
    // A line break that is one character in an entry becomes two bytes, so an entry takes
    // at most twice its length; pages of the room never written take no memory.
    qsizetype room = 0;
    for (const QString& entry : text)
        room += 2 * entry.size() + 2;
    ProjectBytes out;
    out.bytes.resize(room);
    char* end = out.bytes.data();
    auto line = [&](QStringView part) {
        end = write1251(part, end, out.unencodable);
        *end++ = '\r';
        *end++ = '\n';
    };
    for (const QString& entry : text) {
        if (breaksAreCrLf(entry))
            line(entry);
        else
            line(forEachEndedLine(QStringView(entry), line));
    }
    out.bytes.truncate(end - out.bytes.constData());
    return out;
}

namespace {

// The lines of the text as parseProjectBytes reads them, up to the first NUL.
qsizetype lineCount(QByteArrayView bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    qsizetype lines = bytes.isEmpty() || bytes.back() == '\n' || bytes.back() == '\r' ? 0 : 1;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++lines;
    }
    return lines;
}

} // namespace

QString readErrorMessage(ReadError error, const QString& path) {
    switch (error) {
    case ReadError::TooLarge:
        return QStringLiteral("Файл ") + path +
               QStringLiteral(" слишком велик для технического задания: мастер открывает файлы до "
                              "512 МиБ и до 20 000 000 строк");
    case ReadError::NoMemory:
        return QStringLiteral("Не хватает памяти, чтобы открыть файл ") + path;
    case ReadError::None:
    case ReadError::CannotOpen:
        break;
    }
    return QStringLiteral("Не удается открыть файл ") + path;
}

ProjectFileBytes readProjectFileBytes(const QString& path) {
    RegularFile file = readRegularFile(path, limits::kProjectBytes);
    switch (file.status) {
    case RegularFile::Status::Read:
        break;
    case RegularFile::Status::TooLarge:
        return {ReadError::TooLarge, {}};
    case RegularFile::Status::NoMemory:
        return {ReadError::NoMemory, {}};
    default:
        return {ReadError::CannotOpen, {}};
    }
    if (lineCount(file.bytes) > limits::kProjectLines)
        return {ReadError::TooLarge, {}};
    return {ReadError::None, std::move(file.bytes)};
}

LoadResult loadProjectFile(const QString& path) {
    ProjectFileBytes file = readProjectFileBytes(path);
    if (file.error != ReadError::None)
        return {false, {}, false, {}, file.error};
    try {
        QStringList text = parseProjectBytes(file.bytes);
        return {true, std::move(text), file.bytes.isEmpty(), stampOf(path, file.bytes)};
    } catch (const std::bad_alloc&) {
        return {false, {}, false, {}, ReadError::NoMemory};
    }
}

SaveResult saveProjectFile(const QString& path, const QStringList& text) {
    ProjectBytes out = serializeProject(text);
    int error = 0;
    if (!writeFileAtomically(path, out.bytes, &error))
        return {false, std::move(out.unencodable), {}, error};
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
