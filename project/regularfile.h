#pragma once

#include <QByteArray>
#include <QString>

namespace tz {

// The bytes of a regular file, read only when it is one and not larger than the limit, so
// that a FIFO, a device, a folder or a huge file neither blocks nor exhausts the program.
struct RegularFile {
    enum class Status {
        Read,
        Missing,   // nothing has the name
        NotAFile,  // a FIFO, a device, a folder or a dangling link
        TooLarge,  // larger than the limit, found before reading it
        NoMemory,  // the bytes do not fit in memory
        Unreadable // no rights, an error while reading
    };
    Status status = Status::Unreadable;
    QByteArray bytes;
};
RegularFile readRegularFile(const QString& path, qint64 limit);

} // namespace tz
