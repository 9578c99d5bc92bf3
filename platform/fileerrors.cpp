#include "platform/fileerrors.h"

#include <cerrno>

namespace platform {

QString fileErrorReason(int systemError)
{
    switch (systemError) {
    case ENOSPC:
        return QStringLiteral("нет места на диске");
    case EDQUOT:
        return QStringLiteral("превышена квота на диске");
    case EFBIG:
        return QStringLiteral("файл больше, чем разрешено в системе");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет доступа");
    case EISDIR:
        return QStringLiteral("это папка, а не файл");
    case ENOENT:
        return QStringLiteral("нет такого файла или папки");
    case ENOTDIR:
        return QStringLiteral("часть пути — не папка");
    case EROFS:
        return QStringLiteral("диск только для чтения");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя файла");
    case EIO:
        return QStringLiteral("ошибка ввода-вывода на диске");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("открыто слишком много файлов");
    case 0:
        return QStringLiteral("причина неизвестна");
    default:
        return QStringLiteral("системная ошибка %1").arg(systemError);
    }
}

}  // namespace platform
