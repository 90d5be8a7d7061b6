// Queries: what the program shows and did, printed as `QUERY = VALUE`.
#include "platform/base/text.h"
#include "platform/console/handlers.h"
#include "platform/console/member_types.h"
#include "platform/console/value_text.h"
#include "platform/win/compose.h"
#include "platform/win/window_system.h"

namespace kelvo::console {
namespace {

win::WindowSystem& Windows() { return win::WindowSystem::Get(); }

std::string Join(const std::vector<std::string>& items, const char* separator) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) out += (i > 0 ? separator : "") + items[i];
  return out;
}

std::string Size(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }
std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

std::string Caret(const Session& s) {
  const win::CaretState caret = Windows().Caret();
  if (caret.window == 0) return "none";
  return s.NameOfWindow(caret.window) + " " + Size(caret.width, caret.height) + " at " + At(caret.x, caret.y) +
         (caret.Shown() ? " shown" : " hidden");
}

std::string Tip() {
  win::WindowSystem& ws = Windows();
  for (win::HWND hwnd : ws.TopLevelWindows()) {
    if (ws.Kind(hwnd) != win::WindowKind::Tool || !ws.IsVisible(hwnd)) continue;
    const win::RECT r = ws.ScreenRect(hwnd);
    return QuoteString(ws.Caption(hwnd)) + " at " + At(r.left, r.top) + " size " + Size(r.Width(), r.Height());
  }
  return "hidden";
}

std::string Menu() {
  const auto menu = Windows().TakeLastMenu();
  if (!menu) return "none";
  std::vector<std::string> items;
  for (const win::MenuItem& item : *menu) items.push_back(QuoteString(item.caption) + (item.enabled ? " on" : " off"));
  return Join(items, ", ");
}

const char* ButtonsName(win::MsgBoxButtons buttons) {
  switch (buttons) {
    case win::MsgBoxButtons::OK: return "OK";
    case win::MsgBoxButtons::OKCancel: return "OKCancel";
    case win::MsgBoxButtons::YesNo: return "YesNo";
  }
  return "OK";
}

const char* IconName(win::MsgBoxIcon icon) {
  switch (icon) {
    case win::MsgBoxIcon::None: return "None";
    case win::MsgBoxIcon::Stop: return "Stop";
    case win::MsgBoxIcon::Question: return "Question";
    case win::MsgBoxIcon::Exclamation: return "Exclamation";
    case win::MsgBoxIcon::Information: return "Information";
  }
  return "None";
}

std::string MessageBoxes() {
  std::vector<std::string> boxes;
  for (const win::MessageBoxRecord& box : Windows().TakeMessageBoxes())
    boxes.push_back(QuoteString(box.title) + ", " + QuoteString(box.text) + ", " + ButtonsName(box.buttons) + ", " +
                    IconName(box.icon));
  return boxes.empty() ? "none" : Join(boxes, " ; ");
}

const char* ModeName(win::ShowMode mode) {
  switch (mode) {
    case win::ShowMode::Normal: return "normal";
    case win::ShowMode::Minimized: return "minimized";
    case win::ShowMode::Maximized: return "maximized";
    case win::ShowMode::Hidden: return "hidden";
  }
  return "normal";
}

std::string ShellRecords() {
  std::vector<std::string> records;
  for (const win::ShellRecord& record : Windows().TakeShellRecords())
    records.push_back(QuoteString(record.commandLine) + " " + ModeName(record.mode));
  return records.empty() ? "none" : Join(records, "; ");
}

std::string PointerShapes() {
  std::vector<std::string> shapes;
  for (const win::PointerShape shape : Windows().TakePointerShapes())
    shapes.emplace_back(shape == win::PointerShape::Busy ? "busy" : "default");
  return shapes.empty() ? "none" : Join(shapes, " ");
}

std::string SimpleValue(Session& s, cmd::Simple::Kind kind) {
  using K = cmd::Simple::Kind;
  switch (kind) {
    case K::Args: return Join(s.LastCallArgs(), ", ");
    case K::Events: return s.Recorder().TakeEvents();
    case K::Beeps: return std::to_string(Windows().TakeBeepCount());
    case K::Clipboard: return QuoteString(Windows().ClipboardText());
    case K::Changed: return s.Recorder().TakeChanges();
    case K::Caret: return Caret(s);
    case K::Focus: return s.NameOfWindow(Windows().Focus());
    case K::Capture: return s.NameOfWindow(Windows().Capture());
    case K::Active: return s.NameOfWindow(Windows().Active());
    case K::Tip: return Tip();
    case K::Menu: return Menu();
    case K::MsgBox: return MessageBoxes();
    case K::PageChanged: return PageChanged(s);
    case K::Shell: return ShellRecords();
    case K::Ended: return s.App().Ended() ? "True" : "False";
    case K::Pointer: return PointerShapes();
    case K::DesignSelection:
    case K::DesignChanged:
    case K::DesignTabs:
    case K::DesignToolbox: return DesignValue(s, kind);
  }
  return {};
}

std::string Bag(const Session& s, const ControlRef& ref) {
  const forms::OrderedBag bag = s.ControlNamed(ref).WriteProperties();
  const ObjectNamer namer = s.Namer();
  std::vector<std::string> items;
  for (const auto& [key, value] : bag.Items()) items.push_back(text::ToUtf8(key) + "=" + FormatValue(value, com::TypeKind::Variant, namer));
  return Join(items, " ");
}

std::string Prints(const Session& s, const ControlRef& ref) {
  std::vector<std::string> drawings;
  for (const gfx::PrintRecord& print : Windows().SurfaceOf(s.WindowOf(ref)).TakePrints())
    drawings.push_back(QuoteString(print.text) + " " + At(print.x, print.y) + " " + FormatColor(print.color));
  return Join(drawings, "; ");
}

}  // namespace

Outcome Run(Session& s, const cmd::Get& c) {
  const com::Variant value = s.Target(c.member.target)->Invoke(c.member.member, com::InvokeKind::Get, {});
  const com::TypeKind declared = DeclaredType(s, c.member.target, c.member.member, com::MemberKind::PropGet);
  return Printed{c.member.Text(), FormatValue(value, declared, s.Namer())};
}

Outcome Run(Session& s, const cmd::Simple& c) { return Printed{{}, SimpleValue(s, c.kind)}; }

Outcome Run(Session& s, const cmd::OfControl& c) {
  switch (c.kind) {
    case cmd::OfControl::Kind::Bag: return Printed{{}, Bag(s, c.control)};
    case cmd::OfControl::Kind::Size: {
      const win::RECT r = Windows().ClientRect(s.WindowOf(c.control));
      return Printed{{}, Size(r.Width(), r.Height())};
    }
    case cmd::OfControl::Kind::Prints: return Printed{{}, Prints(s, c.control)};
  }
  return {};
}

Outcome Run(Session& s, const cmd::Pixel& c) {
  const gfx::Image image = win::ComposeWindow(s.WindowOf(c.control));
  if (!image.Contains(c.x, c.y))
    throw ConsoleError("pixel " + At(c.x, c.y) + " is outside " + c.control.Text() + " (" +
                       Size(image.width(), image.height()) + ")");
  return Printed{{}, FormatRgb(image.RgbAt(c.x, c.y))};
}

}  // namespace kelvo::console
