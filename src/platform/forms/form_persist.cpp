// Loading a form file into a live form and saving a live form: the file is
// parsed and checked completely (classes, names, values) before the first
// control is created; a creation that fails unloads everything created.

#include <cmath>
#include <limits>
#include <map>

#include "platform/base/file_write.h"
#include "platform/base/text.h"
#include "platform/com/error.h"
#include "platform/forms/control_classes.h"
#include "platform/forms/form_impl.h"
#include "platform/forms/form_object.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/picture.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {
namespace {

constexpr gfx::OleColor kDefaultBackColor = 0x8000000Fu;

struct Placement {
  TwipsRect rect;
  ExtenderInit init;
  std::optional<int> index;
  int tabIndex = std::numeric_limits<int>::max();
};

double Number(const OrderedBag& bag, std::u16string_view key, double fallback) {
  const auto v = bag.Find(key);
  return v ? v->ToDouble() : fallback;
}

bool Flag(const OrderedBag& bag, std::u16string_view key, bool fallback) {
  const auto v = bag.Find(key);
  return v ? v->ToBoolean() : fallback;
}

std::u16string Text(const OrderedBag& bag, std::u16string_view key) {
  const auto v = bag.Find(key);
  return v ? v->ToString() : std::u16string();
}

Placement ReadPlacement(const OrderedBag& ext) {
  Placement p;
  p.rect = {Number(ext, u"Left", 0), Number(ext, u"Top", 0), std::max(0.0, Number(ext, u"Width", 0)),
            std::max(0.0, Number(ext, u"Height", 0))};
  p.init.visible = Flag(ext, u"Visible", true);
  p.init.tabStop = Flag(ext, u"TabStop", true);
  p.init.toolTipText = Text(ext, u"ToolTipText");
  p.init.align = static_cast<Align>(static_cast<std::int16_t>(Number(ext, u"Align", 0)));
  p.init.isDefault = Flag(ext, u"Default", false);
  p.init.isCancel = Flag(ext, u"Cancel", false);
  p.init.tag = Text(ext, u"Tag");
  if (ext.Find(u"Index")) p.index = static_cast<int>(Number(ext, u"Index", 0));
  if (ext.Find(u"TabIndex")) p.tabIndex = static_cast<int>(Number(ext, u"TabIndex", 0));
  return p;
}

void CheckClasses(const std::vector<ControlDesc>& controls, const std::string& file) {
  for (const ControlDesc& c : controls) {
    if (const auto reason = UnknownClassReason(c.progid)) throw FormFileError(file, c.line, *reason);
    CheckClasses(c.children, file);
  }
}

// A plain name is used once; the elements of a control array have distinct indices.
void CheckNames(const std::vector<ControlDesc>& controls, const std::string& file,
                std::map<std::u16string, std::vector<std::optional<int>>>& seen) {
  for (const ControlDesc& c : controls) {
    const std::optional<int> index = ReadPlacement(c.extender).index;
    auto& used = seen[text::UpperAnsi(c.name)];
    for (const std::optional<int>& other : used) {
      if (!other || !index || *other == *index) {
        throw FormFileError(file, c.line, "a name not used before (" + text::ToUtf8(c.name) + " is already used)");
      }
    }
    used.push_back(index);
    CheckNames(c.children, file, seen);
  }
}

FormOptions OptionsFrom(const FormDesc& desc, bool design) {
  const win::WindowSystem& ws = win::WindowSystem::Get();
  FormOptions o;
  o.kind = desc.mdi ? FormKind::MDIFrame : FormKind::Normal;
  o.clientWidth = Number(desc.properties, u"ClientWidth", o.clientWidth);
  o.clientHeight = Number(desc.properties, u"ClientHeight", o.clientHeight);
  o.origin = {static_cast<int>(std::lround(Number(desc.properties, u"ClientLeft", 0) / ws.TwipsPerPixelX())),
              static_cast<int>(std::lround(Number(desc.properties, u"ClientTop", 0) / ws.TwipsPerPixelY()))};
  o.design = design;
  o.caption = desc.properties.Find(u"Caption") ? Text(desc.properties, u"Caption") : desc.name;
  o.show = false;
  return o;
}

bool IsFormKey(std::u16string_view key) {
  for (const std::u16string_view k :
       {u"Caption", u"ClientLeft", u"ClientTop", u"ClientWidth", u"ClientHeight", u"BackColor", u"Font"}) {
    if (com::NamesEqual(k, key)) return true;
  }
  return false;
}

void ApplyFormProperties(FormImpl& form, const OrderedBag& props) {
  if (const auto back = props.Find(u"BackColor")) form.SetBackColor(static_cast<gfx::OleColor>(back->ToLong()));
  if (const auto font = props.Find(u"Font")) {
    if (const auto f = AsFont(*font)) form.SetFontDesc(f->Desc());
  }
  for (const auto& [key, value] : props.Items()) {
    if (!IsFormKey(key)) form.MutableExtras().Set(key, value);
  }
}

// A runtime error while the control is made and reads its bag: the value it
// last read is the one it refused; before any, the control itself failed.
[[noreturn]] void RefusedValue(const com::Error& e, const ControlDesc& c, const OrderedBag& bag,
                               const std::string& file) {
  const std::u16string& key = bag.LastKeyRead();
  if (key.empty()) throw FormValueError(e, file, c.line, c.name);
  const auto line = c.keyLines.find(text::UpperAnsi(key));
  throw FormValueError(e, file, line != c.keyLines.end() ? line->second : c.line, key);
}

void CreateControls(FormImpl& form, const std::vector<ControlDesc>& controls, ControlSite* container,
                    std::vector<std::pair<ControlSite*, int>>& tabs, const std::string& file) {
  for (const ControlDesc& c : controls) {
    const Placement p = ReadPlacement(c.extender);
    OrderedBag bag = c.properties;
    ControlSite* site = nullptr;
    try {
      site = &form.CreateControl(c.progid, c.name, p.rect, container, p.index, &bag, p.init);
    } catch (const com::Error& e) {
      RefusedValue(e, c, bag, file);
    }
    tabs.emplace_back(site, p.tabIndex);
    if (!c.children.empty() && (site->ClassInfo().miscStatus & com::olemisc::kSimpleFrame) == 0) {
      throw FormFileError(file, c.children.front().line,
                          "a control inside " + text::ToUtf8(c.name) + ", which holds no controls (only forms, " +
                              "frames and container controls do)");
    }
    CreateControls(form, c.children, site, tabs, file);
  }
}

// Twips as the file writes them: integers when whole, else decimals.
com::Variant TwipsValue(double v) {
  if (v == std::trunc(v) && v >= std::numeric_limits<std::int16_t>::min() &&
      v <= std::numeric_limits<std::int16_t>::max()) {
    return com::Variant::Integer(static_cast<std::int16_t>(v));
  }
  if (v == std::trunc(v) && std::abs(v) < 2e9) return com::Variant::Long(static_cast<std::int32_t>(v));
  return com::Variant::Double(v);
}

OrderedBag ExtenderBag(const ControlSite& s) {
  OrderedBag b;
  const TwipsRect r = s.Rect();
  b.Set(u"Left", TwipsValue(r.left));
  b.Set(u"Top", TwipsValue(r.top));
  b.Set(u"Width", TwipsValue(r.width));
  b.Set(u"Height", TwipsValue(r.height));
  b.Set(u"TabIndex", com::Variant::Integer(s.TabIndex()));
  if (!s.TabStop()) b.Set(u"TabStop", com::Variant::Boolean(false));
  if (!s.Visible()) b.Set(u"Visible", com::Variant::Boolean(false));
  if (!s.ToolTipText().empty()) b.Set(u"ToolTipText", com::Variant::String(s.ToolTipText()));
  if (s.Alignment() != Align::None) {
    b.Set(u"Align", com::Variant::Integer(static_cast<std::int16_t>(s.Alignment())));
  }
  if (s.Default()) b.Set(u"Default", com::Variant::Boolean(true));
  if (s.Cancel()) b.Set(u"Cancel", com::Variant::Boolean(true));
  if (!s.Tag().empty()) b.Set(u"Tag", com::Variant::String(s.Tag()));
  if (s.Index()) b.Set(u"Index", com::Variant::Integer(static_cast<std::int16_t>(*s.Index())));
  return b;
}

std::string SidecarName(const std::filesystem::path& file, const ControlSite& s, std::u16string_view key) {
  std::string name = file.stem().string() + "." + text::ToUtf8(s.Name());
  if (s.Index()) name += "_" + std::to_string(*s.Index());
  return name + "." + text::ToUtf8(key) + ".png";
}

// Pictures that came from no file are written next to the form file.
void WriteLoosePictures(OrderedBag& bag, const ControlSite& s, const std::filesystem::path& file) {
  for (auto& [key, value] : std::vector<OrderedBag::Item>(bag.Items())) {
    const auto picture = AsPicture(value);
    if (!picture || !picture->Source().empty()) continue;
    const std::string name = SidecarName(file, s, key);
    try {
      gfx::WritePng(picture->Picture(), file.parent_path() / name);
    } catch (const gfx::PictureError& e) {
      throw com::Error(com::err::kPathFileAccess, text::FromUtf8(e.what()));
    }
    bag.Set(key, com::Variant::String(text::FromUtf8(name)));
  }
}

ControlDesc DescribeControl(const FormImpl& form, const ControlSite& s, const std::filesystem::path& file) {
  ControlDesc d;
  d.progid = s.ProgID();
  d.name = s.Name();
  d.extender = ExtenderBag(s);
  d.properties = s.WriteProperties();
  WriteLoosePictures(d.properties, s, file);
  d.members = s.ClassInfo().defaultInterface;
  for (const ControlSite* child : form.ChildrenOf(&s)) d.children.push_back(DescribeControl(form, *child, file));
  return d;
}

FormDesc DescribeForm(const FormImpl& form, const std::filesystem::path& file) {
  FormDesc d;
  d.mdi = form.IsMDIFrame();
  d.name = form.Name();
  d.members = &FormInterface();
  const win::POINT origin = form.Origin();
  d.properties.Set(u"Caption", com::Variant::String(form.Caption()));
  d.properties.Set(u"ClientLeft", TwipsValue(static_cast<double>(origin.x) * form.TwipsPerPixelX()));
  d.properties.Set(u"ClientTop", TwipsValue(static_cast<double>(origin.y) * form.TwipsPerPixelY()));
  d.properties.Set(u"ClientWidth", TwipsValue(form.ClientWidth()));
  d.properties.Set(u"ClientHeight", TwipsValue(form.ClientHeight()));
  if (form.BackColor() != kDefaultBackColor) {
    d.properties.Set(u"BackColor", com::Variant::Long(static_cast<std::int32_t>(form.BackColor())));
  }
  if (form.AmbientFontDesc() != gfx::FontDesc{}) {
    d.properties.Set(u"Font", com::Variant::Object(CreateFontObject(form.AmbientFontDesc())));
  }
  for (const auto& [key, value] : form.ExtraProperties().Items()) d.properties.Set(key, value);
  for (const ControlSite* s : form.ChildrenOf(nullptr)) d.controls.push_back(DescribeControl(form, *s, file));
  return d;
}

void WriteWhole(const std::filesystem::path& file, const std::string& text) {
  try {
    file::WriteFile(file, text);
  } catch (const file::WriteError& e) {
    throw com::Error(com::err::kPathFileAccess,
                     u"Path/File access error: " + text::FromUtf8(file.string() + " (" + e.reason() + ")"));
  }
}

}  // namespace

Form& Application::LoadFormFile(const std::filesystem::path& file, bool design) {
  Busy busy(*impl_);
  const std::string name = file.string();
  std::string content = ReadFormFileText(file);
  const FormDesc desc = ParseFormFile(content, name, file.parent_path());
  CheckClasses(desc.controls, name);
  std::map<std::u16string, std::vector<std::optional<int>>> seen;
  CheckNames(desc.controls, name, seen);
  if (FindForm(desc.name) != nullptr) {
    throw com::Error(com::err::kInvalidCall, u"A form named " + desc.name + u" is already loaded");
  }
  impl_->forms.push_back(std::make_unique<FormImpl>(*impl_, desc.name, OptionsFrom(desc, design)));
  FormImpl& form = *impl_->forms.back();
  try {
    ApplyFormProperties(form, desc.properties);
    std::vector<std::pair<ControlSite*, int>> tabs;
    CreateControls(form, desc.controls, nullptr, tabs, name);
    form.ApplyTabIndices(tabs);
  } catch (...) {
    impl_->Unload(form, false);
    throw;
  }
  if (FormDesigner* designer = form.Designer()) designer->SetFile(file, std::move(content));
  impl_->current = &form;
  impl_->NotifyForm(form, u"Load");
  form.Show();
  form.Activate();
  if (!design) form.FocusFirstControl();
  return form;
}

void Application::SaveFormFile(const Form& form, const std::filesystem::path& file) const {
  WriteWhole(file, FormFileText(form, file));
}

std::string Application::FormFileText(const Form& form, const std::filesystem::path& file) const {
  Busy busy(*impl_);
  const auto& f = dynamic_cast<const FormImpl&>(form);
  return FormatFormFile(DescribeForm(f, file), file.parent_path(), file.string());
}

void Application::WriteFormFileText(const std::filesystem::path& file, const std::string& text) const {
  WriteWhole(file, text);
}

}  // namespace kelvo::forms
