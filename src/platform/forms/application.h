#pragma once
// The forms container as programs see it (formrun, the automation console, the
// setup program, the demo): the application with its forms, each form with its
// controls, the event listeners that observe every event a control raises, and
// the ordered property bag.
//
// Typical use:
//
//   forms::Application app;
//   forms::Form& f = app.CreateForm(u"frmDemo", {.clientWidth = 6000, .clientHeight = 4000});
//   forms::Control& t = f.AddControl(u"KLVCTL32.KelvoTextEdit", u"txtDate", {120, 120, 1500, 300});
//   std::vector<com::Variant> args{com::Variant::String(u"12/34")};
//   t.Extender()->Invoke(u"Text", com::InvokeKind::Let, args);
//   t.Focus();
//
// Sizes and positions are twips (windows are pixels: twips divided by the
// form's twips per pixel, nearest). A control that sets its own size from
// inside its Resize gets the nested Resize at once; Resize deliveries nested
// deeper than 8 only store the size, so a control and the container (which
// refuses sizes an alignment forbids) cannot ping-pong without end. Every call runs on the user-interface
// thread. Objects returned by reference live until they are removed or their
// form is unloaded.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com/dispatch.h"
#include "platform/com/typeinfo.h"
#include "platform/com/variant.h"
#include "platform/forms/control.h"
#include "platform/forms/formfile.h"
#include "platform/forms/property_bag.h"
#include "platform/gfx/surface.h"
#include "platform/win/types.h"

namespace kelvo::forms {

class Application;
class Form;
class Control;
class FormDesigner;

// A rectangle in twips: position relative to the form's client area (or to the
// containing control) and outer size.
struct TwipsRect {
  double left = 0, top = 0, width = 0, height = 0;
};

// Observes what controls do. Listeners are called synchronously, in the order
// they were added, before the form's own handler (its "code").
class EventListener {
 public:
  virtual ~EventListener() = default;
  // Every event a control raises, with its arguments as raised. A listener may
  // change by-reference arguments; the control reads them back after the raise.
  virtual void OnEvent(Control& /*control*/, std::u16string_view /*event*/, std::span<com::Variant> /*args*/) {}
  // Every property-changed notification of a control, by property name.
  virtual void OnPropertyChanged(Control& /*control*/, std::u16string_view /*property*/) {}
  // Form events: "Load" (after the form and its controls are created),
  // "Activate" and "Deactivate" (its window gained or lost activation),
  // "Resize" (client size changed), "Unload" (before its controls terminate).
  virtual void OnFormEvent(Form& /*form*/, std::u16string_view /*event*/) {}
  // Before a form is closed by its close box (unloadMode 0) or unloaded by
  // UnloadForm (1): a listener setting cancel to anything but 0 keeps it.
  virtual void OnQueryUnload(Form& /*form*/, std::int16_t& /*cancel*/, std::int16_t /*unloadMode*/) {}
};

// The control class factory for in-process classes (the standard controls and
// classes registered by tests); every other ProgID is created through the
// registry and the class's server.
using ControlFactory = std::function<com::ComPtr<IControl>()>;
// Registers (or replaces) an in-process control class under its ProgID
// (compared case-insensitively).
void RegisterControlClass(std::u16string progid, ControlFactory factory);
// Whether a ProgID names an in-process class.
bool IsRegisteredControlClass(std::u16string_view progid);

// The extender keys of a control, in the order the form file writes them:
// Left, Top, Width, Height, TabIndex, TabStop, Visible, ToolTipText, Align,
// Default, Cancel, Tag, Index (compare case-insensitively with IsExtenderKey).
std::span<const std::u16string_view> ExtenderKeys();
bool IsExtenderKey(std::u16string_view key);

// Extender Align values.
enum class Align : std::int16_t { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4 };

// One control on a form: the control object, its site, its window and surface,
// and the extender properties the form keeps for it.
class Control {
 public:
  virtual ~Control() = default;

  virtual Form& Parent() const = 0;
  // The containing control (a Frame, a panel, a toolbar), or nullptr when the
  // control sits directly on the form.
  virtual Control* Container() const = 0;

  virtual const std::u16string& Name() const = 0;
  virtual std::optional<int> Index() const = 0;  // element number of a control array
  virtual std::u16string RefName() const = 0;    // "name" or "name(3)", as the console writes it
  virtual const std::u16string& ProgID() const = 0;
  virtual const com::CoClassInfo& ClassInfo() const = 0;

  // The extender: Name, Left, Top, Width, Height, Visible, TabIndex, TabStop,
  // ToolTipText, Align, Default, Cancel, Tag, Index, then every other member
  // forwarded to the control's own dispatch. This is what form code, the
  // Controls collection, ActiveControl and the console see.
  virtual com::ComPtr<com::IDispatch> Extender() const = 0;
  // The control's own dispatch interface (its type library members only).
  virtual com::ComPtr<com::IDispatch> Object() const = 0;
  virtual IControl* Instance() const = 0;

  virtual win::HWND Hwnd() const = 0;
  virtual gfx::Surface& Surface() const = 0;
  virtual int TwipsPerPixelX() const = 0;
  virtual int TwipsPerPixelY() const = 0;

  // Extender state (twips). Setting the rectangle moves the window and delivers
  // Resize when the size changed.
  virtual TwipsRect Rect() const = 0;
  virtual void Move(const TwipsRect& rect) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual std::int16_t TabIndex() const = 0;
  virtual void SetTabIndex(std::int16_t index) = 0;  // moves it in the tab order, renumbering the others
  virtual bool TabStop() const = 0;
  virtual void SetTabStop(bool stop) = 0;
  virtual const std::u16string& ToolTipText() const = 0;
  virtual void SetToolTipText(std::u16string text) = 0;
  virtual Align Alignment() const = 0;
  // Places the control at once and keeps it there when the form is resized.
  virtual void SetAlignment(Align align) = 0;
  virtual bool Default() const = 0;
  virtual void SetDefault(bool value) = 0;  // at most one Default per form: setting one clears the other
  virtual bool Cancel() const = 0;
  virtual void SetCancel(bool value) = 0;   // at most one Cancel per form
  virtual const std::u16string& Tag() const = 0;
  virtual void SetTag(std::u16string tag) = 0;

  // The access-key characters the control declared (upper case).
  virtual const std::u16string& AccessKeys() const = 0;
  // Whether the container's Tab and access-key handling may give it the focus:
  // visible, enabled, not invisible at run time, and its class takes the UI
  // focus (no kNoUIActivate).
  virtual bool CanTakeFocus() const = 0;

  // What WriteProperties writes now, in written order.
  virtual OrderedBag WriteProperties() const = 0;

  // Notifications, delivered as the container delivers them. In design mode
  // input notifications are not delivered.
  virtual void Focus() = 0;  // moves the focus here: LostFocus of the old, GotFocus of this one
  virtual void KeyDown(std::int16_t& keyCode, std::int16_t& shift) = 0;
  virtual void KeyPress(std::int16_t& keyAscii) = 0;
  virtual void KeyUp(std::int16_t& keyCode, std::int16_t& shift) = 0;
  virtual void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) = 0;
  virtual void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
  virtual void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) = 0;
  virtual void Click() = 0;
  virtual void DblClick() = 0;
  virtual void AccessKeyPress(std::int16_t keyAscii) = 0;
  // Repaint request (the Paint notification).
  virtual void Paint() = 0;

 protected:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
};

enum class FormKind : std::uint8_t {
  Normal,    // a top-level window
  MDIFrame,  // a top-level window holding MDI child forms
  MDIChild,  // a child window in its MDI frame's client area
  Embedded,  // a child window inside another window (a property page's area)
};

struct FormOptions {
  FormKind kind = FormKind::Normal;
  double clientWidth = 6000;   // twips
  double clientHeight = 4000;  // twips
  win::POINT origin{};         // client origin: screen pixels (relative to the parent for MDIChild/Embedded)
  bool design = false;         // ambient UserMode false, controls not interactive
  Form* mdiFrame = nullptr;    // required for MDIChild
  win::HWND parent = 0;        // required for Embedded
  std::u16string caption{};    // default: the form's name
  bool show = true;            // shown (and for Normal/MDIFrame/MDIChild activated) at once
};

class Form {
 public:
  virtual ~Form() = default;

  virtual Application& App() const = 0;
  virtual const std::u16string& Name() const = 0;
  virtual win::HWND Hwnd() const = 0;
  virtual FormKind Kind() const = 0;
  bool IsMDIChild() const { return Kind() == FormKind::MDIChild; }
  bool IsMDIFrame() const { return Kind() == FormKind::MDIFrame; }
  virtual Form* MDIFrame() const = 0;  // the frame of an MDI child, else nullptr
  virtual bool DesignMode() const = 0;
  virtual int TwipsPerPixelX() const = 0;
  virtual int TwipsPerPixelY() const = 0;

  virtual std::u16string Caption() const = 0;
  virtual void SetCaption(std::u16string caption) = 0;
  virtual double ClientWidth() const = 0;   // twips
  virtual double ClientHeight() const = 0;  // twips
  // Resizes the client area; aligned controls follow, "Resize" is reported.
  virtual void SetClientSize(double width, double height) = 0;
  // Form-level properties read from or written to a form file beyond the
  // known ones (Caption, ClientWidth, ClientHeight, ClientLeft, ClientTop),
  // kept in file order and written back unchanged.
  virtual const OrderedBag& ExtraProperties() const = 0;

  // Controls in creation order (elements of control arrays one by one).
  virtual std::vector<Control*> Controls() const = 0;
  virtual Control* ActiveControl() const = 0;
  // The control of that name (and index for a control-array element), or nullptr.
  virtual Control* Find(std::u16string_view name, std::optional<int> index = std::nullopt) const = 0;
  // "name" or "name(3)".
  virtual Control* FindRef(std::u16string_view ref) const = 0;
  // The control owning this window (or one of its windows), or nullptr.
  virtual Control* FromHwnd(win::HWND hwnd) const = 0;

  // A new instance: created, sited, Initialize, InitProperties, placed at rect
  // (inside container when given), shown (Show, Resize, Paint). Throws
  // com::Error 429 for a class that cannot be created (naming it), 5 for a
  // name already used (without an index, or with the same index).
  virtual Control& AddControl(std::u16string_view progid, std::u16string_view name, const TwipsRect& rect,
                              Control* container = nullptr, std::optional<int> index = std::nullopt) = 0;
  // A loaded instance: Initialize, ReadProperties from a bag holding exactly
  // bag's keys, then shown.
  virtual Control& ReadControl(std::u16string_view progid, std::u16string_view name, const TwipsRect& rect,
                               const OrderedBag& bag, Control* container = nullptr,
                               std::optional<int> index = std::nullopt) = 0;
  // Unloads the control (and the controls inside it): Terminate, window destroyed.
  virtual void RemoveControl(Control& control) = 0;

  // The form's dispatch object: Controls (Count, Item(i) 0-based or by name),
  // ActiveControl, hwnd, MDIChild, Caption, Name, ClientWidth, ClientHeight,
  // Width, Height, ScaleWidth, ScaleHeight, and every control by its name.
  virtual com::ComPtr<com::IDispatch> Dispatch() const = 0;

  // The form's own code: called after the application's listeners.
  virtual void SetHandler(EventListener* handler) = 0;

  // Makes this form the active window (an MDI child activates its frame and
  // becomes the frame's active child).
  virtual void Activate() = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;

  // Designer: the selected controls (in selection order). Select replaces the
  // selection, AddToSelection extends it.
  virtual void Select(Control* control) = 0;
  virtual void AddToSelection(Control& control) = 0;
  virtual std::vector<Control*> SelectedControls() const = 0;
  // The form's designer when it is open for design, else nullptr.
  virtual FormDesigner* Designer() const = 0;

 protected:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
};

// The process's forms. One Application is current at a time: the most recently
// constructed one still alive (property pages find it to build their fields).
class Application {
 public:
  Application();
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application* Current();

  // A new empty form. Throws com::Error 5 when the name is taken.
  Form& CreateForm(std::u16string_view name, const FormOptions& options = {});
  // Unloads a form unless QueryUnload keeps it: "Unload", controls
  // terminated, windows destroyed.
  void UnloadForm(Form& form);
  Form* FindForm(std::u16string_view name) const;
  Form* FormOf(win::HWND hwnd) const;  // the form owning this window or a window inside it
  std::vector<Form*> Forms() const;   // creation order

  // The form commands act on (the console's current form), or nullptr.
  Form* CurrentForm() const;
  void SetCurrentForm(Form* form);

  // Makes form the active window; nullptr makes another application active.
  void Activate(Form* form);

  // Loads a form file: parses it completely, then creates the form and its
  // controls; the form becomes current, shown and active. Throws
  // FormFileError ("file:line: what was expected") for a malformed file or an
  // unknown ProgID, com::Error for a control that fails to load; nothing of
  // the form is left behind on failure.
  Form& LoadFormFile(const std::filesystem::path& file, bool design = false);
  // Writes a form: its properties, then each control's extender keys and
  // WriteProperties keys, nested as the controls are.
  void SaveFormFile(const Form& form, const std::filesystem::path& file) const;
  // What SaveFormFile would write to file now (pictures from no file are
  // still written beside it).
  std::string FormFileText(const Form& form, const std::filesystem::path& file) const;
  // Writes a form file's text as it is (com::Error 75 when it cannot).
  void WriteFormFileText(const std::filesystem::path& file, const std::string& text) const;

  // Every listener sees every control's events and property changes.
  void AddListener(EventListener* listener);
  void RemoveListener(EventListener* listener);

  // The control whose extender or object this is, or nullptr.
  Control* ControlOf(com::IDispatch* object) const;

  // The program ends itself: every form is unloaded and Ended() answers true.
  void End();
  bool Ended() const;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace kelvo::forms
