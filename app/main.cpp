// Program start: the application, the three windows, then the status loop and the message loop.
#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return 0;
}
