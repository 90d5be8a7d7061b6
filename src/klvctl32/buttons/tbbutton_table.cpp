// KelvoTBButton's members: the face members as the command button's, then
// AutoSize and ToKelvoEnginer; its persisted set is the 23 face keys in the
// same order ("Font" from the Font property), then "AutoSize", all loaded in
// written order with the current values as defaults ("AutoSize": true).
#include "klvctl32/buttons/face_table.h"
#include "klvctl32/buttons/tbbutton.h"

namespace kelvo::klvctl32 {

const ControlTable<KelvoTBButton>& KelvoTBButton::Table() {
  using C = KelvoTBButton;
  using T = ControlTable<C>;
  using V = com::Variant;
  static const T table = [] {
    T t;
    AddFaceMembers(t)
        .Property(u"AutoSize", BooleanT(),
                  u"Determines the auto size to draw the controls. (Determina o tamanho automatico para desenhar o "
                  u"controle)",
                  {[](C& c) { return V::Boolean(c.autoSize_); },
                   [](C& c, const V& v) {
                     c.autoSize_ = v.ToBoolean();
                     c.StyleChanged(u"AutoSize");
                   }})
        .Method(u"ToKelvoEnginer", [](C& c) { c.ToKelvoEnginer(); });
    AddFaceKeys(t, [](C& c, forms::IPropertyBag& bag, std::u16string_view key) {
      bag.Write(key, V::Object(c.Face().Font), V());
    }).Saves(u"AutoSize", &C::autoSize_, true);
    return t;
  }();
  return table;
}

}  // namespace kelvo::klvctl32
