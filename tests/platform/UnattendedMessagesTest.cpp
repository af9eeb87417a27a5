// When the session ends the game, a box goes to the standard error instead of waiting for a person.
#include <gtest/gtest.h>

#include <QStringList>

#include "platform/MessageBox.h"

namespace {
TEST(UnattendedMessages, ABoxAnswersNoAtOnceAndATestHookStaysInCharge) {
  {
    const TUnattendedMessages unattended;
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessageBox("Сохранить результаты игры?", "", TMsgIcon::Warning, TMsgButtons::YesNo), TMsgResult::No);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Сохранить результаты игры?"), std::string::npos);
  }
  QStringList seen;
  SetMessageBoxHook([&seen](const QString& text, const QString&, TMsgIcon, TMsgButtons) {
    seen << text;
    return TMsgResult::Yes;
  });
  {
    const TUnattendedMessages unattended;
    EXPECT_EQ(ShowMessageBox("вопрос", "", TMsgIcon::Warning, TMsgButtons::YesNo), TMsgResult::Yes);
  }
  EXPECT_EQ(ShowMessageBox("ещё", "", TMsgIcon::Warning, TMsgButtons::YesNo), TMsgResult::Yes);
  SetMessageBoxHook(nullptr);
  EXPECT_EQ(seen, QStringList({"вопрос", "ещё"}));
}
}  // namespace
