#include "klvctl32/pages/ppgnumberedit.h"

#include <span>
#include <string>

#include "klvctl32/numberedit/number_format.h"
#include "klvctl32/pages/ppgnumberedit_typeinfo.h"

namespace kelvo::klvctl32 {
namespace {

struct CheckField {
  std::u16string_view box;
  std::u16string_view member;
  std::u16string_view caption;
};

// Load and Apply go through the first six, then the lengths, Value and the
// format, then the last two.
constexpr CheckField kChecks[] = {{u"chkLocked", u"Locked", u"Locked"},
                                  {u"chkThSeparator", u"ThSeparator", u"Thousand Separator"},
                                  {u"chkAllowNegative", u"AllowNegative", u"Allow Negative Numbers"},
                                  {u"chkAutoSelect", u"AutoSelect", u"Enables Auto Selection"},
                                  {u"chkSelection3D", u"Selection3D", u"Selection with 3D Effect"},
                                  {u"chkEnabled", u"Enabled", u"Enabled"},
                                  {u"chkShadow", u"Shadow", u"Show Shadow"},
                                  {u"chkBorder3D", u"Border3D", u"Show Border with 3D Effect"}};
const std::span<const CheckField> kFirstChecks = std::span(kChecks).first(6);
const std::span<const CheckField> kLastChecks = std::span(kChecks).last(2);

struct Box {
  std::u16string_view box;
  std::u16string_view member;
  std::u16string_view label;
  std::u16string_view caption;
};

constexpr Box kBoxes[] = {{u"txtDecMaxLength", u"DecMaxLength", u"lblDecMaxLength", u"MaxLength (Decimal part):"},
                          {u"txtIntMaxLength", u"IntMaxLength", u"lblIntMaxLength", u"MaxLength (Integer part):"},
                          {u"txtValue", u"Value", u"lblValue", u"Value"}};

// The decimal point the standard conversion writes: the system's separator.
std::u16string SystemPoint() {
  const std::u16string oneAndHalf = com::Variant::Double(1.5).ToString();
  return oneAndHalf.substr(1, oneAndHalf.size() - 2);
}

constexpr double kLeft = 120, kRight = 3360, kRow = 300, kCheckWidth = 3000, kBoxWidth = 2800;

}  // namespace

NumberEditPage::NumberEditPage() : ControlPage(ppgNumberEditInfo(), u"General") {}

// The format list on top, check boxes down the left, labelled text boxes
// down the right.
void NumberEditPage::Build() {
  AddLabel(u"Label1", {kLeft, 150, 1440, 255}, u"Number Format:");
  AddDropDownList(u"cmbFormat", {kLeft + 1440, 120, 1680, 315}, {u"Brazil Format", u"US Format"});
  double top = 600;
  for (const CheckField& c : kChecks) {
    AddCheckBox(c.box, {kLeft, top, kCheckWidth, 285}, c.caption);
    top += kRow;
  }
  top = 600;
  for (const Box& b : kBoxes) {
    AddLabel(b.label, {kRight, top, kBoxWidth, 255}, b.caption);
    AddTextBox(b.box, {kRight, top + 255, kBoxWidth, 315});
    top += 660;
  }
}

// Value shows in the system's notation (its decimal separator).
void NumberEditPage::Load() {
  for (const CheckField& c : kFirstChecks) LoadCheck(c.box, c.member);
  for (const Box& b : kBoxes) LoadText(b.box, b.member);
  LoadListIndex(u"cmbFormat", u"NumberFormat");
  for (const CheckField& c : kLastChecks) LoadCheck(c.box, c.member);
}

// Value goes before NumberFormat. The lengths read "." as the point; Value
// reads the system's separator too, so that a value shown as "12,5" comes
// back as 12.5.
void NumberEditPage::ApplyChanges() {
  for (const CheckField& c : kFirstChecks) StoreCheck(c.box, c.member);
  const std::u16string systemPoint = SystemPoint();
  for (const Box& b : kBoxes) {
    const std::u16string_view point = b.member == u"Value" ? std::u16string_view(systemPoint) : u".";
    Assign(First(), b.member, com::Variant::Double(NumberIn(b.box, point)));
  }
  StoreListIndex(u"cmbFormat", u"NumberFormat");
  for (const CheckField& c : kLastChecks) StoreCheck(c.box, c.member);
}

double NumberEditPage::NumberIn(std::u16string_view box, std::u16string_view point) {
  return ParseNumberPrefix(Text(box), point);
}

}  // namespace kelvo::klvctl32
