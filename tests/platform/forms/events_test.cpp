// Events raised to the container, by-reference arguments, property-changed
// notifications, and controls removed from inside their own events.

#include "fixture.h"

#include "platform/base/text.h"
#include "platform/com/error.h"

namespace kelvo::forms::test {
namespace {

struct Recorder : EventListener {
  std::vector<std::string> seen;
  std::function<void(std::span<com::Variant>)> change;
  void OnEvent(Control& c, std::u16string_view event, std::span<com::Variant> args) override {
    std::string entry = text::ToUtf8(c.RefName()) + "." + text::ToUtf8(event) + "(";
    for (std::size_t i = 0; i < args.size(); ++i) entry += (i ? "," : "") + text::ToUtf8(args[i].ToString());
    seen.push_back(entry + ")");
    if (change) change(args);
  }
  void OnPropertyChanged(Control& c, std::u16string_view property) override {
    seen.push_back(text::ToUtf8(c.RefName()) + ".changed " + text::ToUtf8(property));
  }
  void OnFormEvent(Form& f, std::u16string_view event) override {
    seen.push_back(text::ToUtf8(f.Name()) + "." + text::ToUtf8(event));
  }
};

com::Variant CallMethod(Control& c, std::u16string_view name) {
  std::vector<com::Variant> none;
  return c.Extender()->Invoke(name, com::InvokeKind::Method, none);
}

using Events = FormsTest;

TEST_F(Events, ListenerChangesByReferenceArgumentsBeforeTheRaiseReturns) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t");
  Recorder r;
  r.change = [](std::span<com::Variant> args) { args[0] = com::Variant::Integer(-1); };
  app.AddListener(&r);
  EXPECT_EQ(CallMethod(t, u"RaiseChanged").ToInteger(), -1);
  EXPECT_EQ(r.seen, (std::vector<std::string>{"t.Changed(0)"}));
  app.RemoveListener(&r);
}

TEST_F(Events, FormCodeRunsAfterTheListenersAndSeesTheirChanges) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t");
  Recorder listener;
  listener.change = [](std::span<com::Variant> args) { args[0] = com::Variant::Integer(5); };
  Recorder code;
  code.change = [](std::span<com::Variant> args) { args[0] = com::Variant::Integer(args[0].ToInteger() + 1); };
  app.AddListener(&listener);
  f.SetHandler(&code);
  EXPECT_EQ(CallMethod(t, u"RaiseChanged").ToInteger(), 6);
  EXPECT_EQ(code.seen, (std::vector<std::string>{"t.Changed(5)"}));
  app.RemoveListener(&listener);
}

TEST_F(Events, FormCodeDoesNotRunWhileDesigning) {
  Form& f = NewForm(u"frm", {.design = true});
  Control& t = Add(f, kRecorder, u"t");
  Recorder code;
  f.SetHandler(&code);
  CallMethod(t, u"RaiseChanged");
  EXPECT_TRUE(code.seen.empty());
}

TEST_F(Events, PropertyChangedReachesListenersByName) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t");
  Recorder r;
  app.AddListener(&r);
  std::vector<com::Variant> value{com::Variant::Long(3)};
  t.Extender()->Invoke(u"Value", com::InvokeKind::Let, value);
  EXPECT_EQ(r.seen, (std::vector<std::string>{"t.changed Value"}));
  app.RemoveListener(&r);
}

TEST_F(Events, ControlRemovedInsideItsOwnEventStaysUsableUntilTheEventReturns) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t");
  const com::ComPtr<com::IDispatch> extender = t.Extender();
  Recorder code;
  code.change = [&f, &t](std::span<com::Variant> args) {
    f.RemoveControl(t);
    args[0] = com::Variant::Integer(9);
  };
  f.SetHandler(&code);
  EXPECT_EQ(CallMethod(t, u"RaiseChanged").ToInteger(), 9);
  EXPECT_TRUE(f.Controls().empty());
  std::vector<com::Variant> none;
  try {
    extender->Invoke(u"Value", com::InvokeKind::Get, none);
    FAIL() << "expected error 364";
  } catch (const com::Error& e) {
    EXPECT_EQ(e.number(), 364);
  }
}

TEST_F(Events, EndingTheProgramInsideAnEventUnloadsEverythingSafely) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t");
  Recorder code;
  code.change = [this](std::span<com::Variant>) { app.End(); };
  f.SetHandler(&code);
  CallMethod(t, u"RaiseChanged");
  EXPECT_TRUE(app.Ended());
  EXPECT_TRUE(app.Forms().empty());
  EXPECT_NE(Log().find("t.Terminate"), std::string::npos);
}

TEST_F(Events, FormEventsLoadActivateAndUnload) {
  Recorder r;
  app.AddListener(&r);
  Form& f = NewForm(u"one");
  NewForm(u"two");
  app.UnloadForm(f);
  EXPECT_EQ(r.seen, (std::vector<std::string>{"one.Load", "one.Activate", "two.Load", "one.Deactivate",
                                                "two.Activate", "one.Unload"}));
  app.RemoveListener(&r);
}

TEST_F(Events, ControlOfFindsTheControlFromItsExtenderOrObject) {
  Form& f = NewForm();
  Control& t = Add(f, kRecorder, u"t");
  EXPECT_EQ(app.ControlOf(t.Extender().get()), &t);
  EXPECT_EQ(app.ControlOf(t.Object().get()), &t);
  EXPECT_EQ(app.ControlOf(f.Dispatch().get()), nullptr);
}

}  // namespace
}  // namespace kelvo::forms::test
