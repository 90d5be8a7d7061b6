// The designer's property-page frame.

#include "platform/forms/designer.h"

#include <map>
#include <optional>

#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/com/loader.h"
#include "platform/com/registry.h"
#include "platform/forms/interface_ids.h"
#include "platform/forms/page_site.h"
#include "platform/forms/stdpages/standard_page.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {
namespace {

constexpr int kPageWidthPx = PropertyPageFrame::kWidthPx;
constexpr int kPageHeightPx = PropertyPageFrame::kHeightPx;

std::map<std::u16string, PropertyPageFactory>& PageClasses() {
  static std::map<std::u16string, PropertyPageFactory> classes = [] {
    std::map<std::u16string, PropertyPageFactory> c;
    for (const auto& page : stdpages::StandardPageClasses()) c.emplace(text::UpperAnsi(page.progid), page.create);
    return c;
  }();
  return classes;
}

[[noreturn]] void CannotCreate(std::u16string_view progid, std::u16string_view reason) {
  throw com::Error(com::err::kCantCreateObject,
                   u"Can't create object: " + std::u16string(progid) + u" (" + std::u16string(reason) + u")");
}

com::ComPtr<IPropertyPage> CreatePage(std::u16string_view progid) {
  const auto in = PageClasses().find(text::UpperAnsi(progid));
  if (in != PageClasses().end()) {
    auto page = in->second();
    if (!page) CannotCreate(progid, u"the class factory made no object");
    return page;
  }
  const std::optional<com::CLSID> clsid =
      progid.starts_with(u'{') ? com::GUID::Parse(text::ToUtf8(progid)) : std::nullopt;
  if (clsid) {
    for (const auto& page : stdpages::StandardPageClasses()) {
      if (page.clsid == *clsid) return page.create();
    }
  }
  com::ComPtr<com::IDispatch> object;
  try {
    object = clsid ? com::CreateObject(*clsid) : com::CreateObject(progid);
  } catch (const com::RegistryError& e) {
    CannotCreate(progid, text::FromUtf8(e.what()));
  }
  auto page = com::QueryAs<IPropertyPage>(object, IID_IPropertyPage);
  if (!page) CannotCreate(progid, u"the object is not a property page");
  return page;
}

}  // namespace

std::u16string NumberedName(std::u16string_view base, const std::function<bool(std::u16string_view)>& taken) {
  for (int n = 1;; ++n) {
    std::u16string name = std::u16string(base) + text::FromUtf8(std::to_string(n));
    if (!taken(name)) return name;
  }
}

void RegisterPropertyPageClass(std::u16string progid, PropertyPageFactory factory) {
  PageClasses()[text::UpperAnsi(progid)] = std::move(factory);
}

struct PropertyPageFrame::Impl {
  Application& app;
  com::ComPtr<IPropertyPage> page;
  std::unique_ptr<PageSite> site;
  win::HWND window = 0;
  Form* area = nullptr;
  std::u16string areaName;
};

PropertyPageFrame::PropertyPageFrame(Application& app, std::u16string_view progid,
                                     const std::vector<Control*>& selected)
    : PropertyPageFrame(app, progid, selected, 0, {}) {}

PropertyPageFrame::PropertyPageFrame(Application& app, std::u16string_view progid,
                                     const std::vector<Control*>& selected, win::HWND host, win::POINT at)
    : impl_(std::make_unique<Impl>(Impl{app, CreatePage(progid), nullptr, 0, nullptr, {}})) {
  win::WindowSystem& ws = win::WindowSystem::Get();
  if (host == 0) {
    win::WindowCreate params;
    params.kind = win::WindowKind::TopLevel;
    params.rect = {0, 0, kPageWidthPx, kPageHeightPx};
    params.visible = false;
    params.caption = impl_->page->Caption();
    impl_->window = ws.Create(params);
  }
  try {
    impl_->areaName =
        NumberedName(u"PropertyPage", [&app](std::u16string_view n) { return app.FindForm(n) != nullptr; });
    FormOptions options;
    options.kind = FormKind::Embedded;
    options.parent = host != 0 ? host : impl_->window;
    options.origin = at;
    options.clientWidth = static_cast<double>(kPageWidthPx) * ws.TwipsPerPixelX();
    options.clientHeight = static_cast<double>(kPageHeightPx) * ws.TwipsPerPixelY();
    options.caption = impl_->page->Caption();
    Form* current = app.CurrentForm();
    impl_->area = &app.CreateForm(impl_->areaName, options);
    app.SetCurrentForm(current);
    impl_->site = std::make_unique<PageSite>(*impl_->area);
    impl_->page->Create(impl_->area->Hwnd(), impl_->site.get());
    std::vector<com::ComPtr<com::IDispatch>> extenders;
    for (Control* c : selected) extenders.push_back(c->Extender());
    impl_->page->SelectionChanged(extenders);
  } catch (...) {
    if (impl_->area != nullptr) app.UnloadForm(*impl_->area);
    if (impl_->window != 0) ws.Destroy(impl_->window);
    throw;
  }
}

PropertyPageFrame::~PropertyPageFrame() {
  // The application may have unloaded the page's form already (End).
  if (Form* area = impl_->app.FindForm(impl_->areaName); area != nullptr && area == impl_->area) {
    impl_->app.UnloadForm(*area);
  }
  if (impl_->window != 0) win::WindowSystem::Get().Destroy(impl_->window);
}

IPropertyPage& PropertyPageFrame::Page() const { return *impl_->page; }

std::u16string PropertyPageFrame::Caption() const { return impl_->page->Caption(); }

Form& PropertyPageFrame::Area() const {
  if (impl_->app.FindForm(impl_->areaName) != impl_->area) {
    throw com::Error(364, u"Object was unloaded");
  }
  return *impl_->area;
}

com::ComPtr<com::IDispatch> PropertyPageFrame::Field(std::u16string_view name) const {
  auto field = impl_->page->Field(name);
  if (!field) throw com::Error(com::err::kNoSuchMember, u"The page has no field " + std::u16string(name));
  return field;
}

void PropertyPageFrame::Apply() {
  impl_->page->ApplyChanges();
  impl_->site->SetChanged(false);
}

bool PropertyPageFrame::Changed() const { return impl_->site->Changed(); }

void PropertyPageFrame::SetChangedHandler(std::function<void()> handler) {
  impl_->site->SetChangedHandler(std::move(handler));
}

}  // namespace kelvo::forms
