// The game as a freshly started program in a throw-away folder.
#include "TestProgram.h"

#include "engine/PicPuzzle.h"
#include "platform/ProgramFolder.h"

void ResetPuzzle() {
  Puzzle = TPicPuzzle();
  msec = sec = min = 0;
}

TestProgram::TestProgram() {
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
}
