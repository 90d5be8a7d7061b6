#include "platform/com/unknown.h"

namespace kelvo::com {

// {00000000-0000-0000-C000-000000000046}; constant-initialized, so static
// tables of other libraries may use it during their own initialization.
const IID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace kelvo::com
