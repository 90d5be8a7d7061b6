#pragma once
// Checks a component server file before the system loader maps it. The loader
// trusts the file's headers: a truncated or damaged library makes it touch
// pages past the end of the file and the process dies with a bus error. A file
// passes when it is a complete ELF shared object of this machine: its header,
// its program headers and every segment they place lie inside the file.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace kelvo::com {

// Why image (the first bytes of a file of file_size bytes, at least up to the
// end of its program headers) is not a loadable library, or nothing.
std::optional<std::string> LibraryImageFault(std::span<const std::uint8_t> image, std::uint64_t file_size);

// The same for a file on disk, read without mapping it; a file that cannot be
// read is a fault too.
std::optional<std::string> LibraryFileFault(const std::filesystem::path& file);

}  // namespace kelvo::com
