// make-art OUTDIR: draws every resource picture of the game into OUTDIR/resources.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "tools/art/Art.h"

namespace {
struct TArtFile {
  const char* path;
  QImage image;
  const char* format;
  int quality;
};

bool Save(const QDir& out, const TArtFile& file) {
  const QString path = out.filePath(file.path);
  if (!QDir().mkpath(QFileInfo(path).path()) || !file.image.save(path, file.format, file.quality)) {
    std::fprintf(stderr, "make-art: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s %dx%d\n", qPrintable(path), file.image.width(), file.image.height());
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  // Only fonts are needed, never a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-art OUTDIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const TArtFile files[] = {
      {"resources/backgrd/default.jpg", DrawTitlePicture(), "JPG", 92},
      {"resources/backgrd/bkg1.bmp", DrawMessagePanel(), "BMP", -1},
      {"resources/backgrd/bkg3.jpg", DrawWoodTexture(), "JPG", 95},
      {"resources/backgrd/search.bmp", DrawHintMarker(), "BMP", -1},
      {"resources/ui/button_grey.png", DrawButtonFace(TFaceColour::Grey, false), "PNG", -1},
      {"resources/ui/button_grey_down.png", DrawButtonFace(TFaceColour::Grey, true), "PNG", -1},
      {"resources/ui/button_yellow.png", DrawButtonFace(TFaceColour::Yellow, false), "PNG", -1},
      {"resources/ui/button_yellow_down.png", DrawButtonFace(TFaceColour::Yellow, true), "PNG", -1},
      {"resources/ui/star.png", DrawStar(28), "PNG", -1},
      {"resources/ui/turn_left10.png", DrawTurnIcon(true, 10), "PNG", -1},
      {"resources/ui/turn_left1.png", DrawTurnIcon(true, 1), "PNG", -1},
      {"resources/ui/turn_right10.png", DrawTurnIcon(false, 10), "PNG", -1},
      {"resources/ui/turn_right1.png", DrawTurnIcon(false, 1), "PNG", -1},
      {"resources/ui/icon.png", DrawWindowIcon(256), "PNG", -1},
      {"desktop/icons/48.png", DrawWindowIcon(48), "PNG", -1},
      {"desktop/icons/128.png", DrawWindowIcon(128), "PNG", -1},
      {"desktop/icons/256.png", DrawWindowIcon(256), "PNG", -1},
  };
  bool ok = true;
  for (const TArtFile& file : files) ok = Save(out, file) && ok;
  return ok ? 0 : 1;
}
