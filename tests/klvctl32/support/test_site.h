#pragma once
// A control site for unit tests: a real drawing surface, a container that
// resizes it and delivers the nested Resize, a record of raised events and
// property-changed notifications, an extender that remembers assignments, and
// a property bag that keeps keys in written order.

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com/dispatch.h"
#include "platform/com/object.h"
#include "platform/com/variant.h"
#include "platform/forms/control.h"
#include "platform/gfx/surface.h"

namespace kelvo::klvctl32::testing {

// Remembers every property assigned to it; reads back what was assigned.
class RecordingExtender final : public com::Object<com::IDispatch> {
 public:
  const com::InterfaceInfo* GetTypeInfo() override { return nullptr; }
  com::Variant Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) override;
  const std::map<std::u16string, com::Variant>& assigned() const { return assigned_; }

 private:
  std::map<std::u16string, com::Variant> assigned_;
};

// Keys in written order, each with the Variant it was written with.
class RecordingBag final : public forms::IPropertyBag {
 public:
  com::Variant Read(std::u16string_view key, const com::Variant& defaultValue) override;
  void Write(std::u16string_view key, const com::Variant& value, const com::Variant& defaultValue) override;
  void Set(std::u16string key, com::Variant value);
  const std::vector<std::pair<std::u16string, com::Variant>>& entries() const { return entries_; }
  // The keys asked for by Read, in order.
  const std::vector<std::u16string>& reads() const { return reads_; }

 private:
  std::vector<std::pair<std::u16string, com::Variant>> entries_;
  std::vector<std::u16string> reads_;
};

// "Name(arg, arg)": integers in decimal, singles and doubles in the shortest
// form, booleans True/False, strings quoted.
std::string FormatEvent(std::u16string_view name, std::span<const com::Variant> args);

class TestSite final : public forms::IControlSite {
 public:
  TestSite(int widthPx, int heightPx, int twipsPerPixel);
  TestSite(const TestSite&) = delete;
  TestSite& operator=(const TestSite&) = delete;

  // Gives the control this site and keeps it for the nested Resize.
  void Attach(forms::IControl& control);
  // Moves the control as the form would: resizes and delivers Resize.
  void Resize(double widthTwips, double heightTwips) { SetSize(widthTwips, heightTwips); }

  // Events raised since the last call, with their arguments as raised,
  // separated by one blank.
  std::string TakeEvents();
  std::string TakeChanged();

  // Called for each raised event before it returns (by-reference arguments).
  std::function<void(std::u16string_view, std::span<com::Variant>)> onEvent;
  // While true, SetSize keeps the old size but still delivers Resize, as a
  // container refusing the size would.
  bool refuseSize = false;
  int setSizeCalls = 0;
  int maxResizeDepth = 0;
  bool userMode = true;

  RecordingExtender& extender() { return *extender_; }
  gfx::Surface& surface() { return surface_; }

  // IControlSite
  void PropertyChanged(std::u16string_view name) override;
  bool AmbientUserMode() override { return userMode; }
  com::ComPtr<com::IDispatch> AmbientFont() override { return {}; }
  std::u16string AmbientDisplayName() override { return u"Test1"; }
  bool AmbientDisplayAsDefault() override { return false; }
  com::ComPtr<com::IDispatch> ParentForm() override { return {}; }
  bool ParentIsMDIFrame() override { return false; }
  com::ComPtr<com::IDispatch> Extender() override { return extender_; }
  win::HWND Hwnd() override { return 0; }
  win::HDC Hdc() override { return 0; }
  gfx::Surface& Surface() override { return surface_; }
  double Width() override { return widthTwips_; }
  double Height() override { return heightTwips_; }
  void SetSize(double width, double height) override;
  int TwipsPerPixelX() override { return surface_.twipsPerPixelX(); }
  int TwipsPerPixelY() override { return surface_.twipsPerPixelY(); }
  void SetFocus() override {}
  void Refresh() override {}
  void SetAccessKeys(std::u16string) override {}
  int PopupMenu(const std::vector<win::MenuItem>&, bool) override { return -1; }
  void RaiseEvent(std::u16string_view name, std::span<com::Variant> args) override;
  void DoEvents() override {}
  void Beep() override {}

 private:
  gfx::Surface surface_;
  double widthTwips_;
  double heightTwips_;
  forms::IControl* control_ = nullptr;
  com::ComPtr<RecordingExtender> extender_;
  std::vector<std::string> events_;
  std::vector<std::string> changed_;
  int resizeDepth_ = 0;
};

}  // namespace kelvo::klvctl32::testing
