// A form: its window and its controls.

#include "platform/forms/form_impl.h"

#include <algorithm>
#include <cmath>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/forms/control_classes.h"
#include "platform/forms/extender.h"
#include "platform/forms/form_object.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {
namespace {

win::WindowSystem& Ws() { return win::WindowSystem::Get(); }

constexpr double kMaxClientTwips = 1e7;

int ToPixels(double twips, int tpp) { return static_cast<int>(std::lround(twips / tpp)); }

double ValidClientExtent(double twips) {
  if (!std::isfinite(twips) || twips < 0 || twips > kMaxClientTwips) {
    throw com::Error(com::err::kInvalidPropertyValue);
  }
  return twips;
}

win::WindowKind WindowKindFor(FormKind kind) {
  return kind == FormKind::Normal || kind == FormKind::MDIFrame ? win::WindowKind::TopLevel : win::WindowKind::Child;
}

// "name(3)" -> name and index.
std::pair<std::u16string_view, std::optional<int>> SplitRef(std::u16string_view ref) {
  const std::size_t open = ref.find(u'(');
  if (open == std::u16string_view::npos || !ref.ends_with(u')')) return {ref, std::nullopt};
  const std::u16string_view digits = ref.substr(open + 1, ref.size() - open - 2);
  if (digits.empty() || digits.size() > 5) return {ref, std::nullopt};
  int index = 0;
  for (const char16_t c : digits) {
    if (c < u'0' || c > u'9') return {ref, std::nullopt};
    index = index * 10 + (c - u'0');
  }
  return {ref.substr(0, open), index};
}

}  // namespace

FormImpl::FormImpl(Application::Impl& app, std::u16string name, const FormOptions& options)
    : app_(app),
      name_(std::move(name)),
      kind_(options.kind),
      design_(options.design),
      frame_(dynamic_cast<FormImpl*>(options.mdiFrame)),
      tppX_(Ws().TwipsPerPixelX()),
      tppY_(Ws().TwipsPerPixelY()),
      clientWidth_(ValidClientExtent(options.clientWidth)),
      clientHeight_(ValidClientExtent(options.clientHeight)) {
  if (kind_ == FormKind::MDIChild && (frame_ == nullptr || !frame_->IsMDIFrame())) {
    throw com::Error(com::err::kInvalidCall, u"An MDI child form needs an MDI frame form");
  }
  if (kind_ == FormKind::Embedded && !Ws().IsWindow(options.parent)) {
    throw com::Error(com::err::kInvalidCall, u"An embedded form needs a parent window");
  }
  win::WindowCreate params;
  params.parent = kind_ == FormKind::MDIChild ? frame_->Hwnd() : options.parent;
  params.kind = WindowKindFor(kind_);
  params.rect = {options.origin.x, options.origin.y, options.origin.x + ToPixels(clientWidth_, tppX_),
                 options.origin.y + ToPixels(clientHeight_, tppY_)};
  params.visible = false;
  params.caption = options.caption.empty() ? name_ : options.caption;
  params.proc = [this](win::HWND, const win::Message& m) { OnMessage(m); };
  hwnd_ = Ws().Create(params);
  Ws().SurfaceOf(hwnd_).SetBackColor(backColor_);
  object_ = com::MakeObject<FormObject>(*this);
  if (design_) designer_ = std::make_unique<FormDesigner>(*this);
}

FormImpl::~FormImpl() {
  object_->Detach();
  DestroyWindows();
}

void FormImpl::DestroyWindows() {
  for (auto& site : sites_) site->DestroyWindow();
  if (hwnd_ != 0 && Ws().IsWindow(hwnd_)) Ws().Destroy(hwnd_);
  hwnd_ = 0;
}

std::u16string FormImpl::Caption() const { return Ws().Caption(hwnd_); }
void FormImpl::SetCaption(std::u16string caption) { Ws().SetCaption(hwnd_, std::move(caption)); }

void FormImpl::SetBackColor(gfx::OleColor color) {
  backColor_ = color;
  Ws().SurfaceOf(hwnd_).SetBackColor(color);
}

win::POINT FormImpl::Origin() const {
  const win::RECT r = Ws().ClientRect(hwnd_);
  return {r.left, r.top};
}

void FormImpl::SetOrigin(win::POINT origin) {
  const win::RECT r = Ws().ClientRect(hwnd_);
  movingWindow_ = true;
  Ws().Move(hwnd_, {origin.x, origin.y, origin.x + r.Width(), origin.y + r.Height()});
  movingWindow_ = false;
}

void FormImpl::SetClientSize(double width, double height) {
  Busy busy(app_);
  clientWidth_ = ValidClientExtent(width);
  clientHeight_ = ValidClientExtent(height);
  const win::POINT o = Origin();
  movingWindow_ = true;
  Ws().Move(hwnd_, {o.x, o.y, o.x + ToPixels(clientWidth_, tppX_), o.y + ToPixels(clientHeight_, tppY_)});
  movingWindow_ = false;
  LayoutAligned();
  app_.NotifyForm(*this, u"Resize");
}

void FormImpl::OnClientResized(int widthPx, int heightPx) {
  clientWidth_ = static_cast<double>(widthPx) * tppX_;
  clientHeight_ = static_cast<double>(heightPx) * tppY_;
  LayoutAligned();
  app_.NotifyForm(*this, u"Resize");
}

void FormImpl::OnMessage(const win::Message& m) {
  Busy busy(app_);
  using win::Msg;
  switch (m.type) {
    case Msg::Size:
      if (!movingWindow_) OnClientResized(m.a, m.b);
      break;
    case Msg::Activate:
      app_.NotifyForm(*this, m.a != 0 ? u"Activate" : u"Deactivate");
      if (m.a != 0) FocusActiveControl();
      break;
    case Msg::AccessKey:
      HandleAccessKey(m.a);
      break;
    case Msg::KeyDown:
      if (designer_) designer_->KeyDown(m.a, m.b);
      else HandleKeyDown(nullptr, m.a, m.b);
      break;
    case Msg::Char:
      SwallowChar(m.a);
      break;
    case Msg::Close: {
      constexpr std::int16_t kFromCloseBox = 0;
      // A form being designed runs none of its code: the designer asks instead.
      const bool close = designer_ ? designer_->QueryClose() : app_.QueryUnload(*this, kFromCloseBox);
      if (close) app_.Unload(*this, true);
      break;
    }
    case Msg::MouseDown:
    case Msg::MouseMove:
    case Msg::MouseUp:
      if (designer_) designer_->OnWindowMouse(nullptr, m);
      break;
    case Msg::SetFocus:
    case Msg::KillFocus:
    case Msg::Move:
    case Msg::Enable:
    case Msg::KeyUp:
    case Msg::DblClick:
    case Msg::CaptureLost:
    case Msg::Paint:
      break;
  }
}

std::vector<Control*> FormImpl::Controls() const {
  std::vector<Control*> out;
  out.reserve(sites_.size());
  for (const auto& s : sites_) out.push_back(s.get());
  return out;
}

std::vector<ControlSite*> FormImpl::Named(std::u16string_view name) const {
  std::vector<ControlSite*> named;
  const auto [first, last] = byName_.equal_range(text::UpperAnsi(name));
  for (auto it = first; it != last; ++it) {
    if (com::NamesEqual(it->second->Name(), name)) named.push_back(it->second);
  }
  return named;
}

// A name and index pair is used once on a form (CheckName).
Control* FormImpl::Find(std::u16string_view name, std::optional<int> index) const {
  for (ControlSite* s : Named(name)) {
    if (s->Index() == index) return s;
  }
  return nullptr;
}

Control* FormImpl::FindRef(std::u16string_view ref) const {
  const auto [name, index] = SplitRef(ref);
  return Find(name, index);
}

Control* FormImpl::FromHwnd(win::HWND hwnd) const {
  for (win::HWND h = hwnd; h != 0 && h != hwnd_; h = Ws().Parent(h)) {
    for (const auto& s : sites_) {
      if (s->Hwnd() == h) return s.get();
    }
  }
  return nullptr;
}

ControlSite* FormImpl::SiteOf(Control& control) const {
  for (const auto& s : sites_) {
    if (s.get() == &control) return s.get();
  }
  throw com::Error(com::err::kInvalidCall, u"The control is not on form " + name_);
}

std::vector<ControlSite*> FormImpl::ChildrenOf(const ControlSite* container) const {
  std::vector<ControlSite*> out;
  for (const auto& s : sites_) {
    if (s->ContainerSite() == container) out.push_back(s.get());
  }
  return out;
}

void FormImpl::CheckName(std::u16string_view name, std::optional<int> index) const {
  if (name.empty()) throw com::Error(com::err::kInvalidCall, u"A control needs a name");
  for (const ControlSite* s : Named(name)) {
    // A control array keeps its elements apart by index; a plain name is used once.
    if (!s->Index() || !index || *s->Index() == *index) {
      throw com::Error(com::err::kInvalidCall,
                       u"The name " + std::u16string(name) + u" is already used on form " + name_);
    }
  }
  if (index && (*index < 0 || *index > 32767)) throw com::Error(com::err::kInvalidCall, u"Invalid control index");
}

ControlSite& FormImpl::CreateControl(std::u16string_view progid, std::u16string_view name, const TwipsRect& rect,
                                     ControlSite* container, std::optional<int> index, OrderedBag* bag,
                                     const ExtenderInit& init) {
  Busy busy(app_);
  CheckName(name, index);
  ControlObject made = CreateControlObject(progid);
  sites_.push_back(std::make_unique<ControlSite>(*this, container, std::u16string(progid), std::u16string(name), index,
                                                 std::move(made.control), rect));
  ControlSite& site = *sites_.back();
  byName_.emplace(text::UpperAnsi(site.Name()), &site);
  tabOrder_.push_back(&site);
  try {
    site.Start(bag, init);
  } catch (...) {
    if (!site.Stopped()) RemoveControl(site);
    throw;
  }
  return site;
}

Control& FormImpl::AddControl(std::u16string_view progid, std::u16string_view name, const TwipsRect& rect,
                              Control* container, std::optional<int> index) {
  ControlSite* c = container != nullptr ? SiteOf(*container) : nullptr;
  return CreateControl(progid, name, rect, c, index, nullptr, {});
}

Control& FormImpl::ReadControl(std::u16string_view progid, std::u16string_view name, const TwipsRect& rect,
                               const OrderedBag& bag, Control* container, std::optional<int> index) {
  ControlSite* c = container != nullptr ? SiteOf(*container) : nullptr;
  OrderedBag copy = bag;
  return CreateControl(progid, name, rect, c, index, &copy, {});
}

void FormImpl::Forget(ControlSite& site) {
  std::erase(tabOrder_, &site);
  std::erase(selection_, &site);
  if (active_ == &site) active_ = nullptr;
  if (defaultSite_ == &site) defaultSite_ = nullptr;
  if (cancelSite_ == &site) cancelSite_ = nullptr;
  if (displayedDefault_ == &site) displayedDefault_ = nullptr;
}

void FormImpl::RemoveControl(Control& control) {
  Busy busy(app_);
  ControlSite* site = SiteOf(control);
  for (ControlSite* child : ChildrenOf(site)) RemoveControl(*child);
  site->Stop();
  Forget(*site);
  const auto it = std::find_if(sites_.begin(), sites_.end(), [site](const auto& p) { return p.get() == site; });
  const auto [first, last] = byName_.equal_range(text::UpperAnsi(site->Name()));
  byName_.erase(std::find_if(first, last, [site](const auto& named) { return named.second == site; }));
  std::unique_ptr<ControlSite> owned = std::move(*it);
  sites_.erase(it);
  app_.Bury(std::move(owned));
  LayoutAligned();
}

void FormImpl::TerminateAll() {
  for (auto it = sites_.rbegin(); it != sites_.rend(); ++it) (*it)->Stop();
  object_->Detach();
}

com::ComPtr<com::IDispatch> FormImpl::Dispatch() const { return object_; }
com::ComPtr<FormObject> FormImpl::Object() const { return object_; }

void FormImpl::Activate() {
  Busy busy(app_);
  if (kind_ == FormKind::Embedded) return;
  if (kind_ == FormKind::MDIChild) {
    const bool changed = frame_->activeChild_ != this;
    frame_->SetActiveChild(this);
    Ws().Activate(frame_->Hwnd());
    if (changed) app_.NotifyForm(*this, u"Activate");
    return;
  }
  Ws().Activate(hwnd_);
}

void FormImpl::Show() {
  Busy busy(app_);
  Ws().Show(hwnd_, true);
}

void FormImpl::Hide() {
  Busy busy(app_);
  Ws().Show(hwnd_, false);
}

void FormImpl::Select(Control* control) {
  selection_.clear();
  if (control != nullptr) selection_.push_back(SiteOf(*control));
}

void FormImpl::AddToSelection(Control& control) {
  ControlSite* site = SiteOf(control);
  if (std::find(selection_.begin(), selection_.end(), site) == selection_.end()) selection_.push_back(site);
}

std::vector<Control*> FormImpl::SelectedControls() const { return {selection_.begin(), selection_.end()}; }

}  // namespace kelvo::forms
