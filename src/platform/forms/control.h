#pragma once
// The contract between a control and its container. A control object (created
// through a class factory) answers QueryInterface for IID_IControl and for
// IID_IDispatch (its own members, by name). The container gives it a site with
// SetSite, then delivers notifications in this order:
//
//   Initialize, then InitProperties (a new instance) or ReadProperties (loaded),
//   then Show, Resize and Paint, then input and focus notifications, then
//   WriteProperties whenever the form is saved, and Terminate last.
//
// Sizes, positions and mouse coordinates are twips. Every notification has an
// empty default so a control overrides only what it handles.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/dispatch.h"
#include "platform/com/typeinfo.h"
#include "platform/com/variant.h"
#include "platform/forms/property_page.h"
#include "platform/gfx/font.h"
#include "platform/gfx/surface.h"
#include "platform/win/types.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {

extern const com::IID IID_IControl;

// What ReadProperties reads and WriteProperties writes. Values keep the type
// they were written with.
class IPropertyBag {
 public:
  // The stored value, or defaultValue when the key is absent.
  virtual com::Variant Read(std::u16string_view key, const com::Variant& defaultValue) = 0;
  // Stores the value. The container keeps every written key, also one equal to
  // its default (the controls write all of theirs).
  virtual void Write(std::u16string_view key, const com::Variant& value, const com::Variant& defaultValue) = 0;

 protected:
  ~IPropertyBag() = default;
};

// The services a control's container gives it.
class IControlSite {
 public:
  // Property-changed notification, by the property's name.
  virtual void PropertyChanged(std::u16string_view name) = 0;

  // Ambient properties.
  virtual bool AmbientUserMode() = 0;                        // false while designing
  virtual com::ComPtr<com::IDispatch> AmbientFont() = 0;     // a new font object
  virtual std::u16string AmbientDisplayName() = 0;           // the instance's name
  virtual bool AmbientDisplayAsDefault() = 0;                // drawn as the default button

  // The parent form (members Controls, ActiveControl, hwnd, MDIChild, ... by
  // name), whether it is an MDI frame, and this control's extender (Name, Left,
  // Top, Width, Height, Visible, TabIndex, TabStop, ToolTipText, Align,
  // Default, Cancel, Tag, then the control's own members).
  virtual com::ComPtr<com::IDispatch> ParentForm() = 0;
  virtual bool ParentIsMDIFrame() = 0;
  virtual com::ComPtr<com::IDispatch> Extender() = 0;

  // The control's window and its retained drawing surface.
  virtual win::HWND Hwnd() = 0;
  virtual win::HDC Hdc() = 0;
  virtual gfx::Surface& Surface() = 0;
  // Outer size in twips. Setting it moves the window; the container delivers the
  // nested Resize before SetSize returns (a control asking again from inside its
  // Resize for a size the container refuses does not recurse without end).
  virtual double Width() = 0;
  virtual double Height() = 0;
  virtual void SetSize(double width, double height) = 0;
  // Screen factors as this control was created with (twips per pixel).
  virtual int TwipsPerPixelX() = 0;
  virtual int TwipsPerPixelY() = 0;

  // The container gives the control the input focus (its GotFocus follows).
  virtual void SetFocus() = 0;
  // Shows the picture on screen now.
  virtual void Refresh() = 0;
  // Access-key characters of the control ("R" for "&Recortar").
  virtual void SetAccessKeys(std::u16string keys) = 0;
  // Shows a pop-up menu at the pointer; the picked index or -1. The items answer
  // the right button as well as the left when rightButton is true.
  virtual int PopupMenu(const std::vector<win::MenuItem>& items, bool rightButton) = 0;

  // Raises an event of the control's event interface, synchronously; the
  // container's handlers may change by-reference arguments, read back from args.
  virtual void RaiseEvent(std::u16string_view name, std::span<com::Variant> args) = 0;
  // Lets pending window messages be processed (DoEvents).
  virtual void DoEvents() = 0;
  // The system's default beep.
  virtual void Beep() = 0;

 protected:
  ~IControlSite() = default;
};

class IControl : public com::IUnknown {
 public:
  // The class as the type library describes it.
  virtual const com::CoClassInfo& ClassInfo() const = 0;
  // Called once, before Initialize.
  virtual void SetSite(IControlSite* site) = 0;

  virtual void Initialize() {}
  virtual void InitProperties() {}
  virtual void ReadProperties(IPropertyBag&) {}
  virtual void WriteProperties(IPropertyBag&) {}
  virtual void Show() {}
  virtual void Hide() {}
  virtual void Resize() {}
  virtual void Paint() {}
  virtual void GotFocus() {}
  virtual void LostFocus() {}
  virtual void KeyDown(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
  virtual void KeyPress(std::int16_t& /*keyAscii*/) {}
  virtual void KeyUp(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
  virtual void MouseDown(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void MouseMove(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void MouseUp(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void Click() {}
  virtual void DblClick() {}
  virtual void AccessKeyPress(std::int16_t /*keyAscii*/) {}
  virtual void AmbientChanged(std::u16string_view /*name*/) {}
  virtual void Terminate() {}

 protected:
  ~IControl() = default;
};

}  // namespace kelvo::forms
