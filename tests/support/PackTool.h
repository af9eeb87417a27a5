// Running the pack tool, built beside the test programs, as a pack author would.
#pragma once

#include <QString>
#include <QStringList>

struct ToolRun {
  int code;
  QString out;  // standard output
  QString err;  // standard error
  QString Both() const { return out + err; }
};

// Runs puzzle-pack with the arguments and waits for it; a tool that hangs gives code -1.
ToolRun PuzzlePack(const QStringList& args);
