// The library's version block: file version 1.1.0.1 (shown as "1.01.0001"),
// product name, internal name and the self-registration marker. It lives in
// the library file's own ".kelvo_version" section, one "Key=Value" line each,
// so that tools read it from the file without loading the library
// (readelf -p .kelvo_version KLVCTL32.OCX).

namespace kelvo::klvctl32 {

namespace {

// Kept by the compiler and the linker although no code refers to it.
[[gnu::used, gnu::section(".kelvo_version")]] const char kVersionBlock[] =
    "FileVersion=1.01.0001\n"
    "FileVersionNumber=1.1.0.1\n"
    "ProductName=KelvoControls 32Bits\n"
    "InternalName=KLVCTL32\n"
    "OLESelfRegister=\n";

}  // namespace

}  // namespace kelvo::klvctl32
