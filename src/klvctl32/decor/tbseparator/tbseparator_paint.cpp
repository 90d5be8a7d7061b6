// KelvoTBSeparator's size and picture: the Show handling.
#include "klvctl32/decor/tbseparator/tbseparator.h"

namespace kelvo::klvctl32 {

// Height first (when AutoHeight asks for one), then the two-pixel width; each
// change makes the container deliver a nested Resize that runs this again.
void KelvoTBSeparator::ApplySize() {
  if (autoHeight_ == 1) {
    RequestSize(Site().Width(), MulTwips(22, PxY()));
  } else if (autoHeight_ == 2) {
    RequestSize(Site().Width(), MulTwips(37, PxY()));
  }
  RequestSize(MulTwips(2, PxX()), Site().Height());
}

// Shadow column 0 and light column 1, from the top to the last row but one;
// the bottom row keeps the background. Nothing is cleared first.
void KelvoTBSeparator::Show() {
  ApplySize();
  const Twips16 px = PxX();
  const Twips16 bottom = RoundTwips(Site().Height() - PxY());
  DrawLine(0, 0, 0, bottom, shadow3DColor_);
  DrawLine(px, 0, px, bottom, light3DColor_);
}

}  // namespace kelvo::klvctl32
