#include "platform/console/command.h"

#include "platform/base/text.h"

namespace kelvo::console {

std::string ControlRef::Text() const {
  if (isForm) return "form";
  std::string out = text::ToUtf8(name);
  if (index) out += "(" + std::to_string(*index) + ")";
  return out;
}

std::string MemberRef::Text() const { return target.Text() + "." + text::ToUtf8(member); }

bool IsQuery(const Statement& statement) {
  return std::holds_alternative<cmd::Get>(statement) || std::holds_alternative<cmd::Call>(statement) ||
         std::holds_alternative<cmd::Simple>(statement) || std::holds_alternative<cmd::OfControl>(statement) ||
         std::holds_alternative<cmd::Pixel>(statement) || std::holds_alternative<cmd::PageField>(statement);
}

}  // namespace kelvo::console
