#pragma once
// The container's standard property pages (font, colour, picture) share this
// frame: a "Property:" list of the first selected control's members of one
// type, and fields the derived page builds and fills for the chosen member.
// Apply stores the fields into that member of every selected control that
// has it. A change in a field sets the page's changed flag; choosing another
// member does not. The pages are built on the page site alone, as a
// control library's pages are.

#include <optional>
#include <string>
#include <vector>

#include "platform/forms/page_base.h"

namespace kelvo::forms::stdpages {

class StandardPage : public PageBase {
 public:
  StandardPage(const com::CoClassInfo& info, std::u16string caption, com::TypeKind memberType);

  void ApplyChanges() override;
  void FieldClick(std::u16string_view name, std::optional<int> index) override;
  void FieldChange(std::u16string_view name, std::optional<int> index) override;

 protected:
  // Places the page's own fields under the property list.
  virtual void BuildFields() = 0;
  // Fills the fields from the member's current value.
  virtual void LoadFields(const com::Variant& value) = 0;
  // The value the fields describe, for Apply.
  virtual com::Variant FieldValue() = 0;
  // Whether Apply assigns the value by reference (Set) rather than by value (Let).
  virtual bool AssignsObject() const = 0;

 private:
  void Build() final;
  void Load() final;
  std::u16string CurrentMember();
  void LoadCurrentMember();

  com::TypeKind memberType_;
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
