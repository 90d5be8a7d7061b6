// The decorations' persisted-property readers and drawing on arbitrary input:
// a property bag whose keys hold values of any type (what a form file may
// say), any control size, then property assignments and mouse events. Only
// runtime errors (com::Error) may come out; nothing crashes, nothing
// overflows, nothing recurses without end.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "klvctl32/decor/line3d/line3d.h"
#include "klvctl32/decor/panel3d/panel3d.h"
#include "klvctl32/decor/tbbar/tbbar.h"
#include "klvctl32/decor/tbseparator/tbseparator.h"
#include "platform/com/error.h"
#include "test_site.h"

namespace {

using namespace kelvo;

const std::u16string kKeys[] = {u"BackColor",  u"Light3DColor",  u"Shadow3DColor",   u"BorderIn",
                                u"BorderOut",  u"BorderWidth",   u"LineStyle",       u"LineOrientation",
                                u"AutoHeight", u"ShowLeftLines", u"ShowTwoLeftLines"};

com::Variant AnyValue(FuzzInput& in) {
  switch (in.Byte() % 8) {
    case 0:
      return com::Variant();
    case 1:
      return com::Variant::Null();
    case 2:
      return com::Variant::Boolean((in.Byte() & 1) != 0);
    case 3:
      return com::Variant::Integer(static_cast<std::int16_t>(in.Word()));
    case 4:
      return com::Variant::Long(static_cast<std::int32_t>(in.Dword()));
    case 5:
      return com::Variant::Single(static_cast<float>(static_cast<std::int32_t>(in.Dword())) / 7.0f);
    case 6:
      return com::Variant::Double(static_cast<double>(static_cast<std::int32_t>(in.Dword())) * 1e3);
    default: {
      std::u16string s;
      for (int n = in.Byte() % 12; n > 0; --n) s += static_cast<char16_t>(in.Byte());
      return com::Variant::String(s);
    }
  }
}

const std::u16string& AnyKey(FuzzInput& in) { return kKeys[in.Byte() % std::size(kKeys)]; }

template <class Step>
void Trap(Step step) {
  try {
    step();
  } catch (const com::Error&) {
    // A value the control refuses, as form code would see it.
  }
}

template <class T>
void Exercise(FuzzInput& in) {
  const int tpp = (in.Byte() & 1) != 0 ? 12 : 15;
  const int width = 1 + in.Word() % 2400;
  const int height = 1 + in.Byte() % 64;
  klvctl32::testing::TestSite site(width, height, tpp);
  site.refuseSize = (in.Byte() & 1) != 0;
  const auto control = com::MakeObject<T>();
  site.Attach(*control);
  control->Initialize();
  klvctl32::testing::RecordingBag bag;
  for (int n = in.Byte() % 12; n > 0; --n) {
    const std::u16string& key = AnyKey(in);
    bag.Set(key, AnyValue(in));
  }
  Trap([&] { control->ReadProperties(bag); });
  Trap([&] { control->Show(); });
  while (!in.empty()) {
    switch (in.Byte() % 4) {
      case 0: {
        com::Variant args[] = {AnyValue(in)};
        const std::u16string& key = AnyKey(in);
        Trap([&] { control->Invoke(key, com::InvokeKind::Let, args); });
        break;
      }
      case 1: {
        const double w = static_cast<double>(in.Word() % 40000);
        const double h = static_cast<double>(in.Byte()) * tpp;
        Trap([&] { site.Resize(w, h); });
        break;
      }
      case 2: {
        const auto button = static_cast<std::int16_t>(in.Byte() % 6);
        const float x = static_cast<float>(static_cast<std::int16_t>(in.Word()));
        control->MouseDown(button, 0, x, 0);
        control->MouseMove(button, 0, x, 0);
        control->MouseUp(button, 0, x, 0);
        break;
      }
      default:
        Trap([&] { control->Resize(); });
        break;
    }
  }
  klvctl32::testing::RecordingBag saved;
  control->WriteProperties(saved);
  control->Terminate();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in({data, size});
  switch (in.Byte() % 4) {
    case 0:
      Exercise<klvctl32::KelvoPanel3D>(in);
      break;
    case 1:
      Exercise<klvctl32::KelvoLine3D>(in);
      break;
    case 2:
      Exercise<klvctl32::KelvoTBBar>(in);
      break;
    default:
      Exercise<klvctl32::KelvoTBSeparator>(in);
      break;
  }
  return 0;
}
