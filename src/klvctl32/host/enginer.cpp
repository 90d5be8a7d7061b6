#include "klvctl32/host/enginer.h"

#include "klvctl32/host/enginer_typeinfo.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoEnginer::Info() { return KelvoEnginerInfo(); }

// No properties, no methods and nothing persisted.
const ControlTable<KelvoEnginer>& KelvoEnginer::Table() {
  static const ControlTable<KelvoEnginer> table;
  return table;
}

void KelvoEnginer::Initialize() { CacheScreenFactors(); }

// The timer runs only at run time.
void KelvoEnginer::Show() {
  if (!Site().AmbientUserMode()) {
    timer_.Stop();
  } else if (!timer_.Running()) {
    timer_.Start(kTickMs, [this] { FocusSweep(); });
  }
}

// Image1 stays at the top left; the control is the picture plus 4 pixels each way.
void KelvoEnginer::Resize() {
  RequestSize(MulTwips(kPictureWidth + 4, PxX()), MulTwips(kPictureHeight + 4, PxY()));
  DrawImage1();
}

void KelvoEnginer::Paint() { DrawImage1(); }

void KelvoEnginer::Terminate() { timer_.Stop(); }

void KelvoEnginer::DrawImage1() {
  Surface().PaintPicture(Picture(), 0, 0, MulTwips(kPictureWidth, PxX()), MulTwips(kPictureHeight, PxY()));
}

}  // namespace kelvo::klvctl32
