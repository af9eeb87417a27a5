// The game as a freshly started program in a throw-away folder.
#include "TestProgram.h"

#include "engine/PicPuzzle.h"
#include "platform/ProgramFolder.h"
#include "ui/FirstTips.h"

void ResetPuzzle() {
  Puzzle = TPicPuzzle();
  msec = sec = min = 0;
}

TestProgram::TestProgram() : runConfig_(qgetenv("XDG_CONFIG_HOME")) {
  qputenv("XDG_CONFIG_HOME", config.Path().toUtf8());
  MarkAllTipsSeen();
  ResetPuzzle();
  SetProgramFolder(folder.Path());
  SetMessageBoxHook([this](const QString& text, const QString& caption, TMsgIcon, TMsgButtons buttons) {
    messages << caption + "|" + text;
    return buttons == TMsgButtons::YesNo ? answer : TMsgResult::Ok;
  });
}

TestProgram::~TestProgram() {
  ResetPuzzle();
  SetMessageBoxHook(nullptr);
  SetProgramFolder(QString());
  qputenv("XDG_CONFIG_HOME", runConfig_);
}
