// KelvoActiveCommand's members in the slot order of _KelvoActiveCommand and
// its 23 persisted keys. "Font" is written from the surface's current font
// and loaded first; every key loads with the value at creation as default.
#include "klvctl32/buttons/activecommand.h"
#include "klvctl32/buttons/face_table.h"

namespace kelvo::klvctl32 {

const ControlTable<KelvoActiveCommand>& KelvoActiveCommand::Table() {
  using C = KelvoActiveCommand;
  using T = ControlTable<C>;
  static const T table = [] {
    T t;
    AddFaceMembers(t).Method(u"ToKelvoEnginer", [](C& c) { c.ToKelvoEnginer(); }).Method(u"XFocus", [](C& c) {
      c.XFocus();
    });
    AddFaceKeys(t,
                [](C& c, forms::IPropertyBag& bag, std::u16string_view key) {
                  bag.Write(key, com::Variant::Object(forms::CreateFontObject(c.SurfaceFont())), com::Variant());
                })
        .LoadOrder({u"Font",
                    u"Caption",
                    u"Enabled",
                    u"ForeColor",
                    u"BackColor",
                    u"FocusedFRColor",
                    u"FocusedBKColor",
                    u"LightColorIn",
                    u"LightColorOut",
                    u"ShadowColorIn",
                    u"ShadowColorOut",
                    u"Picture",
                    u"DisabledPicture",
                    u"DownPicture",
                    u"FocusedPicture",
                    u"PictPosition",
                    u"PictSize",
                    u"Margin",
                    u"Distance",
                    u"FocusedBold",
                    u"FocusedUnderline",
                    u"ActiveBorder",
                    u"Style"});
    return t;
  }();
  return table;
}

}  // namespace kelvo::klvctl32
