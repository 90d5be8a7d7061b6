#include "klvctl32/host/property_values.h"

namespace kelvo::klvctl32 {

gfx::OleColor ToColor(const com::Variant& v) { return static_cast<gfx::OleColor>(v.ToLong()); }

com::Variant FromColor(gfx::OleColor color) { return com::Variant::Long(static_cast<std::int32_t>(color)); }

}  // namespace kelvo::klvctl32
