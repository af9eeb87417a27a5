// The program folder.
#include "platform/ProgramFolder.h"

#include <QCoreApplication>

namespace {
QString& OverriddenFolder() {
  static QString folder;
  return folder;
}
}  // namespace

QString ProgramFolder() {
  if (!OverriddenFolder().isEmpty()) return OverriddenFolder();
  QString folder = QCoreApplication::applicationDirPath();
  if (!folder.endsWith('/')) folder += '/';
  return folder;
}

void SetProgramFolder(const QString& folder) {
  OverriddenFolder() = folder.isEmpty() || folder.endsWith('/') ? folder : folder + '/';
}
