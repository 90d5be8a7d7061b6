#pragma once
// The common part of a property page, built only on the page site: it keeps
// the site and the selected controls, lays out fields, reads and writes them
// and the selected controls by member name, and marks the page changed on
// every field's Click or Change (a page overrides FieldClick or FieldChange to
// do more). A page is also a dispatch object publishing its class's default
// interface, which has no members, so a class factory can hand it out.
//
//   class MyPage final : public forms::PageBase {
//    public:
//     MyPage() : PageBase(MyPageInfo(), u"General") {}
//    protected:
//     void Build() override { AddCheckBox(u"chkLocked", {120, 120, 2400, 285}, u"Locked"); }
//     void Load() override { SetCheck(u"chkLocked", Property(First(), u"Locked").ToBoolean()); }
//    public:
//     void ApplyChanges() override { Assign(First(), u"Locked", com::Variant::Boolean(Check(u"chkLocked"))); }
//   };

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/object.h"
#include "platform/com/variant.h"
#include "platform/forms/interface_ids.h"
#include "platform/forms/property_page.h"

namespace kelvo::forms {

class PageBase : public com::Object<IPropertyPage, com::IDispatch>, public IPageFieldEvents {
 public:
  PageBase(const com::CoClassInfo& info, std::u16string caption);
  // A page of a server library, counted as one of its live objects.
  PageBase(com::ModuleCounter& module, const com::CoClassInfo& info, std::u16string caption);

  const com::InterfaceInfo* GetTypeInfo() override { return info_.defaultInterface; }
  // The page has no members of its own: com::Error 438.
  com::Variant Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) override;

  const com::CoClassInfo& ClassInfo() const override { return info_; }
  std::u16string Caption() const override { return caption_; }
  // Keeps the site, takes the fields' notifications, then Build.
  void Create(win::HWND parent, IPropertyPageSite* site) override;
  // Keeps the selection, then Load.
  void SelectionChanged(std::span<const com::ComPtr<com::IDispatch>> selected) override;
  com::ComPtr<com::IDispatch> Field(std::u16string_view ref) override;

  // Both mark the page changed.
  void FieldClick(std::u16string_view name, std::optional<int> index) override;
  void FieldChange(std::u16string_view name, std::optional<int> index) override;

 protected:
  // Lays out the page's fields.
  virtual void Build() = 0;
  // Fills the fields from the selection.
  virtual void Load() = 0;

  // Layout.
  com::ComPtr<com::IDispatch> AddField(const PageField& field);
  com::ComPtr<com::IDispatch> AddLabel(std::u16string_view name, const PageRect& at, std::u16string_view caption);
  com::ComPtr<com::IDispatch> AddCheckBox(std::u16string_view name, const PageRect& at, std::u16string_view caption);
  com::ComPtr<com::IDispatch> AddTextBox(std::u16string_view name, const PageRect& at, std::u16string_view text = {},
                                         std::int32_t maxLength = 0);
  com::ComPtr<com::IDispatch> AddDropDownList(std::u16string_view name, const PageRect& at,
                                              std::vector<std::u16string> items);
  com::ComPtr<com::IDispatch> AddFrame(std::u16string_view name, const PageRect& at, std::u16string_view caption);
  com::ComPtr<com::IDispatch> AddOptionButton(std::u16string_view name, int index, const PageRect& at,
                                              std::u16string_view caption, std::u16string_view frame = {});

  // Field values by "name" or "name(3)"; com::Error 438 for a field the page does not have.
  bool Check(std::u16string_view ref);  // a check box's Value is 1
  void SetCheck(std::u16string_view ref, bool checked);
  std::u16string Text(std::u16string_view ref);
  void SetText(std::u16string_view ref, std::u16string text);
  std::int16_t ListIndex(std::u16string_view ref);
  void SetListIndex(std::u16string_view ref, std::int16_t index);
  bool OptionValue(std::u16string_view ref);
  void SetOptionValue(std::u16string_view ref, bool selected);
  com::ComPtr<com::IDispatch> RequireField(std::u16string_view ref);

  // The selection, in the designer's order; First() throws com::Error 5 when it is empty.
  std::span<const com::ComPtr<com::IDispatch>> Selected() const { return selected_; }
  const com::ComPtr<com::IDispatch>& First() const;

  // Members of a field or a selected control, by name.
  static com::Variant Property(const com::ComPtr<com::IDispatch>& object, std::u16string_view member);
  static void Assign(const com::ComPtr<com::IDispatch>& object, std::u16string_view member, com::Variant value);
  static void AssignObject(const com::ComPtr<com::IDispatch>& object, std::u16string_view member, com::Variant value);
  static void Call(const com::ComPtr<com::IDispatch>& object, std::u16string_view method,
                   std::vector<com::Variant> args);

  void SetChanged(bool changed);
  bool Changed() const;

 private:
  const com::CoClassInfo& info_;
  std::u16string caption_;
  IPropertyPageSite* site_ = nullptr;
  std::vector<com::ComPtr<com::IDispatch>> selected_;
};

}  // namespace kelvo::forms
