#include "klvctl32/host/control_base.h"

#include "klvctl32/host/module.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32 {

namespace {

// Counts one level of nested size requests for the lifetime of a request.
class DepthGuard {
 public:
  explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
  ~DepthGuard() { --depth_; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  int& depth_;
};

}  // namespace

ControlBase::ControlBase() : Object(Module()) {}

forms::IControlSite& ControlBase::Site() const {
  if (site_ == nullptr) throw com::Error(com::err::kObjectNotSet);
  return *site_;
}

com::ComPtr<com::IDispatch> ControlBase::Extender() const {
  com::ComPtr<com::IDispatch> extender = Site().Extender();
  if (!extender) throw com::Error(com::err::kObjectNotSet);
  return extender;
}

void ControlBase::CacheScreenFactors() {
  pxX_ = ClampTwips(Site().TwipsPerPixelX());
  pxY_ = ClampTwips(Site().TwipsPerPixelY());
}

void ControlBase::DrawLine(Twips16 x1, Twips16 y1, Twips16 x2, Twips16 y2, gfx::OleColor color) const {
  Surface().Line(x1, y1, x2, y2, color);
}

void ControlBase::RaiseEvent(std::u16string_view name, std::span<com::Variant> args) const {
  Site().RaiseEvent(name, args);
}

void ControlBase::PropertyChanged(std::u16string_view name) const { Site().PropertyChanged(name); }

void ControlBase::RequestSize(double width, double height) {
  forms::IControlSite& site = Site();
  if (site.Width() == width && site.Height() == height) return;
  if (sizeRequestDepth_ >= kMaxNestedSizeRequests) return;
  const DepthGuard guard(sizeRequestDepth_);
  site.SetSize(width, height);
}

}  // namespace kelvo::klvctl32
