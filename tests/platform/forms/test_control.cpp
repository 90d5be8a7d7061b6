// The journaling test control and its classes.

#include "test_control.h"

#include <memory>
#include <sstream>

#include "platform/base/text.h"

namespace kelvo::forms::test {
namespace {

struct TestClass {
  com::InterfaceInfo iface;
  com::EventInterfaceInfo events;
  com::CoClassInfo coclass;
};

const com::CoClassInfo& MakeClass(std::u16string name, std::uint32_t misc) {
  static std::vector<std::unique_ptr<TestClass>> classes;
  auto c = std::make_unique<TestClass>();
  c->iface.name = u"_" + name;
  c->iface.members = {
      {u"Value", com::MemberKind::PropGet, {com::TypeKind::Long, {}}, {}, {}, 0, 0},
      {u"Value", com::MemberKind::PropLet, {com::TypeKind::Long, {}}, {}, {}, 0, 0},
      {u"Color", com::MemberKind::PropGet, {com::TypeKind::Color, {}}, {}, {}, 0, 0},
  };
  c->events.name = u"__" + name;
  c->events.events = {{u"Changed", {{u"Cancel", {com::TypeKind::Integer, {}}, true, false}}}};
  c->coclass.name = std::move(name);
  c->coclass.isControl = true;
  c->coclass.miscStatus = misc;
  c->coclass.defaultInterface = &c->iface;
  c->coclass.eventInterface = &c->events;
  classes.push_back(std::move(c));
  return classes.back()->coclass;
}

std::string Name(IControlSite* site) { return site != nullptr ? text::ToUtf8(site->AmbientDisplayName()) : "?"; }

std::string Num(float v) {
  std::ostringstream out;
  out << v;
  return out.str();
}

}  // namespace

std::string Journal::Take() {
  std::string out;
  for (const std::string& e : entries) out += (out.empty() ? "" : " ") + e;
  entries.clear();
  return out;
}

TestHooks& Hooks() {
  static TestHooks hooks;
  return hooks;
}

void ResetTestState() { Hooks() = TestHooks{}; }

void RegisterTestClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  using namespace com::olemisc;
  const struct {
    std::u16string_view progid;
    std::uint32_t misc;
  } classes[] = {
      {kRecorder, kActivateWhenVisible},
      {kButton, kActivateWhenVisible | kActsLikeButton},
      {kLabel, kActsLikeLabel | kNoUIActivate},
      {kBar, kAlignable | kNoUIActivate},
      {kHidden, kInvisibleAtRuntime},
  };
  for (const auto& c : classes) {
    const com::CoClassInfo& info = MakeClass(std::u16string(c.progid.substr(5)), c.misc);
    RegisterControlClass(std::u16string(c.progid),
                         [&info] { return com::ComPtr<IControl>(com::MakeObject<TestControl>(info)); });
  }
}

TestControl& Rec(Control& c) { return *dynamic_cast<TestControl*>(c.Instance()); }

void TestControl::Log(const std::string& what) { Hooks().journal.entries.push_back(Name(site_) + "." + what); }

com::Variant TestControl::Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) {
  using Map = com::DispatchMap<TestControl>;
  static const Map map{
      Map::Get(u"Value", [](TestControl& t) { return com::Variant::Long(t.value); }),
      Map::Let(u"Value",
               [](TestControl& t, const com::Variant& v) {
                 t.value = v.ToLong();
                 t.Site().PropertyChanged(u"Value");
               }),
      Map::Get(u"Color", [](TestControl&) { return com::Variant::Long(0x8000000F); }),
      // Raises Changed(Cancel) and answers the Cancel value as it came back.
      Map::Method(u"RaiseChanged", 0,
                  [](TestControl& t, Map::Args) {
                    com::Variant cancel = com::Variant::Integer(0);
                    t.Site().RaiseEvent(u"Changed", std::span<com::Variant>(&cancel, 1));
                    return cancel;
                  }),
  };
  return map.Invoke(*this, name, kind, args);
}

void TestControl::InitProperties() {
  Log("InitProperties");
  if (Hooks().onInitProperties) Hooks().onInitProperties(*this);
}

void TestControl::ReadProperties(IPropertyBag& bag) {
  Log("ReadProperties");
  value = bag.Read(u"Value", com::Variant::Long(value)).ToLong();
  text = bag.Read(u"Text", com::Variant::String(text)).ToString();
  if (Hooks().onReadProperties) Hooks().onReadProperties(*this, bag);
}

void TestControl::WriteProperties(IPropertyBag& bag) {
  bag.Write(u"Value", com::Variant::Long(value), com::Variant());
  bag.Write(u"Text", com::Variant::String(text), com::Variant());
}

void TestControl::Resize() {
  ++resizeCount;
  Log("Resize");
  if (Hooks().onResize) Hooks().onResize(*this);
}

void TestControl::KeyDown(std::int16_t& code, std::int16_t& shift) {
  Log("KeyDown(" + std::to_string(code) + "," + std::to_string(shift) + ")");
}

void TestControl::KeyPress(std::int16_t& ascii) { Log("KeyPress(" + std::to_string(ascii) + ")"); }

void TestControl::KeyUp(std::int16_t& code, std::int16_t& shift) {
  Log("KeyUp(" + std::to_string(code) + "," + std::to_string(shift) + ")");
}

void TestControl::MouseMove(std::int16_t b, std::int16_t s, float x, float y) {
  if (Hooks().recordMouseMoves) Mouse("MouseMove", b, s, x, y);
}

void TestControl::AmbientChanged(std::u16string_view name) { Log("AmbientChanged(" + text::ToUtf8(name) + ")"); }

void TestControl::Mouse(const char* what, std::int16_t b, std::int16_t s, float x, float y) {
  Log(std::string(what) + "(" + std::to_string(b) + "," + std::to_string(s) + "," + Num(x) + "," + Num(y) + ")");
}

}  // namespace kelvo::forms::test
