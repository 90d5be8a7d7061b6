#pragma once
// The designer's property sheet for the selected controls of a form: the
// property pages the first selected control's class lists (its own page
// first, then the container's standard font, colour and picture pages), one
// tab each, above OK, Cancel and Apply. Apply is enabled while a page has
// changes; OK applies them and closes, Cancel closes.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/designer.h"

namespace kelvo::forms {

class PropertySheet final : private EventListener {
 public:
  // Opens the sheet for form's selection as a window of its own, its client
  // area at a screen point; com::Error 5 when nothing is selected or the class
  // lists no page.
  explicit PropertySheet(Form& designed, win::POINT origin = {});
  ~PropertySheet() override;
  PropertySheet(const PropertySheet&) = delete;
  PropertySheet& operator=(const PropertySheet&) = delete;

  Form& Window() const { return *sheet_; }
  std::vector<std::u16string> TabCaptions() const;
  int CurrentTab() const { return current_; }
  void ShowTab(int index);
  PropertyPageFrame& CurrentPage() const;

  // The sheet's buttons.
  bool ApplyEnabled() const;
  void Apply();
  void Ok();
  void Cancel();
  // OK or Cancel was pressed, or the window closed.
  bool Closed() const { return closed_; }

 private:
  void OnEvent(Control& control, std::u16string_view event, std::span<com::Variant> args) override;
  void OnFormEvent(Form& form, std::u16string_view event) override;
  void AddTab(int index, const std::u16string& caption);
  void UpdateButtons();
  void Close();
  // The designed form, or nullptr once it is unloaded.
  Form* Designed() const;

  Application& app_;
  Form* designed_;
  std::u16string designedName_;
  Form* sheet_ = nullptr;
  std::u16string sheetName_;
  std::vector<std::unique_ptr<PropertyPageFrame>> pages_;
  std::vector<Control*> tabs_;
  int current_ = 0;
  bool closed_ = false;
};

}  // namespace kelvo::forms
