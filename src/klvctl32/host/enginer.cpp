#include "klvctl32/host/enginer.h"

#include "klvctl32/host/enginer_typeinfo.h"

namespace kelvo::klvctl32 {

const com::CoClassInfo& KelvoEnginer::Info() { return KelvoEnginerInfo(); }

// No properties, no methods and nothing persisted.
const ControlTable<KelvoEnginer>& KelvoEnginer::Table() {
  static const ControlTable<KelvoEnginer> table;
  return table;
}

KelvoEnginer::~KelvoEnginer() { SetTimerEnabled(false); }

void KelvoEnginer::Initialize() { CacheScreenFactors(); }

// The timer runs only at run time.
void KelvoEnginer::Show() { SetTimerEnabled(Site().AmbientUserMode()); }

// Image1 stays at the top left; the control is the picture plus 4 pixels each way.
void KelvoEnginer::Resize() {
  RequestSize(MulTwips(kPictureWidth + 4, PxX()), MulTwips(kPictureHeight + 4, PxY()));
  DrawImage1();
}

void KelvoEnginer::Paint() { DrawImage1(); }

void KelvoEnginer::Terminate() { SetTimerEnabled(false); }

void KelvoEnginer::SetTimerEnabled(bool enabled) {
  if (enabled == timer_.has_value()) return;
  win::WindowSystem& ws = win::WindowSystem::Get();
  if (enabled) {
    timer_ = ws.SetTimer(kTickMs, [this] { FocusSweep(); });
  } else {
    ws.KillTimer(*timer_);
    timer_.reset();
  }
}

void KelvoEnginer::DrawImage1() {
  Surface().PaintPicture(Picture(), 0, 0, MulTwips(kPictureWidth, PxX()), MulTwips(kPictureHeight, PxY()));
}

}  // namespace kelvo::klvctl32
