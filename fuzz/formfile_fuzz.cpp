// The form file reader on arbitrary text: it either parses or refuses with a
// FormFileError (or a runtime error of a value); whatever parses is written
// and must read back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/com/error.h"
#include "platform/forms/formfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kelvo::forms::FormDesc desc;
  try {
    desc = kelvo::forms::ParseFormFile(text, "fuzz.frm");
  } catch (const kelvo::forms::FormFileError&) {
    return 0;
  } catch (const kelvo::com::Error&) {
    return 0;
  }
  const std::string written = kelvo::forms::FormatFormFile(desc, {});
  try {
    kelvo::forms::ParseFormFile(written, "written.frm");
  } catch (const kelvo::forms::FormFileError&) {
    std::abort();  // the writer produced text the reader refuses
  }
  return 0;
}
