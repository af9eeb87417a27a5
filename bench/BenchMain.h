// The main program of a benchmark: headless and silent unless told otherwise, inside the Qt application its code
// needs (QGuiApplication for images, QApplication for windows).
#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QtGlobal>

template <class Application>
int RunBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  Application app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
