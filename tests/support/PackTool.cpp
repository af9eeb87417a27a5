// Running the pack tool from the program folder.
#include "PackTool.h"

#include <QCoreApplication>
#include <QProcess>

ToolRun PuzzlePack(const QStringList& args) {
  QProcess tool;
  tool.start(QCoreApplication::applicationDirPath() + "/puzzle-pack", args);
  if (!tool.waitForFinished(120000)) return {-1, {}, "puzzle-pack did not finish: " + tool.errorString()};
  return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()),
          QString::fromUtf8(tool.readAllStandardError())};
}
