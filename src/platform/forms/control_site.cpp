// The control site: creation, notifications in the documented order, the
// extender state and the services a control calls.

#include "platform/forms/control_site.h"

#include <algorithm>
#include <cmath>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/forms/extender.h"
#include "platform/forms/form_impl.h"
#include "platform/forms/stdobjects.h"
#include "platform/win/backend.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {
namespace {

win::WindowSystem& Ws() { return win::WindowSystem::Get(); }

constexpr double kMaxTwips = 1e8;

int ToPixels(double twips, int tpp) {
  return static_cast<int>(std::lround(std::clamp(twips, -kMaxTwips, kMaxTwips) / tpp));
}

// Resize depth for the scope of one Resize delivery.
class ResizeNesting {
 public:
  explicit ResizeNesting(int& depth) : depth_(depth) { ++depth_; }
  ~ResizeNesting() { --depth_; }
  ResizeNesting(const ResizeNesting&) = delete;
  ResizeNesting& operator=(const ResizeNesting&) = delete;

 private:
  int& depth_;
};

}  // namespace

ControlSite::ControlSite(FormImpl& form, ControlSite* container, std::u16string progid, std::u16string name,
                         std::optional<int> index, com::ComPtr<IControl> control, const TwipsRect& rect)
    : form_(form),
      container_(container),
      progid_(std::move(progid)),
      name_(std::move(name)),
      index_(index),
      control_(std::move(control)),
      tppX_(Ws().TwipsPerPixelX()),
      tppY_(Ws().TwipsPerPixelY()),
      rect_(rect) {
  object_ = com::QueryAs<com::IDispatch>(control_, com::IID_IDispatch);
  extender_ = com::MakeObject<ExtenderObject>(*this);
  win::WindowCreate params;
  params.parent = container_ != nullptr ? container_->hwnd_ : form_.Hwnd();
  params.kind = win::WindowKind::Child;
  params.rect = {ToPixels(rect.left, tppX_), ToPixels(rect.top, tppY_),
                 ToPixels(rect.left, tppX_) + std::max(0, ToPixels(rect.width, tppX_)),
                 ToPixels(rect.top, tppY_) + std::max(0, ToPixels(rect.height, tppY_))};
  params.visible = false;
  params.caption = RefName();
  params.proc = [this](win::HWND, const win::Message& m) { OnMessage(m); };
  hwnd_ = Ws().Create(params);
}

ControlSite::~ControlSite() { extender_->Detach(); }

void ControlSite::Start(OrderedBag* bag, const ExtenderInit& init) {
  Busy busy(form_.app());
  visible_ = init.visible;
  tabStop_ = init.tabStop;
  toolTipText_ = init.toolTipText;
  tag_ = init.tag;
  if (IsAlignable()) align_ = init.align;
  if (init.isDefault) form_.SetDefaultControl(this, true);
  if (init.isCancel) form_.SetCancelControl(this, true);
  control_->SetSite(this);
  initialized_ = true;
  control_->Initialize();
  if (bag != nullptr) {
    control_->ReadProperties(*bag);
  } else {
    control_->InitProperties();
  }
  if (align_ != Align::None) form_.LayoutAligned();
  started_ = true;
  if (!visible_) return;
  ShowWindowState();
  control_->Show();
  DeliverResize();
  if (!stopped_) control_->Paint();
}

void ControlSite::Stop() {
  if (stopped_) return;
  stopped_ = true;
  extender_->Detach();
  Ws().SetProc(hwnd_, {});
  if (Ws().Capture() == hwnd_) Ws().ReleaseCapture();
  if (Ws().Focus() == hwnd_) Ws().SetFocus(0);
  Ws().Show(hwnd_, false);
  if (initialized_) control_->Terminate();
}

void ControlSite::DestroyWindow() {
  if (hwnd_ != 0 && Ws().IsWindow(hwnd_)) Ws().Destroy(hwnd_);
  hwnd_ = 0;
}

bool ControlSite::IsAlignable() const { return (ClassInfo().miscStatus & com::olemisc::kAlignable) != 0; }
bool ControlSite::ActsLikeButton() const { return (ClassInfo().miscStatus & com::olemisc::kActsLikeButton) != 0; }
bool ControlSite::ActsLikeLabel() const { return (ClassInfo().miscStatus & com::olemisc::kActsLikeLabel) != 0; }
bool ControlSite::InvisibleAtRuntime() const {
  return (ClassInfo().miscStatus & com::olemisc::kInvisibleAtRuntime) != 0;
}

forms::Form& ControlSite::Parent() const { return form_; }
Control* ControlSite::Container() const { return container_; }

std::u16string ControlSite::RefName() const {
  if (!index_) return name_;
  return name_ + u"(" + text::FromUtf8(std::to_string(*index_)) + u")";
}

const com::CoClassInfo& ControlSite::ClassInfo() const { return control_->ClassInfo(); }

com::ComPtr<com::IDispatch> ControlSite::Extender() const { return extender_; }
com::ComPtr<com::IDispatch> ControlSite::Extender() { return extender_; }

gfx::Surface& ControlSite::Surface() const { return Ws().SurfaceOf(hwnd_); }
gfx::Surface& ControlSite::Surface() { return Ws().SurfaceOf(hwnd_); }

void ControlSite::ApplyRect() {
  const int left = ToPixels(rect_.left, tppX_);
  const int top = ToPixels(rect_.top, tppY_);
  const win::RECT r{left, top, left + std::max(0, ToPixels(rect_.width, tppX_)),
                    top + std::max(0, ToPixels(rect_.height, tppY_))};
  movingWindow_ = true;
  Ws().Move(hwnd_, r);
  movingWindow_ = false;
}

void ControlSite::DeliverResize() {
  if (!started_ || stopped_) return;
  int& depth = form_.ResizeDepth();
  if (depth >= kMaxNestedResize) return;
  ResizeNesting nesting(depth);
  control_->Resize();
}

void ControlSite::Move(const TwipsRect& wanted) {
  if (stopped_) ThrowUnloaded();
  Busy busy(form_.app());
  const TwipsRect target = align_ != Align::None ? form_.ConstrainAligned(*this, wanted) : wanted;
  const bool sizeChanged = target.width != rect_.width || target.height != rect_.height;
  rect_ = target;
  ApplyRect();
  if (sizeChanged) DeliverResize();
  if (align_ != Align::None) form_.LayoutAligned();
}

void ControlSite::PlaceAligned(const TwipsRect& rect) {
  const bool sizeChanged = rect.width != rect_.width || rect.height != rect_.height;
  if (!sizeChanged && rect.left == rect_.left && rect.top == rect_.top) return;
  rect_ = rect;
  ApplyRect();
  if (sizeChanged) DeliverResize();
}

void ControlSite::OnResized(int widthPx, int heightPx) {
  rect_.width = static_cast<double>(widthPx) * tppX_;
  rect_.height = static_cast<double>(heightPx) * tppY_;
  DeliverResize();
}

void ControlSite::OnMoved(int xPx, int yPx) {
  rect_.left = static_cast<double>(xPx) * tppX_;
  rect_.top = static_cast<double>(yPx) * tppY_;
}

void ControlSite::SetSize(double width, double height) {
  Move({rect_.left, rect_.top, std::max(0.0, width), std::max(0.0, height)});
}

void ControlSite::ShowWindowState() {
  const bool hiddenAtRuntime = InvisibleAtRuntime() && !form_.DesignMode();
  Ws().Show(hwnd_, visible_ && started_ && !hiddenAtRuntime);
}

void ControlSite::SetVisible(bool visible) {
  if (stopped_) ThrowUnloaded();
  Busy busy(form_.app());
  if (visible == visible_) return;
  visible_ = visible;
  ShowWindowState();
  if (align_ != Align::None) form_.LayoutAligned();
  if (!started_) return;
  if (visible) {
    control_->Show();
    if (!stopped_) control_->Paint();
  } else {
    control_->Hide();
  }
}

std::int16_t ControlSite::TabIndex() const { return form_.TabIndexOf(*this); }
void ControlSite::SetTabIndex(std::int16_t index) { form_.MoveInTabOrder(*this, index); }

void ControlSite::SetAlignment(Align align) {
  if (stopped_) ThrowUnloaded();
  Busy busy(form_.app());
  align_ = align;
  form_.LayoutAligned();
}

void ControlSite::SetDefault(bool value) { form_.SetDefaultControl(this, value); }
void ControlSite::SetCancel(bool value) { form_.SetCancelControl(this, value); }

bool ControlSite::Usable() const {
  if (!started_ || stopped_ || !Ws().IsVisible(hwnd_)) return false;
  for (win::HWND h = hwnd_; h != 0; h = Ws().Parent(h)) {
    if (!Ws().IsEnabled(h)) return false;
  }
  return true;
}

bool ControlSite::CanTakeFocus() const {
  if (form_.DesignMode()) return false;
  const std::uint32_t misc = ClassInfo().miscStatus;
  if ((misc & (com::olemisc::kNoUIActivate | com::olemisc::kInvisibleAtRuntime)) != 0) return false;
  return Usable();
}

OrderedBag ControlSite::WriteProperties() const {
  Busy busy(form_.app());
  OrderedBag bag;
  control_->WriteProperties(bag);
  return bag;
}

void ControlSite::NotifyAmbient(std::u16string_view name) {
  if (!started_ || stopped_) return;
  control_->AmbientChanged(name);
}

// GotFocus and LostFocus are the container's events: raised here, after the
// control has taken or given up the focus, for every control alike.
void ControlSite::NotifyFocus(bool gained) {
  if (!Interactive()) return;
  if (gained) {
    control_->GotFocus();
  } else {
    control_->LostFocus();
  }
  RaiseEvent(gained ? u"GotFocus" : u"LostFocus", {});
}

// Notifications delivered on request.

void ControlSite::Focus() {
  if (stopped_) ThrowUnloaded();
  Busy busy(form_.app());
  if (!CanTakeFocus()) throw com::Error(com::err::kInvalidCall);
  Ws().SetFocus(hwnd_);
}

bool ControlSite::Interactive() const { return started_ && !stopped_ && !form_.DesignMode(); }

void ControlSite::KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
  Busy busy(form_.app());
  if (FormDesigner* designer = form_.Designer(); designer != nullptr && started_) designer->KeyDown(keyCode, shift);
  if (Interactive()) control_->KeyDown(keyCode, shift);
}

void ControlSite::KeyPress(std::int16_t& keyAscii) {
  Busy busy(form_.app());
  if (Interactive()) control_->KeyPress(keyAscii);
}

void ControlSite::KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
  Busy busy(form_.app());
  if (Interactive()) control_->KeyUp(keyCode, shift);
}

void ControlSite::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
  Busy busy(form_.app());
  if (started_ && form_.Designer() != nullptr) DesignMouse(win::Msg::MouseDown, button, shift, x, y);
  if (Interactive()) control_->MouseDown(button, shift, x, y);
}

void ControlSite::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  Busy busy(form_.app());
  if (started_ && form_.Designer() != nullptr) DesignMouse(win::Msg::MouseMove, button, shift, x, y);
  if (Interactive()) control_->MouseMove(button, shift, x, y);
}

void ControlSite::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
  Busy busy(form_.app());
  if (started_ && form_.Designer() != nullptr) DesignMouse(win::Msg::MouseUp, button, shift, x, y);
  if (Interactive()) control_->MouseUp(button, shift, x, y);
}

void ControlSite::DesignMouse(win::Msg type, std::int16_t button, std::int16_t shift, float x, float y) {
  const auto px = static_cast<int>(std::lround(x / static_cast<float>(TwipsPerPixelX())));
  const auto py = static_cast<int>(std::lround(y / static_cast<float>(TwipsPerPixelY())));
  form_.Designer()->OnWindowMouse(this, {.type = type, .a = button, .b = shift, .c = px, .d = py});
}

void ControlSite::Click() {
  Busy busy(form_.app());
  if (Interactive()) control_->Click();
}

void ControlSite::DblClick() {
  Busy busy(form_.app());
  if (Interactive()) control_->DblClick();
}

void ControlSite::AccessKeyPress(std::int16_t keyAscii) {
  Busy busy(form_.app());
  if (Interactive()) control_->AccessKeyPress(keyAscii);
}

void ControlSite::Paint() {
  Busy busy(form_.app());
  if (started_ && !stopped_) control_->Paint();
}

// Services.

void ControlSite::PropertyChanged(std::u16string_view name) {
  Busy busy(form_.app());
  form_.app().NotifyPropertyChanged(*this, name);
}

bool ControlSite::AmbientUserMode() { return !form_.DesignMode(); }

com::ComPtr<com::IDispatch> ControlSite::AmbientFont() { return CreateFontObject(form_.AmbientFontDesc()); }

bool ControlSite::AmbientDisplayAsDefault() { return form_.DisplaysAsDefault(*this); }

com::ComPtr<com::IDispatch> ControlSite::ParentForm() { return form_.Dispatch(); }

bool ControlSite::ParentIsMDIFrame() { return form_.IsMDIFrame(); }

void ControlSite::SetFocus() {
  if (CanTakeFocus()) Ws().SetFocus(hwnd_);
}

void ControlSite::Refresh() {
  if (hwnd_ != 0) Ws().backend().WindowChanged(hwnd_);
}

void ControlSite::SetAccessKeys(std::u16string keys) { accessKeys_ = text::UpperAnsi(keys); }

int ControlSite::PopupMenu(const std::vector<win::MenuItem>& items, bool /*rightButton*/) {
  Busy busy(form_.app());
  return Ws().PopupMenu(hwnd_, items, Ws().CursorPos());
}

void ControlSite::RaiseEvent(std::u16string_view name, std::span<com::Variant> args) {
  Busy busy(form_.app());
  form_.app().NotifyEvent(*this, name, args);
}

void ControlSite::DoEvents() { Ws().DoEvents(); }

void ControlSite::Beep() { Ws().Beep(); }

}  // namespace kelvo::forms
