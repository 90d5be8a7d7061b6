#pragma once
// The designer's property-page frame: opens a property page for the selected
// controls, lets the page build its fields (standard controls on an embedded
// form), and applies its changes.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/application.h"

namespace kelvo::forms {

// base followed by the lowest number from 1 that makes a name not taken
// ("KelvoTextEdit1", "PropertySheet2").
std::u16string NumberedName(std::u16string_view base, const std::function<bool(std::u16string_view)>& taken);

using PropertyPageFactory = std::function<com::ComPtr<IPropertyPage>()>;
// Registers an in-process property page class under its ProgID; every other
// ProgID is created through the registry and asked for IID_IPropertyPage.
void RegisterPropertyPageClass(std::u16string progid, PropertyPageFactory factory);

class PropertyPageFrame {
 public:
  // Creates the page named by a ProgID or a class id "{...}" (the container's
  // standard pages: "StandardFont", "StandardColor", "StandardPicture"; then
  // in-process pages; then the registry; com::Error 429 when it cannot be
  // created), builds it on an embedded
  // form inside a designer window, and passes it the selected controls'
  // extenders in order (SelectionChanged).
  PropertyPageFrame(Application& app, std::u16string_view progid, const std::vector<Control*>& selected);
  // The same with the page's form inside host (a property sheet's window) at
  // a pixel position, instead of a window of its own.
  PropertyPageFrame(Application& app, std::u16string_view progid, const std::vector<Control*>& selected, win::HWND host,
                    win::POINT at);
  ~PropertyPageFrame();
  PropertyPageFrame(const PropertyPageFrame&) = delete;
  PropertyPageFrame& operator=(const PropertyPageFrame&) = delete;

  IPropertyPage& Page() const;
  std::u16string Caption() const;
  // The form holding the page's fields.
  Form& Area() const;
  // A field of the page by name (its extender), or com::Error 438.
  com::ComPtr<com::IDispatch> Field(std::u16string_view name) const;
  // The designer's Apply button: ApplyChanges, then the changed flag clears.
  void Apply();
  // The page's changed flag (the Apply button enabled).
  bool Changed() const;
  // Told whenever the page sets its changed flag.
  void SetChangedHandler(std::function<void()> handler);
  // A page's size in pixels.
  static constexpr int kWidthPx = 420;
  static constexpr int kHeightPx = 300;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace kelvo::forms
