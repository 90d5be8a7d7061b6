#pragma once
// The one-line messages the registration tool writes about each library.

#include <string>
#include <string_view>

#include "platform/com/hresult.h"
#include "tools/regsvr32/server_call.h"

namespace kelvo::regsvr32 {

// "0x80040201": the code as eight hexadecimal digits.
std::string HexCode(com::HRESULT code);

// For example "DllRegisterServer in /opt/KLVCTL32.OCX succeeded."
std::string DescribeOutcome(const CallOutcome& outcome, std::string_view path, std::string_view entry_point);

}  // namespace kelvo::regsvr32
