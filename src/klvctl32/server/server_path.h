#pragma once
// The absolute path of the file this library was loaded from.

#include <filesystem>

namespace kelvo::klvctl32 {

// Throws std::runtime_error when the loader cannot tell.
std::filesystem::path ServerPath();

}  // namespace kelvo::klvctl32
