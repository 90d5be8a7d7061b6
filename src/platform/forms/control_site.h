#pragma once
// A control's site: the Control a program sees and the IControlSite the
// control calls. It owns the control's window (one child window in its
// form's window, or in its containing control's window) and keeps the
// extender state in twips.

#include <memory>
#include <optional>
#include <string>

#include "platform/forms/application.h"
#include "platform/forms/control.h"
#include "platform/win/messages.h"

namespace kelvo::forms {

class FormImpl;
class ExtenderObject;

// Resize notifications nested deeper than this are not delivered: a nested
// SetSize at that depth only stores the size (and moves the window), so a
// control that keeps asking for another size from inside its Resize ends.
inline constexpr int kMaxNestedResize = 8;

// What a form file (or the console) sets on the extender before the control is shown.
struct ExtenderInit {
  bool visible = true;
  bool tabStop = true;
  std::u16string toolTipText;
  Align align = Align::None;
  bool isDefault = false;
  bool isCancel = false;
  std::u16string tag;
};

class ControlSite final : public Control, public IControlSite {
 public:
  ControlSite(FormImpl& form, ControlSite* container, std::u16string progid, std::u16string name,
              std::optional<int> index, com::ComPtr<IControl> control, const TwipsRect& rect);
  ~ControlSite() override;

  // Initialize, then InitProperties (bag null) or ReadProperties, then shown.
  void Start(OrderedBag* bag, const ExtenderInit& init);
  // Terminate; the window is hidden and stops receiving messages; the
  // extender answers 364 from now on.
  void Stop();
  bool Stopped() const { return stopped_; }
  void DestroyWindow();

  FormImpl& OwnerForm() const { return form_; }
  ControlSite* ContainerSite() const { return container_; }
  bool IsAlignable() const;
  bool ActsLikeButton() const;
  bool ActsLikeLabel() const;
  bool InvisibleAtRuntime() const;
  // Places an aligned control; delivers Resize when its size changed.
  void PlaceAligned(const TwipsRect& rect);
  void SetDefaultFlag(bool value) { default_ = value; }
  void SetCancelFlag(bool value) { cancel_ = value; }
  void NotifyAmbient(std::u16string_view name);
  // GotFocus or LostFocus, unless the form is being designed.
  void NotifyFocus(bool gained);
  // Loaded, visible and enabled (with every window it sits in).
  bool Usable() const;

  // Control.
  forms::Form& Parent() const override;
  Control* Container() const override;
  const std::u16string& Name() const override { return name_; }
  std::optional<int> Index() const override { return index_; }
  std::u16string RefName() const override;
  const std::u16string& ProgID() const override { return progid_; }
  const com::CoClassInfo& ClassInfo() const override;
  com::ComPtr<com::IDispatch> Extender() const override;
  com::ComPtr<com::IDispatch> Object() const override { return object_; }
  IControl* Instance() const override { return control_.get(); }
  win::HWND Hwnd() const override { return hwnd_; }
  gfx::Surface& Surface() const override;
  int TwipsPerPixelX() const override { return tppX_; }
  int TwipsPerPixelY() const override { return tppY_; }
  TwipsRect Rect() const override { return rect_; }
  void Move(const TwipsRect& rect) override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override;
  std::int16_t TabIndex() const override;
  void SetTabIndex(std::int16_t index) override;
  bool TabStop() const override { return tabStop_; }
  void SetTabStop(bool stop) override { tabStop_ = stop; }
  const std::u16string& ToolTipText() const override { return toolTipText_; }
  void SetToolTipText(std::u16string text) override { toolTipText_ = std::move(text); }
  Align Alignment() const override { return align_; }
  void SetAlignment(Align align) override;
  bool Default() const override { return default_; }
  void SetDefault(bool value) override;
  bool Cancel() const override { return cancel_; }
  void SetCancel(bool value) override;
  const std::u16string& Tag() const override { return tag_; }
  void SetTag(std::u16string tag) override { tag_ = std::move(tag); }
  const std::u16string& AccessKeys() const override { return accessKeys_; }
  bool CanTakeFocus() const override;
  OrderedBag WriteProperties() const override;
  void Focus() override;
  void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
  void KeyPress(std::int16_t& keyAscii) override;
  void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
  void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
  // A mouse notification on a form open for design goes to its designer (x, y in twips).
  void DesignMouse(win::Msg type, std::int16_t button, std::int16_t shift, float x, float y);
  void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
  void Click() override;
  void DblClick() override;
  void AccessKeyPress(std::int16_t keyAscii) override;
  void Paint() override;

  // IControlSite.
  void PropertyChanged(std::u16string_view name) override;
  bool AmbientUserMode() override;
  com::ComPtr<com::IDispatch> AmbientFont() override;
  std::u16string AmbientDisplayName() override { return RefName(); }
  bool AmbientDisplayAsDefault() override;
  com::ComPtr<com::IDispatch> ParentForm() override;
  bool ParentIsMDIFrame() override;
  com::ComPtr<com::IDispatch> Extender() override;
  win::HWND Hwnd() override { return hwnd_; }
  win::HDC Hdc() override { return hwnd_; }
  gfx::Surface& Surface() override;
  double Width() override { return rect_.width; }
  double Height() override { return rect_.height; }
  void SetSize(double width, double height) override;
  int TwipsPerPixelX() override { return tppX_; }
  int TwipsPerPixelY() override { return tppY_; }
  void SetFocus() override;
  void Refresh() override;
  void SetAccessKeys(std::u16string keys) override;
  int PopupMenu(const std::vector<win::MenuItem>& items, bool rightButton) override;
  void RaiseEvent(std::u16string_view name, std::span<com::Variant> args) override;
  void DoEvents() override;
  void Beep() override;

 private:
  void OnMessage(const win::Message& m);
  void OnMouse(const win::Message& m);
  void OnResized(int widthPx, int heightPx);
  void OnMoved(int xPx, int yPx);
  void ApplyRect();
  void ResizeTo(double width, double height);
  void DeliverResize();
  void ShowWindowState();
  bool Interactive() const;
  float ToTwipsX(int px) const { return static_cast<float>(px * tppX_); }
  float ToTwipsY(int px) const { return static_cast<float>(px * tppY_); }

  FormImpl& form_;
  ControlSite* container_;
  std::u16string progid_;
  std::u16string name_;
  std::optional<int> index_;
  com::ComPtr<IControl> control_;
  com::ComPtr<com::IDispatch> object_;
  com::ComPtr<ExtenderObject> extender_;
  win::HWND hwnd_ = 0;
  int tppX_;
  int tppY_;

  TwipsRect rect_;
  bool visible_ = true;
  bool tabStop_ = true;
  std::u16string toolTipText_;
  Align align_ = Align::None;
  bool default_ = false;
  bool cancel_ = false;
  std::u16string tag_;
  std::u16string accessKeys_;

  bool initialized_ = false;  // Initialize was delivered: Terminate is due
  bool started_ = false;      // loaded and placed: Resize, Paint and input are delivered
  bool stopped_ = false;
  bool movingWindow_ = false;  // our own Move: Size and Move messages are expected
  int buttonsHeld_ = 0;
};

}  // namespace kelvo::forms
