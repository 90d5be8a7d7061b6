// KelvoLine3D's picture: DrawLine3D.
#include "klvctl32/decor/line3d/line3d.h"

namespace kelvo::klvctl32 {

// Forces the thickness to two pixels across the line (the container delivers
// the nested Resize, which draws again), then draws the two rows or columns
// along the full length. Nothing is cleared first.
void KelvoLine3D::DrawLine3D() {
  const bool raised = lineStyle_ == LnRaised;
  const gfx::OleColor first = raised ? light3DColor_ : shadow3DColor_;
  const gfx::OleColor second = raised ? shadow3DColor_ : light3DColor_;
  const Twips16 px = PxX();
  const Twips16 py = PxY();
  if (lineOrientation_ == LnHorizontal) {
    RequestSize(Site().Width(), MulTwips(2, py));
    DrawLine(0, 0, RoundTwips(Site().Width()), 0, first);
    DrawLine(0, py, RoundTwips(Site().Width()), py, second);
  } else {
    RequestSize(MulTwips(2, px), Site().Height());
    DrawLine(0, 0, 0, RoundTwips(Site().Height()), first);
    DrawLine(px, 0, px, RoundTwips(Site().Height()), second);
  }
}

}  // namespace kelvo::klvctl32
