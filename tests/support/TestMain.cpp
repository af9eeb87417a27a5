// Test entry point: a headless Qt application so widgets, timers and images work in every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/Random.h"
#include "support/ScreenConfig.h"

int main(int argc, char** argv) {
  // The player's settings of a test run, and of the games it starts, stay in a folder of the run's own.
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  // Unless a test asks for other screens, the window tests run on one desktop of an ordinary size.
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen")
    qputenv("QT_QPA_PLATFORM", OffscreenPlatform(config.path(), {{0, 0, 1920, 1200}}).toUtf8());
  qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication app(argc, argv);
  SeedRandom(12345);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
