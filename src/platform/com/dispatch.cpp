#include "platform/com/dispatch.h"

namespace kelvo::com {

// {00020400-0000-0000-C000-000000000046}
const IID IID_IDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace kelvo::com
