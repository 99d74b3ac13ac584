#include "project/atomicfile.h"

#include "project/inplacewrite.h"
#include "project/temporaryfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tz {
namespace {

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

// The file as writers see it: a write that the system takes only in part (a full disk, a
// limit on the file's size) fails as a whole and is remembered, as a writer such as
// QPdfWriter does not look at what its writes return.
class CheckedFile : public QIODevice {
public:
    explicit CheckedFile(QFile& file) : m_file(file) { open(QIODevice::WriteOnly); }
    bool failed() const { return m_failed; }
    // A ZIP package goes back to fill in what its members' headers could not know before.
    bool seek(qint64 position) override {
        return QIODevice::seek(position) && m_file.seek(position);
    }
    qint64 size() const override { return m_file.size(); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (m_failed || m_file.write(data, size) != size) {
            m_failed = true;
            return -1;
        }
        return size;
    }

private:
    QFile& m_file;
    bool m_failed = false;
};

// Unbuffered, so that a short write is seen when it happens and not committed at the end.
bool writeTo(int handle, const std::function<bool(QIODevice&)>& write) {
    QFile file;
    if (!file.open(handle, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::DontCloseHandle))
        return false;
    CheckedFile checked(file);
    return write(checked) && !checked.failed() && file.flush() &&
           file.error() == QFileDevice::NoError;
}

// Written whole into a temporary file beside the file, which then takes its place. The file's
// permissions carry over; a new file gets those the umask leaves. Synced before, as a disk
// whose sync fails has not kept what it was given.
bool replaceByRename(const QFileInfo& target, const struct stat* existing,
                     const std::function<bool(QIODevice&)>& write, int& error) {
    // Private until it has the file's permissions.
    TemporaryFile temporary(target.absolutePath(), target.fileName(), existing ? 0600 : 0666);
    const bool written =
        temporary.isOpen() && writeTo(temporary.handle(), write) &&
        (!existing || ::fchmod(temporary.handle(), existing->st_mode & 0777) == 0) &&
        ::fsync(temporary.handle()) == 0 &&
        temporary.replace(QFile::encodeName(target.absoluteFilePath()));
    // Taken before the temporary file goes, which may change errno again.
    error = written ? 0 : errno;
    return written;
}

// What the file is, when it is no file that can be written.
int refusal(const QFileInfo& target) {
    if (target.isDir())
        return EISDIR;
    return target.isFile() ? EACCES : EINVAL;
}

} // namespace

bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         int* error) {
    int failure = 0;
    const auto done = [&](bool written) {
        if (error)
            *error = written ? 0 : failure ? failure : EIO;
        return written;
    };
    const std::optional<QFileInfo> target = path.isEmpty() ? std::nullopt : fileBehindLinks(path);
    if (!target) {
        failure = path.isEmpty() ? ENOENT : ELOOP;
        return done(false);
    }
    // Neither a device nor a folder is replaced.
    if (target->exists() && (!target->isFile() || !target->isWritable())) {
        failure = refusal(*target);
        return done(false);
    }
    struct stat existing;
    if (::stat(QFile::encodeName(target->absoluteFilePath()).constData(), &existing) != 0)
        return done(replaceByRename(*target, nullptr, write, failure));
    if (existing.st_nlink > 1) {
        const bool written = writeInPlace(target->absoluteFilePath(),
                                          [&](int handle) { return writeTo(handle, write); });
        failure = errno;
        return done(written);
    }
    return done(replaceByRename(*target, &existing, write, failure));
}

bool writeFileAtomically(const QString& path, QByteArrayView bytes, int* error) {
    return writeFileAtomically(
        path,
        [&](QIODevice& device) { return device.write(bytes.data(), bytes.size()) == bytes.size(); },
        error);
}

QString writeFailureReason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("нет доступа");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("нет места на диске");
    case EFBIG:
        return QStringLiteral("файл слишком велик для этого диска");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("папка не найдена");
    case EISDIR:
        return QStringLiteral("под этим именем папка");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя файла");
    case ELOOP:
        return QStringLiteral("ссылки на файл замкнуты в круг");
    case EINVAL:
        return QStringLiteral("под этим именем не обычный файл");
    default:
        return QStringLiteral("ошибка записи на диск");
    }
}

} // namespace tz
