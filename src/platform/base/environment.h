#pragma once
// Where the platform keeps its files, and the process-wide system settings the
// component runtime reads (the system decimal separator).

#include <filesystem>

namespace kelvo::env {

// $KELVO_ROOT, else ${XDG_DATA_HOME:-$HOME/.local/share}/kelvo.
std::filesystem::path Root();
std::filesystem::path SystemDirectory();  // Root()/system32
std::filesystem::path RegistryFile();     // Root()/registry

// The system decimal separator used by variant conversions ('.' by default).
char16_t DecimalSeparator();
void SetDecimalSeparator(char16_t sep);

}  // namespace kelvo::env
