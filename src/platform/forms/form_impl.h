#pragma once
// A form: its window, its controls in creation and tab order, the focus and
// default/cancel bookkeeping, aligned-control layout and the designer's
// selection.

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/forms/app_impl.h"
#include "platform/forms/application.h"
#include "platform/forms/control_site.h"
#include "platform/forms/form_designer.h"
#include "platform/gfx/font.h"

namespace kelvo::forms {

class FormObject;

class FormImpl final : public Form {
 public:
  FormImpl(Application::Impl& app, std::u16string name, const FormOptions& options);
  ~FormImpl() override;

  // Form.
  Application& App() const override { return app_.self; }
  const std::u16string& Name() const override { return name_; }
  win::HWND Hwnd() const override { return hwnd_; }
  FormKind Kind() const override { return kind_; }
  Form* MDIFrame() const override { return frame_; }
  bool DesignMode() const override { return design_; }
  int TwipsPerPixelX() const override { return tppX_; }
  int TwipsPerPixelY() const override { return tppY_; }
  std::u16string Caption() const override;
  void SetCaption(std::u16string caption) override;
  double ClientWidth() const override { return clientWidth_; }
  double ClientHeight() const override { return clientHeight_; }
  void SetClientSize(double width, double height) override;
  const OrderedBag& ExtraProperties() const override { return extras_; }
  std::vector<Control*> Controls() const override;
  Control* ActiveControl() const override { return active_; }
  Control* Find(std::u16string_view name, std::optional<int> index) const override;
  Control* FindRef(std::u16string_view ref) const override;
  Control* FromHwnd(win::HWND hwnd) const override;
  Control& AddControl(std::u16string_view progid, std::u16string_view name, const TwipsRect& rect, Control* container,
                      std::optional<int> index) override;
  Control& ReadControl(std::u16string_view progid, std::u16string_view name, const TwipsRect& rect,
                       const OrderedBag& bag, Control* container, std::optional<int> index) override;
  void RemoveControl(Control& control) override;
  com::ComPtr<com::IDispatch> Dispatch() const override;
  void SetHandler(EventListener* handler) override { handler_ = handler; }
  void Activate() override;
  void Show() override;
  void Hide() override;
  void Select(Control* control) override;
  void AddToSelection(Control& control) override;
  std::vector<Control*> SelectedControls() const override;
  FormDesigner* Designer() const override { return designer_.get(); }

  // For the container.
  Application::Impl& app() const { return app_; }
  EventListener* Handler() const { return handler_; }
  com::ComPtr<FormObject> Object() const;
  ControlSite& CreateControl(std::u16string_view progid, std::u16string_view name, const TwipsRect& rect,
                             ControlSite* container, std::optional<int> index, OrderedBag* bag,
                             const ExtenderInit& init);
  const std::vector<std::unique_ptr<ControlSite>>& Sites() const { return sites_; }
  std::vector<ControlSite*> ChildrenOf(const ControlSite* container) const;
  void TerminateAll();
  void DestroyWindows();
  void SetActiveChild(FormImpl* child) { activeChild_ = child; }
  void ForgetChild(const FormImpl* child) {
    if (activeChild_ == child) activeChild_ = nullptr;
  }
  OrderedBag& MutableExtras() { return extras_; }
  const gfx::FontDesc& AmbientFontDesc() const { return font_; }
  void SetFontDesc(const gfx::FontDesc& font) { font_ = font; }
  gfx::OleColor BackColor() const { return backColor_; }
  void SetBackColor(gfx::OleColor color);
  win::POINT Origin() const;
  void SetOrigin(win::POINT origin);

  // Focus, keyboard and default/cancel (form_keyboard.cpp).
  void OnControlGotFocus(ControlSite& site);
  void OnControlLostFocus(ControlSite& site);
  // True when the container handled the key itself (Tab, Enter, Escape).
  bool HandleKeyDown(ControlSite* focused, int vk, int shift);
  bool SwallowChar(int code);
  void HandleAccessKey(int code);
  void FocusFirstControl();
  // On activation: the focus returns to the active control unless it is already inside the form.
  void FocusActiveControl();
  void SetDefaultControl(ControlSite* site, bool value);
  void SetCancelControl(ControlSite* site, bool value);
  bool DisplaysAsDefault(const ControlSite& site) const;
  std::int16_t TabIndexOf(const ControlSite& site) const;
  void MoveInTabOrder(ControlSite& site, std::int16_t index);
  // Orders the tab order by the wanted indices (creation order among equals).
  void ApplyTabIndices(const std::vector<std::pair<ControlSite*, int>>& wanted);

  // Aligned controls (form_layout.cpp).
  void LayoutAligned();
  TwipsRect ConstrainAligned(const ControlSite& site, const TwipsRect& wanted) const;
  int& ResizeDepth() { return resizeDepth_; }

 private:
  void OnMessage(const win::Message& m);
  void OnClientResized(int widthPx, int heightPx);
  ControlSite* SiteOf(Control& control) const;
  void CheckName(std::u16string_view name, std::optional<int> index) const;
  std::vector<ControlSite*> Named(std::u16string_view name) const;
  void Forget(ControlSite& site);
  void UpdateDisplayedDefault();
  ControlSite* NextInTabOrder(ControlSite* from, bool backwards) const;
  ControlSite* DefaultTarget(const ControlSite* focused, int key) const;
  ControlSite* DisplayedDefaultNow() const;
  ControlSite* FocusedSite() const;
  FormImpl* KeyboardForm();
  std::vector<ControlSite*> AlignedSites() const;

  Application::Impl& app_;
  std::u16string name_;
  FormKind kind_;
  bool design_;
  FormImpl* frame_ = nullptr;
  FormImpl* activeChild_ = nullptr;
  win::HWND hwnd_ = 0;
  int tppX_;
  int tppY_;
  double clientWidth_;
  double clientHeight_;
  gfx::FontDesc font_;
  gfx::OleColor backColor_ = 0x8000000Fu;
  OrderedBag extras_;
  EventListener* handler_ = nullptr;
  com::ComPtr<FormObject> object_;

  std::vector<std::unique_ptr<ControlSite>> sites_;  // creation order
  // The sites by name in upper case (names compare case-insensitively), so
  // that finding or checking a name does not walk every control.
  std::unordered_multimap<std::u16string, ControlSite*> byName_;
  std::vector<ControlSite*> tabOrder_;
  std::vector<ControlSite*> selection_;
  ControlSite* active_ = nullptr;
  ControlSite* defaultSite_ = nullptr;
  ControlSite* cancelSite_ = nullptr;
  ControlSite* displayedDefault_ = nullptr;
  std::unique_ptr<FormDesigner> designer_;  // destroyed before the controls: it holds none of them
  int swallowChar_ = -1;
  int resizeDepth_ = 0;
  bool movingWindow_ = false;
};

}  // namespace kelvo::forms
