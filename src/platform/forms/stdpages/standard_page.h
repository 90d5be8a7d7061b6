#pragma once
// The container's standard property pages (font, colour, picture) share this
// frame: a "Property:" list of the first selected control's members of one
// type, and fields the derived page builds and fills for the chosen member.
// Apply stores the fields into that member of every selected control that
// has it. A change in a field sets the page's changed flag; choosing another
// member does not.

#include <string>
#include <vector>

#include "platform/com/object.h"
#include "platform/forms/application.h"
#include "platform/forms/interface_ids.h"

namespace kelvo::forms::stdpages {

class StandardPage : public com::Object<IPropertyPage>, public EventListener {
 public:
  StandardPage(const com::CoClassInfo& info, std::u16string caption, com::TypeKind memberType);

  const com::CoClassInfo& ClassInfo() const override { return info_; }
  std::u16string Caption() const override { return caption_; }
  void Create(win::HWND parent, IPropertyPageSite* site) override;
  void SelectionChanged(std::span<const com::ComPtr<com::IDispatch>> selected) override;
  void ApplyChanges() override;
  com::ComPtr<com::IDispatch> Field(std::u16string_view name) override;

  void OnEvent(Control& control, std::u16string_view event, std::span<com::Variant> args) override;

 protected:
  // Places the page's own fields under the property list.
  virtual void BuildFields() = 0;
  // Fills the fields from the member's current value.
  virtual void LoadFields(const com::Variant& value) = 0;
  // The value the fields describe, for Apply.
  virtual com::Variant FieldValue() = 0;
  // How Apply assigns the value (Let or Set).
  virtual com::InvokeKind AssignKind() const = 0;

  Control& AddField(std::u16string_view progid, std::u16string_view name, const TwipsRect& rect);
  static com::Variant Get(Control& field, std::u16string_view member);
  static void Let(Control& field, std::u16string_view member, com::Variant value);

 private:
  std::u16string CurrentMember();
  void LoadCurrentMember();

  const com::CoClassInfo& info_;
  std::u16string caption_;
  com::TypeKind memberType_;
  IPropertyPageSite* site_ = nullptr;
  Form* form_ = nullptr;
  Control* members_ = nullptr;
  std::vector<com::ComPtr<com::IDispatch>> selected_;
  bool loading_ = false;
};

// The in-process standard pages: ProgID, class id and factory.
struct StandardPageClass {
  std::u16string progid;
  com::CLSID clsid;
  com::ComPtr<IPropertyPage> (*create)();
};
std::vector<StandardPageClass> StandardPageClasses();

com::ComPtr<IPropertyPage> CreateFontPage();
com::ComPtr<IPropertyPage> CreateColorPage();
com::ComPtr<IPropertyPage> CreatePicturePage();

}  // namespace kelvo::forms::stdpages
