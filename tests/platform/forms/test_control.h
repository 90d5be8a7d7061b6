#pragma once
// A control class for the container tests: it writes every notification it
// receives into a shared journal ("t.Initialize", "t.KeyDown(65,0)") and
// lets a test hook into Resize, Show and the property bag.

#include <functional>
#include <string>
#include <vector>

#include "platform/com/dispatch_map.h"
#include "platform/com/object.h"
#include "platform/forms/application.h"
#include "platform/forms/interface_ids.h"

namespace kelvo::forms::test {

// ProgIDs registered by RegisterTestClasses: a focusable control, a button
// (acts like a button), a label (acts like a label, never focused), an
// alignable bar and an invisible-at-runtime control.
inline constexpr std::u16string_view kRecorder = u"Test.Recorder";
inline constexpr std::u16string_view kButton = u"Test.Button";
inline constexpr std::u16string_view kLabel = u"Test.Label";
inline constexpr std::u16string_view kBar = u"Test.Bar";
inline constexpr std::u16string_view kHidden = u"Test.Hidden";

class TestControl;

struct Journal {
  std::vector<std::string> entries;
  // Everything since the last Take, separated by blanks.
  std::string Take();
};

// Process-wide test state, reset by ResetTestState.
struct TestHooks {
  Journal journal;
  std::function<void(TestControl&)> onResize;
  std::function<void(TestControl&)> onInitProperties;
  std::function<void(TestControl&, IPropertyBag&)> onReadProperties;
  bool recordMouseMoves = true;
};
TestHooks& Hooks();
void ResetTestState();
void RegisterTestClasses();

class TestControl final : public com::Object<IControl, com::IDispatch> {
 public:
  explicit TestControl(const com::CoClassInfo& info) : info_(info) {}

  IControlSite& Site() const { return *site_; }
  std::int32_t value = 0;
  std::u16string text;
  int resizeCount = 0;

  const com::CoClassInfo& ClassInfo() const override { return info_; }
  void SetSite(IControlSite* site) override { site_ = site; }
  const com::InterfaceInfo* GetTypeInfo() override { return info_.defaultInterface; }
  com::Variant Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) override;

  void Initialize() override { Log("Initialize"); }
  void InitProperties() override;
  void ReadProperties(IPropertyBag& bag) override;
  void WriteProperties(IPropertyBag& bag) override;
  void Show() override { Log("Show"); }
  void Hide() override { Log("Hide"); }
  void Resize() override;
  void Paint() override { Log("Paint"); }
  void GotFocus() override { Log("GotFocus"); }
  void LostFocus() override { Log("LostFocus"); }
  void KeyDown(std::int16_t& code, std::int16_t& shift) override;
  void KeyPress(std::int16_t& ascii) override;
  void KeyUp(std::int16_t& code, std::int16_t& shift) override;
  void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override { Mouse("MouseDown", b, s, x, y); }
  void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override;
  void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { Mouse("MouseUp", b, s, x, y); }
  void Click() override { Log("Click"); }
  void DblClick() override { Log("DblClick"); }
  void AccessKeyPress(std::int16_t ascii) override { Log("AccessKeyPress(" + std::to_string(ascii) + ")"); }
  void AmbientChanged(std::u16string_view name) override;
  void Terminate() override { Log("Terminate"); }

  void Log(const std::string& what);

 private:
  void Mouse(const char* what, std::int16_t b, std::int16_t s, float x, float y);

  const com::CoClassInfo& info_;
  IControlSite* site_ = nullptr;
};

// The test control behind a form's control.
TestControl& Rec(Control& c);

}  // namespace kelvo::forms::test
