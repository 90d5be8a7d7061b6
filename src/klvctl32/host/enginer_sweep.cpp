// The engine's tick: every enabled control of the parent form, in the order of
// its Controls collection, gets ToKelvoEnginer and is reported through
// CheckKelvoControls.
#include <array>

#include "klvctl32/host/enginer.h"
#include "klvctl32/host/get_member.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32 {

// Runs under an error trap: the first control without Enabled, or an enabled
// one without ToKelvoEnginer (the engine itself, the container's own
// controls), ends this tick's sweep; the next tick starts from the first
// control again.
void KelvoEnginer::FocusSweep() {
  try {
    const com::ComPtr<com::IDispatch> form = Site().ParentForm();
    if (!form) throw com::Error(com::err::kObjectNotSet);
    const com::ComPtr<com::IDispatch> controls = GetMember(*form, u"Controls").ToObject();
    const std::int32_t count = GetMember(*controls, u"Count").ToLong();
    for (std::int32_t i = 0; i < count; ++i) {
      std::array<com::Variant, 1> index = {com::Variant::Long(i)};
      const com::ComPtr<com::IDispatch> ctl = GetMember(*controls, u"Item", index).ToObject();
      if (!GetMember(*ctl, u"Enabled").ToBoolean()) continue;
      ctl->Invoke(u"ToKelvoEnginer", com::InvokeKind::Method, {});
      std::array<com::Variant, 1> tControl = {com::Variant::Object(ctl)};
      RaiseEvent(u"CheckKelvoControls", tControl);
    }
  } catch (const com::Error&) {
    // The sweep's error trap: the rest of this tick is skipped quietly.
  }
}

}  // namespace kelvo::klvctl32
