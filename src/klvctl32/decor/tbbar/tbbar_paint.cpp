// KelvoTBBar's picture and size: the Resize and Show handling, the automatic
// height, the grip ridges and the frame routine.
#include "klvctl32/decor/tbbar/tbbar.h"

namespace kelvo::klvctl32 {

void KelvoTBBar::Resize() {
  Surface().Clear();
  ApplyAutoHeight();
  DrawGripLines();
  DrawOuterFrame();
  RaiseEvent(u"Resize");
}

// Like Resize, without clearing and without the event.
void KelvoTBBar::Show() {
  ApplyAutoHeight();
  DrawGripLines();
  DrawOuterFrame();
}

// 22 + 4 pixels for kcBarTo16x16, 37 + 4 for any other value but kcNone.
void KelvoTBBar::ApplyAutoHeight() {
  if (autoHeight_ == kcNone) return;
  const Twips16 pixels = autoHeight_ == kcBarTo16x16 ? 22 + 4 : 37 + 4;
  RequestSize(Site().Width(), MulTwips(pixels, PxY()));
}

void KelvoTBBar::DrawGripLines() {
  if (!showLeftLines_) return;
  const Twips16 px = PxX();
  const Twips16 py = PxY();
  const Twips16 y2 = RoundTwips(Site().Height() - MulTwips(3, py));
  DrawBarFrame(MulTwips(4, px), MulTwips(2, py), MulTwips(6, px), y2);
  if (showTwoLeftLines_) DrawBarFrame(MulTwips(7, px), MulTwips(2, py), MulTwips(9, px), y2);
}

void KelvoTBBar::DrawOuterFrame() {
  DrawBarFrame(0, 0, RoundTwips(Site().Width() - PxX()), RoundTwips(Site().Height() - PxY()));
}

// Light top row (x1 .. x2-1) and left column (y1 .. y2, so the bottom-left
// corner is light); shadow bottom row (x1+1 .. x2) and right column
// (y1 .. y2-1).
void KelvoTBBar::DrawBarFrame(Twips16 x1, Twips16 y1, Twips16 x2, Twips16 y2) const {
  const Twips16 px = PxX();
  const Twips16 py = PxY();
  DrawLine(x1, y1, x2, y1, light3DColor_);
  DrawLine(AddTwips(x1, px), y2, AddTwips(x2, px), y2, shadow3DColor_);
  DrawLine(x1, y1, x1, AddTwips(y2, py), light3DColor_);
  DrawLine(x2, y1, x2, y2, shadow3DColor_);
}

}  // namespace kelvo::klvctl32
