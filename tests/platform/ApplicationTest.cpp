// The game's face to the desktop: Russian standard buttons, its name for empty captions, and start-up notices
// that wait for the window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>

#include "platform/Application.h"
#include "platform/MessageBox.h"

namespace {
TEST(Application, StandardButtonsSpeakRussianAndEmptyCaptionsShowTheGamesName) {
  SetUpApplication();
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QString::fromUtf8(kGameName));
  QMessageBox box(QMessageBox::Warning, QString(), "?", QMessageBox::Yes | QMessageBox::No);
  // Qt's Russian catalogue leaves "OK" as it is, so only these two change.
  const std::pair<QMessageBox::StandardButton, const char*> cases[] = {{QMessageBox::Yes, "Да"},
                                                                       {QMessageBox::No, "Нет"}};
  for (const auto& [button, text] : cases)
    EXPECT_EQ(box.button(button)->text().remove('&'), QString::fromUtf8(text)) << text;
}

TEST(HeldMessages, NoticesOfTheStartUpWaitForTheWindowButQuestionsDoNot) {
  QStringList shown;
  SetMessageBoxHook([&](const QString& text, const QString&, TMsgIcon, TMsgButtons) {
    shown << text;
    return TMsgResult::Yes;
  });
  HoldMessages();
  ShowMessageBox("no sound device", "Внимание", TMsgIcon::Warning);
  ReportError("bad picture");
  EXPECT_EQ(ShowMessageBox("save?", "", TMsgIcon::Warning, TMsgButtons::YesNo), TMsgResult::Yes);
  EXPECT_EQ(shown, QStringList{"save?"});
  ShowHeldMessages();
  EXPECT_EQ(shown, (QStringList{"save?", "no sound device", "bad picture"}));
  ShowMessageBox("later", "", TMsgIcon::Information);
  EXPECT_EQ(shown.last(), "later");
  SetMessageBoxHook(nullptr);
}
}  // namespace
