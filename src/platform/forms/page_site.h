#pragma once
// The designer's page site: lays out a page's fields as standard controls on
// the page's embedded form, forwards their Click and Change notifications to
// the page, and keeps the changed flag.

#include <functional>
#include <optional>
#include <string_view>

#include "platform/forms/application.h"
#include "platform/forms/property_page.h"

namespace kelvo::forms {

class PageSite final : public IPropertyPageSite, private EventListener {
 public:
  explicit PageSite(Form& area) : area_(area) {}

  void SetChanged(bool changed) override {
    changed_ = changed;
    if (onChanged_) onChanged_();
  }
  // Told after every change of the changed flag (the designer's Apply button follows it).
  void SetChangedHandler(std::function<void()> handler) { onChanged_ = std::move(handler); }
  bool Changed() override { return changed_; }
  com::ComPtr<com::IDispatch> AddField(const PageField& field) override;
  com::ComPtr<com::IDispatch> FindField(std::u16string_view ref) override;
  void SetFieldEvents(IPageFieldEvents* events) override;

 private:
  void OnEvent(Control& control, std::u16string_view event, std::span<com::Variant> args) override;
  Control* FrameOf(const PageField& field) const;

  Form& area_;
  IPageFieldEvents* events_ = nullptr;
  bool changed_ = false;
  bool building_ = false;
  std::function<void()> onChanged_;  // a field being laid out raises no notifications to the page
};

}  // namespace kelvo::forms
