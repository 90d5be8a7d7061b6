// The designer of one form: selection, dragging, handles, keys, saving.

#include "platform/forms/form_designer.h"

#include <algorithm>
#include <array>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/forms/designer.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {
namespace {

win::WindowSystem& Ws() { return win::WindowSystem::Get(); }

constexpr int kHandlePx = 6;
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kLeftButton = 1;
constexpr int kVkDelete = 0x2E;
constexpr int kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28;
constexpr int kVkS = 'S';
constexpr int kVkF4 = 0x73;
constexpr double kPlacedWidth = 1215;  // twips: the size of a placed tool
constexpr double kPlacedHeight = 375;
constexpr gfx::Rgb kHandleColor{0, 0, 128};

// Handles clockwise from the top-left corner; which edges each one drags.
enum Edge : std::uint8_t { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8 };
constexpr std::array<std::uint8_t, 8> kHandleEdges = {kLeft | kTop,     kTop,    kRight | kTop,   kRight,
                                                      kRight | kBottom, kBottom, kLeft | kBottom, kLeft};

win::RECT HandleRect(const win::RECT& r, int handle) {
  const std::uint8_t e = kHandleEdges[static_cast<std::size_t>(handle)];
  const int x = (e & kLeft) ? r.left : (e & kRight) ? r.right : (r.left + r.right) / 2;
  const int y = (e & kTop) ? r.top : (e & kBottom) ? r.bottom : (r.top + r.bottom) / 2;
  return {x - kHandlePx / 2, y - kHandlePx / 2, x + kHandlePx / 2, y + kHandlePx / 2};
}

// A control's window rectangle in pixels relative to the form's client area.
win::RECT RectOnForm(const Form& form, const Control& control) {
  const win::RECT origin = Ws().ScreenRect(form.Hwnd());
  const win::RECT r = Ws().ScreenRect(control.Hwnd());
  return {r.left - origin.left, r.top - origin.top, r.right - origin.left, r.bottom - origin.top};
}

}  // namespace

FormDesigner::FormDesigner(Form& form) : form_(form) { form_.App().AddListener(this); }

FormDesigner::~FormDesigner() {
  form_.App().RemoveListener(this);
  ClearHandles();
}

void FormDesigner::OnPropertyChanged(Control& control, std::u16string_view) {
  if (&control.Parent() == &form_) changed_ = true;
}

void FormDesigner::OnWindowMouse(Control* hit, const win::Message& m) {
  const win::POINT at = hit != nullptr ? ToFormPixels(*hit, {m.c, m.d}) : win::POINT{m.c, m.d};
  switch (m.type) {
    case win::Msg::MouseDown:
      if (m.a != kLeftButton) return;
      MouseDown(at, m.b, hit);
      // The designer's keys (arrows, Delete, Ctrl+S) go to the form from now on.
      if (Ws().Focus() != form_.Hwnd()) Ws().SetFocus(form_.Hwnd());
      Ws().SetCapture(form_.Hwnd());
      break;
    case win::Msg::MouseMove:
      MouseMove(at);
      break;
    case win::Msg::MouseUp:
      MouseUp(at);
      if (Ws().Capture() == form_.Hwnd()) Ws().ReleaseCapture();
      break;
    case win::Msg::DblClick:
      if (hit != nullptr && propertiesHandler_) propertiesHandler_();
      break;
    default:
      break;
  }
}

win::POINT FormDesigner::ToFormPixels(const Control& control, win::POINT local) const {
  const win::RECT r = RectOnForm(form_, control);
  return {r.left + local.x, r.top + local.y};
}

std::optional<int> FormDesigner::HandleAt(win::POINT at, Control** owner) const {
  for (Control* c : form_.SelectedControls()) {
    const win::RECT r = RectOnForm(form_, *c);
    for (int h = 0; h < static_cast<int>(kHandleEdges.size()); ++h) {
      if (HandleRect(r, h).Contains(at)) {
        *owner = c;
        return h;
      }
    }
  }
  return std::nullopt;
}

void FormDesigner::MouseDown(win::POINT at, int shift, Control* hit) {
  if (!armedTool_.empty()) {
    const std::u16string tool = std::move(armedTool_);
    armedTool_.clear();
    Place(tool, at);
    return;
  }
  Control* owner = nullptr;
  if (const auto handle = HandleAt(at, &owner)) {
    grabbed_ = {{owner, owner->Rect()}};
    BeginDrag(Drag::Resize, at, *handle);
    return;
  }
  if (hit == nullptr) {
    form_.Select(nullptr);
  } else if (shift & kShiftMask) {
    form_.AddToSelection(*hit);
  } else {
    const auto selected = form_.SelectedControls();
    if (std::find(selected.begin(), selected.end(), hit) == selected.end()) form_.Select(hit);
  }
  RefreshHandles();
  if (hit == nullptr) return;
  grabbed_.clear();
  for (Control* c : form_.SelectedControls()) grabbed_.push_back({c, c->Rect()});
  BeginDrag(Drag::Move, at, 0);
}

void FormDesigner::BeginDrag(Drag kind, win::POINT at, int handle) {
  drag_ = kind;
  dragHandle_ = handle;
  dragFrom_ = at;
  dragMoved_ = false;
}

void FormDesigner::MouseMove(win::POINT at) {
  if (drag_ != Drag::None) DragTo(at);
}

void FormDesigner::MouseUp(win::POINT at) {
  if (drag_ == Drag::None) return;
  DragTo(at);
  drag_ = Drag::None;
  grabbed_.clear();
  if (dragMoved_) changed_ = true;
}

void FormDesigner::DragTo(win::POINT at) {
  const double dx = static_cast<double>(at.x - dragFrom_.x) * form_.TwipsPerPixelX();
  const double dy = static_cast<double>(at.y - dragFrom_.y) * form_.TwipsPerPixelY();
  if (dx == 0 && dy == 0 && !dragMoved_) return;
  dragMoved_ = true;
  for (const Grab& g : grabbed_) {
    TwipsRect r = g.start;
    if (drag_ == Drag::Move) {
      r.left += dx;
      r.top += dy;
    } else {
      const std::uint8_t e = kHandleEdges[static_cast<std::size_t>(dragHandle_)];
      const double minW = form_.TwipsPerPixelX(), minH = form_.TwipsPerPixelY();
      if (e & kLeft) r.left = std::min(g.start.left + dx, g.start.left + g.start.width - minW);
      if (e & kTop) r.top = std::min(g.start.top + dy, g.start.top + g.start.height - minH);
      if (e & kLeft) r.width = g.start.left + g.start.width - r.left;
      if (e & kTop) r.height = g.start.top + g.start.height - r.top;
      if (e & kRight) r.width = std::max(g.start.width + dx, minW);
      if (e & kBottom) r.height = std::max(g.start.height + dy, minH);
    }
    g.control->Move(r);
  }
  RefreshHandles();
}

bool FormDesigner::KeyDown(int vk, int shift) {
  const bool resize = (shift & kShiftMask) != 0;
  switch (vk) {
    case kVkLeft:
      Nudge(-1, 0, resize);
      return true;
    case kVkRight:
      Nudge(1, 0, resize);
      return true;
    case kVkUp:
      Nudge(0, -1, resize);
      return true;
    case kVkDown:
      Nudge(0, 1, resize);
      return true;
    case kVkDelete:
      DeleteSelection();
      return true;
    case kVkF4:
      if (propertiesHandler_) propertiesHandler_();
      return true;
    case kVkS:
      if (!(shift & kCtrlMask)) return false;
      Save();
      return true;
    default:
      return false;
  }
}

void FormDesigner::Nudge(int dx, int dy, bool resize) {
  const double tx = static_cast<double>(dx) * form_.TwipsPerPixelX();
  const double ty = static_cast<double>(dy) * form_.TwipsPerPixelY();
  for (Control* c : form_.SelectedControls()) {
    TwipsRect r = c->Rect();
    if (resize) {
      r.width = std::max(r.width + tx, static_cast<double>(form_.TwipsPerPixelX()));
      r.height = std::max(r.height + ty, static_cast<double>(form_.TwipsPerPixelY()));
    } else {
      r.left += tx;
      r.top += ty;
    }
    c->Move(r);
    changed_ = true;
  }
  RefreshHandles();
}

void FormDesigner::DeleteSelection() {
  // Removing a container removes what it holds: look each one up again.
  const std::vector<Control*> selected = form_.SelectedControls();
  std::vector<std::u16string> refs;
  for (const Control* c : selected) refs.push_back(c->RefName());
  for (const std::u16string& ref : refs) {
    if (Control* c = form_.FindRef(ref)) {
      form_.RemoveControl(*c);
      changed_ = true;
    }
  }
  RefreshHandles();
}

std::u16string FormDesigner::FreeName(std::u16string_view progid) const {
  const std::size_t dot = progid.rfind(u'.');
  return NumberedName(dot == std::u16string_view::npos ? progid : progid.substr(dot + 1),
                      [this](std::u16string_view n) { return form_.Find(n) != nullptr; });
}

Control& FormDesigner::Place(std::u16string_view progid, win::POINT at) {
  const TwipsRect rect{static_cast<double>(at.x) * form_.TwipsPerPixelX(),
                       static_cast<double>(at.y) * form_.TwipsPerPixelY(), kPlacedWidth, kPlacedHeight};
  Control& placed = form_.AddControl(progid, FreeName(progid), rect);
  form_.Select(&placed);
  changed_ = true;
  RefreshHandles();
  return placed;
}

void FormDesigner::SetFile(std::filesystem::path file, std::string text) {
  file_ = std::move(file);
  loadedText_ = std::move(text);
  loadedFormat_ = form_.App().FormFileText(form_, file_);
  changed_ = false;
}

bool FormDesigner::Changed() const { return changed_; }

void FormDesigner::Save() {
  if (file_.empty()) throw com::Error(com::err::kPathFileAccess, u"Path/File access error: the form has no file");
  const std::string now = form_.App().FormFileText(form_, file_);
  // Nothing edited: the file keeps its own layout and comments.
  if (now == loadedFormat_) {
    form_.App().WriteFormFileText(file_, loadedText_);
  } else {
    form_.App().SaveFormFile(form_, file_);
    loadedText_ = form_.App().FormFileText(form_, file_);
    loadedFormat_ = loadedText_;
  }
  changed_ = false;
}

bool FormDesigner::QueryClose() {
  if (!changed_) return true;
  const std::u16string what = file_.empty() ? form_.Name() : text::FromUtf8(file_.filename().string());
  const win::MsgBoxResult answer = Ws().MessageBox(form_.Hwnd(), u"Save the changes to " + what + u"?", form_.Caption(),
                                                   win::MsgBoxButtons::YesNo, win::MsgBoxIcon::Question);
  if (answer == win::MsgBoxResult::Yes) Save();
  return true;
}

void FormDesigner::ClearHandles() {
  for (win::HWND h : handles_) {
    if (Ws().IsWindow(h)) Ws().Destroy(h);
  }
  handles_.clear();
}

void FormDesigner::RefreshHandles() {
  ClearHandles();
  for (Control* c : form_.SelectedControls()) {
    const win::RECT r = RectOnForm(form_, *c);
    for (int h = 0; h < static_cast<int>(kHandleEdges.size()); ++h) {
      win::WindowCreate params;
      params.parent = form_.Hwnd();
      params.rect = HandleRect(r, h);
      params.proc = [this](win::HWND self, const win::Message& m) { OnHandleMessage(self, m); };
      const win::HWND handle = Ws().Create(params);
      Ws().SurfaceOf(handle).FillRectPx({0, 0, kHandlePx, kHandlePx}, kHandleColor);
      handles_.push_back(handle);
    }
  }
}

void FormDesigner::OnHandleMessage(win::HWND handle, const win::Message& m) {
  if (m.type != win::Msg::MouseDown) return;
  const win::RECT r = Ws().ClientRect(handle);
  win::Message onForm = m;
  onForm.c += r.left;
  onForm.d += r.top;
  OnWindowMouse(nullptr, onForm);
}

}  // namespace kelvo::forms
