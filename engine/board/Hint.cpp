// The paid hint: a marker flashes for 400 ms over the home of the piece in the player's hand.
#include <QImage>
#include <QThread>

#include "engine/PicPuzzle.h"
#include "pieces/LibStorage.h"
#include "pieces/RotLayer.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "view/ImageView.h"

namespace {
constexpr int kShowMilliseconds = 400;
constexpr int kLightestKept = 239;

// The marker's light background becomes see-through.
void KeyOutLightPixels(TBitmap32& marker) {
  for (int y = 0; y < marker.Height(); ++y) {
    TColor32* row = marker.ScanLine(y);
    for (int x = 0; x < marker.Width(); ++x)
      if (PixelGray(row[x]) > kLightestKept) row[x] &= 0x00FFFFFF;
  }
  marker.Changed();
}
}  // namespace

int TPicPuzzle::HelpClick() {
  if (GameStatus.IdStep != stPlaying) return 0;
  TakeLastPieceIntoHand();
  TRotLayer* piece = FindBoardLayer(GameStatus.PicLayer_Index);
  if (!piece) return 0;

  // A marker that cannot be read leaves the board as it was and costs nothing.
  QImage picture;
  if (!picture.load(ResourceFolder() + kHintMarkerPicture, "BMP")) {
    ReportOnce("hint-marker", QString("Не удалось загрузить файл подсказки %1").arg(kHintMarkerPicture));
    return 0;
  }

  const TPicClip& home = Pic[GameStatus.PicLayer_Index];
  Im_Bkg->BeginUpdate();
  FSelection = nullptr;
  auto* marker = new TRotLayer(&Im_Bkg->Layers());
  marker->Bitmap().AssignImage(picture);
  KeyOutLightPixels(marker->Bitmap());
  marker->Tag = tagHintMarker;
  marker->Bitmap().SetDrawMode(dmBlend);
  marker->Bitmap().SetMasterAlpha(kOpaqueAlpha);
  const float width = marker->Bitmap().Width(), height = marker->Bitmap().Height();
  marker->SetBitmapCenter({width / 2, height / 2});
  marker->SetPosition({width / 2 + home.Left + home.Width / 2.0f, height / 2 + home.Top + home.Height / 2.0f});
  marker->SetAngle(0);
  marker->SetScaled(true);
  Im_Bkg->RepaintNow();
  Im_Bkg->EndUpdate();

  QThread::msleep(kShowMilliseconds);

  Im_Bkg->BeginUpdate();
  delete marker;
  Im_Bkg->RepaintNow();
  Im_Bkg->EndUpdate();
  SetSelection(nullptr);
  return 1;
}
