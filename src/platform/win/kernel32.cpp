// The operating system's system-directory query.

#include <cstring>
#include <string>

#include "platform/base/environment.h"
#include "platform/base/text.h"
#include "platform/win/user32.h"

namespace kernel32 {

// The path is given in the 8-bit code page, as the operating system's "A"
// calls give it; characters the code page lacks read as '?'.
kelvo::win::UINT GetSystemDirectoryA(char* buffer, kelvo::win::UINT size) {
  const std::string path = kelvo::text::ToAnsi(kelvo::text::FromUtf8(kelvo::env::SystemDirectory().string()));
  const std::size_t needed = path.size() + 1;
  if (buffer == nullptr || needed > size) return static_cast<kelvo::win::UINT>(needed);
  std::memcpy(buffer, path.c_str(), needed);
  return static_cast<kelvo::win::UINT>(path.size());
}

}  // namespace kernel32
