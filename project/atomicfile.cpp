#include "project/atomicfile.h"

#include "project/namelimit.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cstdio>
#include <optional>

namespace tz {
namespace {

// QSaveFile names its temporary file after the file with "." and six characters more.
constexpr qsizetype kTemporarySuffix = 7;

// QSaveFile syncs before it renames, but ignores a failing sync; a disk that fails there
// would see its data reported as saved.
bool syncToDisk(int handle) {
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

// Unbuffered, so that a short write is seen when it happens and not committed at the end.
bool writeAndSync(QFileDevice& file, const std::function<bool(QIODevice&)>& write) {
    return write(file) && file.flush() && syncToDisk(file.handle());
}

// The same steps as QSaveFile, with a temporary file whose name is cut to fit the file
// system: created new beside the file, written, given the file's permissions, synced, and
// renamed over the file.
bool writeThroughShortName(const QFileInfo& info, const std::function<bool(QIODevice&)>& write) {
    const QString folder = info.absolutePath();
    const QString stem =
        folder + u'/' + cutToFit(info.fileName(), kTemporarySuffix, nameLimit(folder)) + u'.';
    QFile temporary;
    for (int attempt = 0; attempt < 100 && !temporary.isOpen(); ++attempt) {
        temporary.setFileName(stem +
                              QString::number(QRandomGenerator::global()->bounded(1u << 30), 36)
                                  .rightJustified(6, u'0')
                                  .right(6));
        if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered) &&
            temporary.error() != QFileDevice::OpenError)
            return false;
    }
    if (!temporary.isOpen())
        return false;
    bool ok = writeAndSync(temporary, write) &&
              (!info.exists() || temporary.setPermissions(info.permissions()));
    temporary.close();
    ok = ok && temporary.error() == QFileDevice::NoError &&
         std::rename(QFile::encodeName(temporary.fileName()).constData(),
                     QFile::encodeName(info.absoluteFilePath()).constData()) == 0;
    if (!ok)
        temporary.remove();
    return ok;
}

// A link stands for the file it names, which the save writes; the link stays. Links are
// followed to the end, as the system follows them; none for a loop.
std::optional<QFileInfo> fileBehindLinks(const QString& path) {
    constexpr int kMostLinks = 40;
    QFileInfo info(path);
    for (int followed = 0; info.isSymLink(); ++followed) {
        if (followed == kMostLinks)
            return std::nullopt;
        info.setFile(info.symLinkTarget());
    }
    return info;
}

} // namespace

bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    const std::optional<QFileInfo> target = path.isEmpty() ? std::nullopt : fileBehindLinks(path);
    // Neither a device nor a folder is replaced.
    if (!target || (target->exists() && (!target->isFile() || !target->isWritable())))
        return false;
    const QFileInfo& info = *target;
    if (!fitsWithRoom(info.fileName(), kTemporarySuffix, nameLimit(info.absolutePath())))
        return writeThroughShortName(info, write);
    QSaveFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (!writeAndSync(file, write)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeFileAtomically(const QString& path, QByteArrayView bytes) {
    return writeFileAtomically(path, [&](QIODevice& device) {
        return device.write(bytes.data(), bytes.size()) == bytes.size();
    });
}

} // namespace tz
