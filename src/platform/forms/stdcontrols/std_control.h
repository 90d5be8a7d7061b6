#pragma once
// The base of the standard controls: reference counting, the site, dispatch
// through the derived class's member table, event raising and the drawing
// helpers they share. Derived classes provide:
//
//   static const com::CoClassInfo& Info();
//   static const com::DispatchMap<Derived>& Members();
//   void Draw();   // the whole picture, on Show, Resize, Paint and changes

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "platform/com/dispatch_map.h"
#include "platform/com/error.h"
#include "platform/com/object.h"
#include "platform/forms/control.h"
#include "platform/forms/interface_ids.h"
#include "platform/forms/stdcontrols/caption_text.h"
#include "platform/forms/stdobjects.h"

namespace kelvo::forms::stdcontrols {

// Shared behaviour that does not depend on the derived class.
class ControlCore {
 public:
  explicit ControlCore(IControlSite*& site) : site_(site) {}

  IControlSite& Site() const;
  gfx::Surface& Surface() const { return Site().Surface(); }
  int PxX() const { return Site().TwipsPerPixelX(); }
  int PxY() const { return Site().TwipsPerPixelY(); }
  int WidthPx() const { return Surface().widthPx(); }
  int HeightPx() const { return Surface().heightPx(); }

  void Raise(std::u16string_view event, std::span<com::Variant> args = {}) const;
  void RaiseMouse(std::u16string_view event, std::int16_t button, std::int16_t shift, float x, float y) const;
  // KeyDown and KeyUp (KeyCode, Shift) and KeyPress (KeyAscii), by reference.
  void RaiseKey(std::u16string_view event, std::int16_t& keyCode, std::int16_t& shift) const;
  void RaiseKeyPress(std::int16_t& keyAscii) const;
  // The surface with `font` selected, cleared to `back`: where a whole picture starts.
  gfx::Surface& BeginDraw(const gfx::FontDesc& font, gfx::OleColor back) const;
  // Paints the pixels of the window behind this one (what a transparent control shows).
  void PaintParentBackground() const;
  void FillPx(int left, int top, int right, int bottom, gfx::OleColor color) const;
  // A one-pixel outline from (left, top) to (right, bottom) inclusive.
  void OutlinePx(int left, int top, int right, int bottom, gfx::OleColor color) const;
  void EnableWindow(bool enabled) const;
  bool WindowEnabled() const;

 private:
  IControlSite*& site_;
};

template <class Derived>
class StdControl : public com::Object<IControl, com::IDispatch> {
 public:
  const com::CoClassInfo& ClassInfo() const override { return Derived::Info(); }
  void SetSite(IControlSite* site) override { site_ = site; }

  const com::InterfaceInfo* GetTypeInfo() override { return Derived::Info().defaultInterface; }
  com::Variant Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) override {
    return Derived::Members().Invoke(static_cast<Derived&>(*this), name, kind, args);
  }

  void Show() override { Self().Draw(); }
  void Resize() override { Self().Draw(); }
  void Paint() override { Self().Draw(); }

 protected:
  StdControl() = default;

  Derived& Self() { return static_cast<Derived&>(*this); }
  const ControlCore& Core() const { return core_; }
  IControlSite& Site() const { return core_.Site(); }
  bool HasSite() const { return site_ != nullptr; }

  // A property assignment: store, report the change, repaint.
  template <class T>
  void Assign(T& field, T value, std::u16string_view name) {
    field = std::move(value);
    if (site_ == nullptr) return;
    site_->PropertyChanged(name);
    Self().Draw();
  }

  // Enabled: the flag and the window's state, the change reported, a repaint.
  void AssignEnabled(bool& field, bool enabled) {
    field = enabled;
    core_.EnableWindow(enabled);
    Site().PropertyChanged(u"Enabled");
    Self().Draw();
  }

  // Tells the site the caption's access key (none without a marked one).
  void UpdateAccessKeys(std::u16string_view caption, bool useMnemonic) {
    if (site_ == nullptr) return;
    const Caption c = ParseCaption(caption, useMnemonic);
    site_->SetAccessKeys(c.accessKey != 0 ? std::u16string(1, c.accessKey) : std::u16string());
  }

 private:
  IControlSite* site_ = nullptr;
  ControlCore core_{site_};
};

// Helpers for member tables.
com::Variant ColorValue(gfx::OleColor c);
gfx::OleColor ToColor(const com::Variant& v);
// A font object from a Variant, or 13 when it holds none.
com::ComPtr<IFontObject> ToFont(const com::Variant& v);
// A picture object from a Variant (Nothing gives an empty pointer), or 13.
com::ComPtr<IPictureObject> ToPicture(const com::Variant& v);
// An Integer property limited to [low, high] (380 otherwise).
std::int16_t ToIntegerIn(const com::Variant& v, std::int16_t low, std::int16_t high);

}  // namespace kelvo::forms::stdcontrols
