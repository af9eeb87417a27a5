// Failed writes explained in Russian.
#include "platform/WriteErrorText.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

QString WriteErrorText(const QString& fileName, int errorNumber) {
  const QString folder = QDir::toNativeSeparators(QFileInfo(fileName).absolutePath());
  // Whatever the error number says, a missing folder is the plainest explanation.
  if (!QFileInfo(folder).isDir()) return QString("папки «%1» нет").arg(folder);
  switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return "на диске нет места";
    case EACCES:
    case EPERM: return QString("нет прав на запись в папку «%1»").arg(folder);
    case EROFS: return QString("папка «%1» только для чтения").arg(folder);
    case ENOENT:
    case ENOTDIR: return QString("папки «%1» нет").arg(folder);
    case EISDIR: return "на месте файла стоит папка";
    case EIO: return "диск не отвечает (ошибка ввода-вывода)";
    default: return QString("ошибка записи (код %1)").arg(errorNumber);
  }
}
