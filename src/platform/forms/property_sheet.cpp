// The designer's property sheet: tabs of property pages with OK, Cancel, Apply.

#include "platform/forms/property_sheet.h"

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/forms/form_designer.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {
namespace {

win::WindowSystem& Ws() { return win::WindowSystem::Get(); }

// Pixels.
constexpr int kMargin = 6;
constexpr int kTabWidth = 72;
constexpr int kTabHeight = 20;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kPageTop = kMargin + kTabHeight;
constexpr int kButtonTop = kPageTop + PropertyPageFrame::kHeightPx + kMargin;
constexpr int kClientWidth = PropertyPageFrame::kWidthPx + 2 * kMargin;
constexpr int kClientHeight = kButtonTop + kButtonHeight + kMargin;
constexpr std::uint32_t kTabShownColor = 0x8000000Fu;   // button face: the tab joins its page
constexpr std::uint32_t kTabHiddenColor = 0x80000010u;  // button shadow

constexpr std::u16string_view kOk = u"cmdOK";
constexpr std::u16string_view kCancel = u"cmdCancel";
constexpr std::u16string_view kApply = u"cmdApply";
constexpr std::u16string_view kTab = u"tabPage";

void Let(const Control& control, std::u16string_view member, com::Variant value) {
  std::vector<com::Variant> args{std::move(value)};
  control.Extender()->Invoke(member, com::InvokeKind::Let, args);
}

TwipsRect PixelRect(int left, int top, int width, int height) {
  const double tx = Ws().TwipsPerPixelX(), ty = Ws().TwipsPerPixelY();
  return {left * tx, top * ty, width * tx, height * ty};
}

}  // namespace

PropertySheet::PropertySheet(Form& designed, win::POINT origin)
    : app_(designed.App()), designed_(&designed), designedName_(designed.Name()) {
  const std::vector<Control*> selected = designed.SelectedControls();
  if (selected.empty()) throw com::Error(com::err::kInvalidCall, u"No control is selected");
  const std::vector<com::CLSID>& classes = selected.front()->ClassInfo().propertyPages;
  if (classes.empty()) {
    throw com::Error(com::err::kInvalidCall, selected.front()->Name() + u" has no property pages");
  }
  Application& app = app_;
  Form* current = app.CurrentForm();
  sheetName_ = NumberedName(u"PropertySheet", [&app](std::u16string_view n) { return app.FindForm(n) != nullptr; });
  FormOptions options;
  options.clientWidth = static_cast<double>(kClientWidth) * Ws().TwipsPerPixelX();
  options.clientHeight = static_cast<double>(kClientHeight) * Ws().TwipsPerPixelY();
  options.origin = origin;
  options.caption = u"Property Pages - " + selected.front()->Name();
  sheet_ = &app.CreateForm(sheetName_, options);
  try {
    sheet_->SetHandler(this);
    for (const com::CLSID& page : classes) {
      pages_.push_back(std::make_unique<PropertyPageFrame>(app, text::FromUtf8(page.ToString()), selected,
                                                           sheet_->Hwnd(), win::POINT{kMargin, kPageTop}));
      pages_.back()->SetChangedHandler([this] { UpdateButtons(); });
      AddTab(static_cast<int>(pages_.size()) - 1, pages_.back()->Caption());
    }
    const int buttonsLeft = kClientWidth - kMargin - 3 * kButtonWidth - 2 * kMargin;
    const std::u16string_view names[] = {kOk, kCancel, kApply};
    const std::u16string_view captions[] = {u"OK", u"Cancel", u"&Apply"};
    for (int i = 0; i < 3; ++i) {
      Control& button = sheet_->AddControl(
          u"CommandButton", names[i],
          PixelRect(buttonsLeft + i * (kButtonWidth + kMargin), kButtonTop, kButtonWidth, kButtonHeight));
      Let(button, u"Caption", com::Variant::String(std::u16string(captions[i])));
    }
    ShowTab(0);
  } catch (...) {
    pages_.clear();
    app.UnloadForm(*sheet_);
    app.SetCurrentForm(current);
    throw;
  }
  app.SetCurrentForm(current);
}

PropertySheet::~PropertySheet() {
  // The pages' forms live in the sheet's window: they go first.
  pages_.clear();
  if (Form* sheet = app_.FindForm(sheetName_); sheet != nullptr && sheet == sheet_) {
    sheet->SetHandler(nullptr);
    app_.UnloadForm(*sheet);
  }
}

Form* PropertySheet::Designed() const { return app_.FindForm(designedName_) == designed_ ? designed_ : nullptr; }

void PropertySheet::AddTab(int index, const std::u16string& caption) {
  Control& tab = sheet_->AddControl(
      u"Label", kTab, PixelRect(kMargin + index * kTabWidth, kMargin, kTabWidth, kTabHeight), nullptr, index);
  Let(tab, u"Caption", com::Variant::String(caption));
  Let(tab, u"Alignment", com::Variant::Integer(2));
  Let(tab, u"BorderStyle", com::Variant::Integer(1));
  tabs_.push_back(&tab);
}

std::vector<std::u16string> PropertySheet::TabCaptions() const {
  std::vector<std::u16string> out;
  for (const auto& page : pages_) out.push_back(page->Caption());
  return out;
}

void PropertySheet::ShowTab(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size())) throw com::Error(com::err::kInvalidCall);
  current_ = index;
  for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
    const bool shown = i == index;
    if (shown)
      pages_[static_cast<std::size_t>(i)]->Area().Show();
    else
      pages_[static_cast<std::size_t>(i)]->Area().Hide();
    Let(*tabs_[static_cast<std::size_t>(i)], u"BackColor",
        com::Variant::Long(static_cast<std::int32_t>(shown ? kTabShownColor : kTabHiddenColor)));
  }
  UpdateButtons();
}

PropertyPageFrame& PropertySheet::CurrentPage() const {
  if (closed_) throw com::Error(364, u"Object was unloaded");
  return *pages_[static_cast<std::size_t>(current_)];
}

bool PropertySheet::ApplyEnabled() const {
  for (const auto& page : pages_) {
    if (page->Changed()) return true;
  }
  return false;
}

void PropertySheet::UpdateButtons() {
  if (closed_ || sheet_ == nullptr) return;
  if (Control* apply = sheet_->Find(kApply)) Let(*apply, u"Enabled", com::Variant::Boolean(ApplyEnabled()));
}

void PropertySheet::Apply() {
  Form* designed = Designed();
  // The selected controls went with their form: nothing to apply to.
  if (designed == nullptr) {
    Close();
    return;
  }
  bool applied = false;
  for (const auto& page : pages_) {
    if (!page->Changed()) continue;
    page->Apply();
    applied = true;
  }
  if (applied) {
    if (FormDesigner* designer = designed->Designer()) designer->MarkChanged();
  }
  UpdateButtons();
}

void PropertySheet::Ok() {
  Apply();
  Close();
}

void PropertySheet::Cancel() { Close(); }

// Hidden only: a button's own Click is still running. The window goes with the sheet.
void PropertySheet::Close() {
  closed_ = true;
  sheet_->Hide();
}

void PropertySheet::OnEvent(Control& control, std::u16string_view event, std::span<com::Variant>) {
  if (event != u"Click" || closed_) return;
  const std::u16string& name = control.Name();
  if (name == kOk)
    Ok();
  else if (name == kCancel)
    Cancel();
  else if (name == kApply)
    Apply();
  else if (name == kTab && control.Index())
    ShowTab(*control.Index());
}

void PropertySheet::OnFormEvent(Form& form, std::u16string_view event) {
  // The window's close box: the pages' forms go before the sheet's window.
  if (&form == sheet_ && event == u"Unload") {
    closed_ = true;
    pages_.clear();
  }
}

}  // namespace kelvo::forms
