#pragma once
// The setup program's file operations on the system directory. Failures
// throw (com::Error, or the registry storage's error for a copy) with a text
// naming the file and the reason.

#include <filesystem>
#include <string_view>

namespace kelvo::kcsetup {

// Whether a regular file exists there.
bool FileExists(const std::filesystem::path& file);

// Copies `from` over `to` through a temporary file in `to`'s directory and a
// rename: until the copy is complete and on disk the old `to` stays as it
// was, and a failed copy leaves no half-written file behind.
void CopyReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// Deletes every regular file of `dir` named baseName + "." + any extension
// (letter case ignored, as the original system's file names).
void DeleteAllNamed(const std::filesystem::path& dir, std::u16string_view baseName);

}  // namespace kelvo::kcsetup
