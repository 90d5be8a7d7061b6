#pragma once
// The designer of one form opened for design: click to select a control,
// Shift+click to add one to the selection, drag to move the selection, drag a
// handle to resize, arrow keys to nudge (Shift+arrow resizes), Delete to
// remove, tools placed from the toolbox, Ctrl+S to save, and a question before
// a changed form closes. It hears the input of the form's windows in pixels
// relative to the form's client area.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/application.h"
#include "platform/win/messages.h"
#include "platform/win/types.h"

namespace kelvo::forms {

class FormDesigner final : private EventListener {
 public:
  explicit FormDesigner(Form& form);
  ~FormDesigner() override;
  FormDesigner(const FormDesigner&) = delete;
  FormDesigner& operator=(const FormDesigner&) = delete;

  // A mouse message of a control's window (hit) or of the form's (nullptr),
  // its point relative to that window: a press takes the mouse capture for
  // the form until the release. A double click asks for the property sheet.
  void OnWindowMouse(Control* hit, const win::Message& m);
  // What a double click on a control or the key F4 asks for: the property sheet.
  void SetPropertiesHandler(std::function<void()> handler) { propertiesHandler_ = std::move(handler); }

  // The next press on the form places this tool there (a toolbox pick).
  void ArmTool(std::u16string progid) { armedTool_ = std::move(progid); }
  const std::u16string& ArmedTool() const { return armedTool_; }

  // Mouse input (left button only); hit is the control under the press, or
  // nullptr for the form itself or a selection handle.
  void MouseDown(win::POINT at, int shift, Control* hit);
  void MouseMove(win::POINT at);
  void MouseUp(win::POINT at);
  // Arrows, Delete and Ctrl+S; false for a key the designer leaves alone.
  bool KeyDown(int vk, int shift);

  // Moves (or, with resize, widens and heightens) every selected control by pixels.
  void Nudge(int dx, int dy, bool resize);
  void DeleteSelection();
  // A new instance of a toolbox tool with its top-left corner at a form point
  // (pixels), named after its class ("KelvoTextEdit1"), and selected.
  Control& Place(std::u16string_view progid, win::POINT at);

  // The file the form was loaded from, with its text as read: saving a form
  // nobody edited writes that text back unchanged.
  void SetFile(std::filesystem::path file, std::string text);
  const std::filesystem::path& File() const { return file_; }
  // Something was edited since the form was loaded or last saved.
  bool Changed() const;
  void MarkChanged() { changed_ = true; }
  // Writes the form to its file (com::Error 75 when it has none).
  void Save();
  // Whether the form may close: a changed form asks to save first
  // (Yes saves, No discards).
  bool QueryClose();

  // The selection handles moved or changed: redraws them.
  void RefreshHandles();

 private:
  enum class Drag : std::uint8_t { None, Move, Resize };
  struct Grab {
    Control* control;
    TwipsRect start;
  };

  void OnPropertyChanged(Control& control, std::u16string_view property) override;
  win::POINT ToFormPixels(const Control& control, win::POINT local) const;
  std::optional<int> HandleAt(win::POINT at, Control** owner) const;
  void BeginDrag(Drag kind, win::POINT at, int handle);
  void DragTo(win::POINT at);
  void ClearHandles();
  void OnHandleMessage(win::HWND handle, const win::Message& m);
  std::u16string FreeName(std::u16string_view progid) const;

  Form& form_;
  std::filesystem::path file_;
  std::string loadedText_;    // the file as read
  std::string loadedFormat_;  // what the writer made of the form right after loading
  bool changed_ = false;
  Drag drag_ = Drag::None;
  int dragHandle_ = 0;
  win::POINT dragFrom_{};
  bool dragMoved_ = false;
  std::vector<Grab> grabbed_;
  std::vector<win::HWND> handles_;
  std::function<void()> propertiesHandler_;
  std::u16string armedTool_;
};

}  // namespace kelvo::forms
