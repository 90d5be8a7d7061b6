#include "platform/com/classfactory.h"

namespace kelvo::com {

// {00000001-0000-0000-C000-000000000046}
const IID IID_IClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace kelvo::com
