#include "kcsetup/setup_window.h"

#include <utility>

#include "kcsetup/artwork.h"
#include "kcsetup/messages.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/picture.h"
#include "platform/win/window_system.h"

namespace kelvo::kcsetup {
namespace {

constexpr double kClientWidth = 6465;
constexpr double kClientHeight = 4905;
constexpr std::int32_t kBlue = 0xFF0000;      // &HFF0000&, in the container's BGR order
constexpr std::int32_t kDarkBlue = 0x800000;  // &H800000&
constexpr std::int16_t kTransparent = 0;

com::Variant Font(std::u16string name, double size) {
  return com::Variant::Object(forms::CreateFontObject({.name = std::move(name), .size = size, .bold = true}));
}

com::Variant Picture(std::span<const std::uint8_t> bytes) {
  return com::Variant::Object(forms::CreatePictureObject(gfx::DecodePicture(bytes)));
}

forms::OrderedBag Bag(std::vector<forms::OrderedBag::Item> items) { return forms::OrderedBag(std::move(items)); }

void AddBanner(forms::Form& form) {
  forms::Control& frame =
      form.ReadControl(u"Frame", u"Frame1", {60, -15, 6345, 1245}, Bag({{u"Caption", com::Variant::String(u"")}}));
  form.ReadControl(u"Image", u"Image1", {30, 120, 6270, 1080}, Bag({{u"Picture", Picture(artwork::Banner())}}),
                   &frame);
}

void AddLabels(forms::Form& form) {
  form.ReadControl(u"Label", u"lblTitle", {120, 1320, 6225, 255},
                   Bag({{u"BackStyle", com::Variant::Integer(kTransparent)},
                        {u"ForeColor", com::Variant::Long(kBlue)},
                        {u"Font", Font(u"Arial", 11.25)}}));
  form.ReadControl(u"Label", u"lblVersion", {120, 1560, 6225, 195},
                   Bag({{u"BackStyle", com::Variant::Integer(kTransparent)},
                        {u"ForeColor", com::Variant::Long(kDarkBlue)},
                        {u"Font", Font(u"Arial", 8.25)}}));
}

void AddButtons(forms::Form& form) {
  const std::u16string_view captions[] = {u"&Instalar/Atualizar", u"&Desinstalar"};
  for (int index = 0; index < 2; ++index) {
    form.ReadControl(u"CommandButton", u"btnComando", {1050, 2490.0 + 600 * index, 4365, 555},
                     Bag({{u"Caption", com::Variant::String(std::u16string(captions[index]))},
                          {u"Font", Font(u"Courier New", 9.75)}}),
                     nullptr, index);
  }
  form.ReadControl(u"CommandButton", u"btnFechar", {4830, 4380, 1515, 405},
                   Bag({{u"Caption", com::Variant::String(u"Fecha&r")}}));
}

}  // namespace

forms::Form& CreateSetupWindow(forms::Application& app) {
  forms::Form& form = app.CreateForm(u"frmSetup", {.clientWidth = kClientWidth,
                                                   .clientHeight = kClientHeight,
                                                   .origin = {120, 90},
                                                   .caption = std::u16string(kTitle),
                                                   .show = false});
  PaintBackground(form);
  AddBanner(form);
  AddLabels(form);
  form.AddControl(u"Line", u"Line1", {60, 1860, 6345, 0});
  AddButtons(form);
  form.ReadControl(u"Label", u"Label3", {90, 4590, 4065, 195},
                   Bag({{u"BackStyle", com::Variant::Integer(kTransparent)},
                        {u"Caption", com::Variant::String(u"Feche os programas que usam os componentes.")}}));
  return form;
}

void PaintBackground(forms::Form& form) {
  static const gfx::Image background = gfx::DecodePicture(artwork::Background());
  gfx::Surface& surface = win::WindowSystem::Get().SurfaceOf(form.Hwnd());
  surface.PaintPicture(background, 0, 0, background.width() * surface.twipsPerPixelX(),
                       background.height() * surface.twipsPerPixelY());
}

}  // namespace kelvo::kcsetup
