#pragma once
// The contract between a design-time property page and the designer. The
// designer creates the page (IPropertyPage), gives it a site (IPropertyPageSite)
// on which the page lays out its fields (labels, check boxes, text boxes,
// drop-down lists, frames, option buttons), passes it the selected controls
// (SelectionChanged) and asks it to write its fields back (ApplyChanges). The
// fields' Click and Change notifications reach the page through
// IPageFieldEvents; the page's changed flag enables the designer's Apply button.
//
// A page reads and writes its fields, and the selected controls, by member name
// through their dispatch interfaces (a check box's Value 0 or 1, an option
// button's Value, a text box's Text, a list's ListIndex). forms::PageBase
// (page_base.h) implements the common part of a page over this site.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/dispatch.h"
#include "platform/com/typeinfo.h"
#include "platform/win/types.h"

namespace kelvo::forms {

extern const com::IID IID_IPropertyPage;

enum class PageFieldKind : std::uint8_t { Label, CheckBox, TextBox, DropDownList, Frame, OptionButton };

// A field's place: twips within the page, or within the frame holding it.
struct PageRect {
  double left = 0, top = 0, width = 0, height = 0;
};

// One field as the page lays it out.
struct PageField {
  PageFieldKind kind = PageFieldKind::Label;
  std::u16string name;         // "chkLocked"; the array's name for an element ("optSize")
  std::optional<int> index{};  // element number of a control array: optSize(1)
  PageRect rect{};
  std::u16string caption{};             // a label's, check box's, frame's or option button's caption; a text box's text
  std::vector<std::u16string> items{};  // a drop-down list's items, index 0 first
  std::int32_t maxLength = 0;           // a text box's limit in characters; 0 for none
  bool enabled = true;
  std::u16string frame{};  // the frame field holding this one, or empty for the page itself
};

// What a page hears from its fields. `index` is the element number of a
// control array, empty for a single field.
class IPageFieldEvents {
 public:
  // A check box, option button or list was clicked (by the user or by a change of its value).
  virtual void FieldClick(std::u16string_view name, std::optional<int> index) = 0;
  // A text box's text changed.
  virtual void FieldChange(std::u16string_view name, std::optional<int> index) = 0;

 protected:
  ~IPageFieldEvents() = default;
};

// The designer's services to one page.
class IPropertyPageSite {
 public:
  // The page's changed flag: true enables the designer's Apply button.
  virtual void SetChanged(bool changed) = 0;
  virtual bool Changed() = 0;

  // Lays out a field and returns it (its members by name: Value, Text,
  // ListIndex, Caption, Enabled, ...). Throws com::Error 5 for a name already
  // used (with the same index) or a frame the page does not have.
  virtual com::ComPtr<com::IDispatch> AddField(const PageField& field) = 0;
  // A field by "name" or "name(3)", or nullptr.
  virtual com::ComPtr<com::IDispatch> FindField(std::u16string_view ref) = 0;
  // Where the fields' Click and Change notifications go from now on.
  virtual void SetFieldEvents(IPageFieldEvents* events) = 0;

 protected:
  ~IPropertyPageSite() = default;
};

class IPropertyPage : public com::IUnknown {
 public:
  virtual const com::CoClassInfo& ClassInfo() const = 0;
  virtual std::u16string Caption() const = 0;
  // Builds the page's fields through the site (parent is the page's window).
  virtual void Create(win::HWND parent, IPropertyPageSite* site) = 0;
  // The controls selected in the designer, in order (their extenders).
  virtual void SelectionChanged(std::span<const com::ComPtr<com::IDispatch>> selected) = 0;
  virtual void ApplyChanges() = 0;
  // The page's fields by "name" or "name(3)", for the console's page commands.
  virtual com::ComPtr<com::IDispatch> Field(std::u16string_view name) = 0;

 protected:
  ~IPropertyPage() = default;
};

}  // namespace kelvo::forms
