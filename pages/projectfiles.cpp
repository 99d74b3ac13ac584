#include "pages/projectfiles.h"

#include "project/projectlock.h"
#include "project/projectsession.h"

namespace {

const QString kProjectFilter =
    QStringLiteral("Техническое задание (*.tz)|*.tz|Все файлы (*.*)|*.*");

QString heldOnAnotherHost(const QString& path, const tz::ProjectLock::Holder& holder) {
    QString who = QStringLiteral("на компьютере «") + holder.host + u'»';
    if (!holder.user.isEmpty())
        who += QStringLiteral(" (пользователь ") + holder.user + u')';
    return QStringLiteral("Проект ") + path + QStringLiteral(" открыт в мастере ") + who +
           QStringLiteral(" с ") + holder.since.toString(QStringLiteral("dd.MM.yyyy HH:mm")) +
           QStringLiteral(".\n\nЕсли тот мастер уже закрыт (например, компьютер выключили, не "
                          "закрыв его), откройте проект здесь. Если он ещё открыт, два мастера "
                          "будут записывать свои правки поверх друг друга.");
}

} // namespace

LockAnswer takeProjectLock(tz::ProjectLock& lock, const QString& path, UiSeam& seam,
                           QWidget* parent) {
    switch (lock.lock(path)) {
    case tz::ProjectLock::Outcome::Locked:
    case tz::ProjectLock::Outcome::Unavailable:
        return {true, QString()};
    case tz::ProjectLock::Outcome::HeldElsewhere:
        break;
    case tz::ProjectLock::Outcome::HeldOnAnotherHost:
        if (seam.choose(parent, heldOnAnotherHost(path, lock.holder()),
                        {QStringLiteral("Открыть здесь"), QStringLiteral("Отмена")}, 1) != 0)
            return {false, QString()};
        switch (lock.lockAnyway(path)) {
        case tz::ProjectLock::Outcome::Locked:
        case tz::ProjectLock::Outcome::Unavailable:
            return {true, QString()};
        default:
            break;
        }
        break;
    }
    return {false,
            QStringLiteral("Проект ") + path + QStringLiteral(" уже открыт в другом окне мастера")};
}

UiSeam::FileRequest projectOpenRequest() {
    return {kProjectFilter, QString(), QString(), false};
}

UiSeam::FileRequest projectSaveRequest() {
    return {kProjectFilter, QStringLiteral("tz"), QString(), true};
}

OpenAnswer openProjectFile(tz::ProjectSession& session, const QString& path, UiSeam& seam,
                           QWidget* parent) {
    tz::ProjectRead read = tz::readProjectAt(path);
    if (!read.error.isEmpty())
        return {false, read.error};
    const LockAnswer locked = takeProjectLock(session.lock(), read.path, seam, parent);
    if (!locked.taken)
        return {false, locked.message};
    session.open(std::move(read));
    return {true, QString()};
}

bool claimProjectFile(tz::ProjectSession& session, const QString& path, UiSeam& seam,
                      QWidget* parent) {
    const LockAnswer locked = takeProjectLock(session.lock(), path, seam, parent);
    if (!locked.taken && !locked.message.isEmpty())
        seam.message(parent, locked.message);
    return locked.taken;
}
