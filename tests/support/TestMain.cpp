// Test entry point: a headless Qt application so widgets, timers and images work in every test.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/Random.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication app(argc, argv);
  SeedRandom(12345);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
