#include "klvctl32/host/focus_protocol.h"

#include "klvctl32/host/get_member.h"
#include "platform/com/error.h"
#include "platform/com/variant.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {

namespace {}  // namespace

com::ComPtr<com::IDispatch> ActiveControlOf(com::IDispatch& form) {
  const com::Variant active = GetMember(form, u"ActiveControl");
  return active.IsObject() ? active.ToObject() : com::ComPtr<com::IDispatch>();
}

win::HWND WatchedWindow(forms::IControlSite& site, com::IDispatch& form, const FocusWatch& watch) {
  if (site.ParentIsMDIFrame()) return watch.FormWindow;
  if (GetMember(form, u"MDIChild").ToBoolean()) return watch.FormWindow;
  return static_cast<win::HWND>(GetMember(form, u"hwnd").ToLong());
}

bool RunFocusProtocol(forms::IControlSite& site, bool enabled, FocusWatch& watch,
                      const std::function<void()>& ownLostFocus) {
  try {
    const com::ComPtr<com::IDispatch> form = site.ParentForm();
    if (!form) throw com::Error(com::err::kObjectNotSet);
    const com::ComPtr<com::IDispatch> active = ActiveControlOf(*form);
    if (!active || !enabled) return false;
    const win::HWND target = WatchedWindow(site, *form, watch);
    const bool isActive = user32::GetActiveWindow() == target;
    if (isActive && !watch.WindowActive) {
      watch.WindowActive = true;
      active->Invoke(u"XFocus", com::InvokeKind::Method, {});
    } else if (!isActive && watch.WindowActive) {
      watch.WindowActive = false;
      ownLostFocus();
    }
    return true;
  } catch (const com::Error&) {
    // The protocol's error trap: the tick's work for this control ends here.
    return false;
  }
}

void RememberFormWindow(FocusWatch& watch) { watch.FormWindow = user32::GetActiveWindow(); }

}  // namespace kelvo::klvctl32
