#include "klvctl32/server/version_block.h"

namespace kelvo::klvctl32 {

namespace {

// Kept by the linker although nothing refers to it by address.
[[gnu::used, gnu::section(".kelvo_version")]] const char kVersionSection[] =
    "FileVersion=1.01.0001\n"
    "FileVersionNumber=1.1.0.1\n"
    "ProductName=KelvoControls 32Bits\n"
    "InternalName=KLVCTL32\n"
    "OLESelfRegister=\n";

}  // namespace

std::string_view VersionSectionText() { return kVersionSection; }

}  // namespace kelvo::klvctl32
