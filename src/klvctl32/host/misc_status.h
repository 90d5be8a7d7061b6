#pragma once
// The misc-status bits each control class publishes, composed from what the
// class is:
//
//  - every control: the container sets the client site before loading the
//    properties (kSetClientSiteFirst), activates the control as soon as it is
//    visible (kActivateWhenVisible), recomposes it on resize
//    (kRecomposeOnResize), and nothing can be linked inside it (kCantLinkInside);
//  - a control that never takes the focus is never UI-activated (kNoUIActivate),
//    so the container skips it when moving the focus;
//  - a control that holds other controls is a simple frame (kSimpleFrame);
//  - a control that can be docked to a form edge is alignable (kAlignable);
//  - a control that may be the form's default or cancel button acts like a
//    button (kActsLikeButton);
//  - a control shown only while designing is invisible at run time
//    (kInvisibleAtRuntime).
//
// A control that takes the focus adds nothing to the common bits: taking the
// focus is the absence of kNoUIActivate.

#include <cstdint>

#include "platform/com/typeinfo.h"

namespace kelvo::klvctl32::misc {

inline constexpr std::uint32_t kEveryControl = com::olemisc::kSetClientSiteFirst | com::olemisc::kActivateWhenVisible |
                                               com::olemisc::kRecomposeOnResize | com::olemisc::kCantLinkInside;
inline constexpr std::uint32_t kNeverTakesFocus = com::olemisc::kNoUIActivate;
inline constexpr std::uint32_t kContainer = com::olemisc::kSimpleFrame;
inline constexpr std::uint32_t kAlignable = com::olemisc::kAlignable;
inline constexpr std::uint32_t kActsLikeButton = com::olemisc::kActsLikeButton;
inline constexpr std::uint32_t kInvisibleAtRuntime = com::olemisc::kInvisibleAtRuntime;

}  // namespace kelvo::klvctl32::misc
