#pragma once
// The setup list file KCSETUP.LST: three lines in the Western 8-bit code page
// (1252), each ending in CR LF (LF alone is read too): the library's base
// name, the component's title and its version text. Lines after the third
// are ignored.

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvo::kcsetup {

struct SetupList {
  std::u16string baseName;  // the library file without extension: "KLVCTL32"
  std::u16string title;
  std::u16string version;
};

// Reads the list from the file's bytes. Throws com::Error 62 "Input past end
// of file" when there are fewer than three lines, and com::Error 52 when the
// base name is no plain file name (empty, a path, "." or "..", or holding a
// control character), since it names files in the system directory.
SetupList ParseSetupList(std::string_view bytes);
// Reads the file; com::Error 53 when it cannot be opened, else as above.
SetupList ReadSetupList(const std::filesystem::path& file);

}  // namespace kelvo::kcsetup
