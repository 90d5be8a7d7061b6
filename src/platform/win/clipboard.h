#pragma once
// The clipboard's text, as the controls read and write it. One clipboard per
// process, served by the backend (memory when headless, the display's when on
// screen).

#include <string>

namespace kelvo::win {

class Clipboard {
 public:
  std::u16string Text() const;
  void SetText(std::u16string text) const;
};

}  // namespace kelvo::win
