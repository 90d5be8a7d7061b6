#pragma once
// The edits' persisted "Font" key: a stored font object, or the surface's own
// font when the key holds none. Anything else stored there is refused.

#include <string_view>

#include "platform/forms/control.h"
#include "platform/forms/stdobjects.h"
#include "platform/gfx/surface.h"

namespace kelvo::klvctl32 {

com::ComPtr<forms::IFontObject> ReadFontKey(forms::IPropertyBag& bag, std::u16string_view key,
                                            const gfx::Surface& surface);

}  // namespace kelvo::klvctl32
