#include "project/namelimit.h"

#include <QFile>

#include <unistd.h>

namespace tz {
namespace {

qsizetype bytesOf(const QString& name) {
    return QFile::encodeName(name).size();
}

} // namespace

qsizetype nameLimit(const QString& folder) {
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return limit > 0 ? qsizetype(limit) : 255;
}

bool fitsWithRoom(const QString& name, qsizetype room, qsizetype limit) {
    return bytesOf(name) + room <= limit;
}

QString cutToFit(const QString& name, qsizetype room, qsizetype limit) {
    QString cut = name;
    while (!cut.isEmpty() && !fitsWithRoom(cut, room, limit))
        cut.chop(cut.size() >= 2 && cut.at(cut.size() - 1).isLowSurrogate() ? 2 : 1);
    return cut;
}

} // namespace tz
