#include "klvctl32/pages/ppgtextedit.h"

#include <string_view>

#include "klvctl32/pages/ppgtextedit_typeinfo.h"
#include "platform/com/error.h"
#include "platform/win/window_system.h"

namespace kelvo::klvctl32 {
namespace {

enum class FieldKind : std::uint8_t { Check, Text, List };

// A page control, its caption (a text box's label: name and caption), and
// the member it edits.
struct Binding {
  FieldKind kind;
  std::u16string_view field;
  std::u16string_view member;
  std::u16string_view caption;
  std::u16string_view label = {};
};

// Load and Apply both go in this order, so the setters run in it.
constexpr Binding kBindings[] = {
    {FieldKind::Check, u"chkLocked", u"Locked", u"Locked"},
    {FieldKind::Check, u"chkAutoSelect", u"AutoSelect", u"Enables Auto Selection"},
    {FieldKind::Check, u"chkSelection3D", u"Selection3D", u"Selection with 3D Effect"},
    {FieldKind::Check, u"chkEnabled", u"Enabled", u"Enabled"},
    {FieldKind::Text, u"txtFillChar", u"FillChar", u"FillChar:", u"lblFillChar"},
    {FieldKind::Check, u"chkIncludeLiterals", u"IncludeLiterals", u"Include Literals"},
    {FieldKind::Text, u"txtMaxLength", u"MaxLength", u"MaxLength:", u"lblMaxLength"},
    {FieldKind::Text, u"txtMask", u"Mask", u"Input Mask", u"lblMask"},
    {FieldKind::Text, u"txtDefaultValue", u"DefaultValue", u"Default Value", u"lblDefaultValue"},
    {FieldKind::Text, u"txtText", u"Text", u"Text", u"lblText"},
    {FieldKind::Check, u"chkShadow", u"Shadow", u"Show Shadow"},
    {FieldKind::Check, u"chkBorder3D", u"Border3D", u"Draw Border with 3D Effect"},
    {FieldKind::List, u"cmbStyle", u"TextStyle", u"Text Style:", u"Label1"},
};

constexpr double kLeft = 120, kRight = 3240, kRow = 300, kWidth = 2900;

}  // namespace

TextEditPage::TextEditPage() : ControlPage(ppgTextEditInfo(), u"General") {}

void TextEditPage::Create(win::HWND parent, forms::IPropertyPageSite* site) {
  parent_ = parent;
  ControlPage::Create(parent, site);
}

// Check boxes down the left, labelled text boxes down the right, the style
// list under the check boxes.
void TextEditPage::Build() {
  // The text edit has no ShowPrompt member: the box stays, disabled, without effect.
  AddField({.kind = forms::PageFieldKind::CheckBox,
            .name = u"chkShowPrompt",
            .rect = {kLeft, 120, kWidth, 285},
            .caption = u"Show Input Prompt",
            .enabled = false});
  double left = 120 + kRow, right = 120;
  for (const Binding& b : kBindings) {
    switch (b.kind) {
      case FieldKind::Check:
        AddCheckBox(b.field, {kLeft, left, kWidth, 285}, b.caption);
        left += kRow;
        break;
      case FieldKind::Text:
        AddLabel(b.label, {kRight, right, kWidth, 255}, b.caption);
        AddTextBox(b.field, {kRight, right + 255, kWidth, 315});
        right += 660;
        break;
      case FieldKind::List:
        AddLabel(b.label, {kLeft, left + 180, 1080, 255}, b.caption);
        AddDropDownList(b.field, {kLeft + 1080, left + 150, 1700, 315},
                        {u"Normal", u"UpperCase", u"LowerCase", u"PadLeft"});
        break;
    }
  }
}

void TextEditPage::Load() {
  for (const Binding& b : kBindings) {
    switch (b.kind) {
      case FieldKind::Check:
        LoadCheck(b.field, b.member);
        break;
      case FieldKind::Text:
        LoadText(b.field, b.member);
        break;
      case FieldKind::List:
        LoadListIndex(b.field, b.member);
        break;
    }
  }
}

void TextEditPage::ApplyChanges() {
  for (const Binding& b : kBindings) {
    switch (b.kind) {
      case FieldKind::Check:
        StoreCheck(b.field, b.member);
        break;
      case FieldKind::Text:
        b.member == u"MaxLength" ? StoreMaxLength() : StoreText(b.field, b.member);
        break;
      case FieldKind::List:
        StoreListIndex(b.field, b.member);
        break;
    }
  }
}

void TextEditPage::StoreMaxLength() {
  const std::u16string text = Text(u"txtMaxLength");
  try {
    Assign(First(), u"MaxLength", com::Variant::String(text));
  } catch (const com::Error&) {
    win::WindowSystem::Get().MessageBox(
        parent_, u"MaxLength: \"" + text + u"\" is not a whole number from -32768 to 32767. MaxLength is unchanged.",
        u"KLVCTL32", win::MsgBoxButtons::OK, win::MsgBoxIcon::Exclamation);
  }
}

}  // namespace kelvo::klvctl32
