#include "platform/com/error.h"

#include <utility>

#include "platform/base/text.h"

namespace kelvo::com {
namespace {

struct Description {
  std::int32_t number;
  std::u16string_view text;
};

constexpr Description kDescriptions[] = {
    {5, u"Invalid procedure call or argument"},
    {6, u"Overflow"},
    {7, u"Out of memory"},
    {9, u"Subscript out of range"},
    {11, u"Division by zero"},
    {13, u"Type mismatch"},
    {52, u"Bad file name or number"},
    {53, u"File not found"},
    {61, u"Disk full"},
    {70, u"Permission denied"},
    {75, u"Path/File access error"},
    {76, u"Path not found"},
    {91, u"Object variable or With block variable not set"},
    {94, u"Invalid use of Null"},
    {380, u"Invalid property value"},
    {383, u"Can't set read-only property"},
    {424, u"Object required"},
    {429, u"Can't create object"},
    {438, u"Object doesn't support this property or method"},
    {450, u"Wrong number of arguments or invalid property assignment"},
    {451, u"Property let procedure not defined and property get procedure did not return an object"},
    {481, u"Invalid picture"},
};

std::string Message(std::int32_t number, const std::u16string& description) {
  return std::to_string(number) + " " + text::ToUtf8(description);
}

}  // namespace

std::u16string StandardDescription(std::int32_t number) {
  for (const auto& d : kDescriptions) {
    if (d.number == number) return std::u16string(d.text);
  }
  return u"Application-defined or object-defined error";
}

Error::Error(std::int32_t number) : Error(number, StandardDescription(number)) {}

Error::Error(std::int32_t number, std::u16string description)
    : std::runtime_error(Message(number, description)), number_(number), description_(std::move(description)) {}

}  // namespace kelvo::com
