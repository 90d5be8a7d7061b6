#pragma once
// The common base of every control of the library: a reference-counted object
// answering IControl and IDispatch, holding its container's site, counted in
// the module for DllCanUnloadNow, with the services every control needs:
//
//  - the screen's twips-per-pixel factors cached at Initialize as 16-bit
//    integers ("one pixel" on each axis);
//  - drawing on the site's surface in 16-bit twips;
//  - raising events with by-reference arguments that are read back after the
//    container's handlers ran;
//  - the property-changed notification;
//  - asking the container for a new size without recursing without end.
//
// A control class derives from ControlOf<Itself> (below), which binds the
// class's type information and its member table (control_table.h):
//
//   class KelvoLine3D final : public ControlOf<KelvoLine3D> {
//    public:
//     static const com::CoClassInfo& Info();                  // the type library's class
//     static const ControlTable<KelvoLine3D>& Table();        // its members, once
//     void Show() override;
//   };

#include <cstdint>
#include <span>
#include <string_view>

#include "klvctl32/host/control_table.h"
#include "klvctl32/host/twips16.h"
#include "platform/com/dispatch_map.h"
#include "platform/com/object.h"
#include "platform/forms/control.h"
#include "platform/forms/interface_ids.h"
#include "platform/gfx/surface.h"

namespace kelvo::klvctl32 {

class ControlBase : public com::Object<forms::IControl, com::IDispatch> {
 public:
  void SetSite(forms::IControlSite* site) override { site_ = site; }
  const com::InterfaceInfo* GetTypeInfo() override { return ClassInfo().defaultInterface; }

  // A control asks for its own size from inside its drawing; the container
  // delivers the nested Resize, which asks again. Past this depth a request is
  // dropped, so a container that refuses the size cannot make it recurse.
  static constexpr int kMaxNestedSizeRequests = 4;

 protected:
  ControlBase();
  ~ControlBase() override = default;

  // The container's site; error 91 before SetSite.
  forms::IControlSite& Site() const;
  gfx::Surface& Surface() const { return Site().Surface(); }
  // The extender the container wraps this control in; error 91 when it has none.
  com::ComPtr<com::IDispatch> Extender() const;

  // Reads the screen factors from the site (Initialize does this first).
  void CacheScreenFactors();
  Twips16 PxX() const { return pxX_; }
  Twips16 PxY() const { return pxY_; }

  // A line in 16-bit twips: covers its start point, not its end point.
  void DrawLine(Twips16 x1, Twips16 y1, Twips16 x2, Twips16 y2, gfx::OleColor color) const;

  // Raises an event of the class's event interface; by-reference arguments
  // hold what the handlers left in them when this returns.
  void RaiseEvent(std::u16string_view name, std::span<com::Variant> args = {}) const;
  void PropertyChanged(std::u16string_view name) const;

  // Sets the outer size in twips unless it already is that size.
  void RequestSize(double width, double height);

 private:
  forms::IControlSite* site_ = nullptr;
  Twips16 pxX_ = 15;
  Twips16 pxY_ = 15;
  int sizeRequestDepth_ = 0;
};

// Binds a control class's type information and member table to the base:
// dispatch by name and, unless the class adds steps of its own, loading and
// saving its persisted set. Controls of one family may share a base of their
// own between ControlBase and this.
template <class Derived, class Base = ControlBase>
class ControlOf : public Base {
 public:
  using Base::Base;
  const com::CoClassInfo& ClassInfo() const override { return Derived::Info(); }

  com::Variant Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) override {
    return Derived::Table().Dispatch().Invoke(Self(), name, kind, args);
  }
  void ReadProperties(forms::IPropertyBag& bag) override { Derived::Table().Load(Self(), bag); }
  void WriteProperties(forms::IPropertyBag& bag) override { Derived::Table().Save(Self(), bag); }

 private:
  Derived& Self() { return static_cast<Derived&>(*this); }
};

}  // namespace kelvo::klvctl32
