#include "event_log.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "platform/base/text.h"

namespace kelvo::demo {

EventLog::EventLog(const std::string& path) : path_(path), out_(path, std::ios::binary | std::ios::trunc) {
  if (!out_) throw std::runtime_error("cannot write the event log " + path);
}

void EventLog::Close() {
  if (out_.is_open()) {
    errno = 0;
    out_.close();
    if (!out_) NoteFailure();
  }
  if (!failure_.empty()) throw std::runtime_error("cannot write the event log " + path_ + ": " + failure_);
}

void EventLog::NoteFailure() {
  if (failure_.empty()) failure_ = errno != 0 ? std::strerror(errno) : "write error";
}

void EventLog::OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> args) {
  Note(EventLine(control.RefName(), event, args));
}

void EventLog::OnFormEvent(forms::Form& form, std::u16string_view event) {
  Note(text::ToUtf8(form.Name()) + "." + text::ToUtf8(event));
}

// Events keep coming after a failed write; the first failure is kept for Close.
void EventLog::Note(std::string_view line) {
  if (!failure_.empty()) return;
  errno = 0;
  out_ << line << '\n';
  out_.flush();
  if (!out_) NoteFailure();
}

namespace {

// An argument as the log writes it: strings quoted, objects by kind.
std::string ArgumentText(const com::Variant& arg) {
  switch (arg.type()) {
    case com::Variant::Type::Empty: return "Empty";
    case com::Variant::Type::Null: return "Null";
    case com::Variant::Type::Object: return arg.ToObject() ? "object" : "Nothing";
    case com::Variant::Type::String: return "\"" + text::ToUtf8(arg.ToString()) + "\"";
    default: return text::ToUtf8(arg.ToString());
  }
}

}  // namespace

std::string EventLine(std::u16string_view control, std::u16string_view event, std::span<const com::Variant> args) {
  std::string line = text::ToUtf8(control) + "." + text::ToUtf8(event) + "(";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i > 0) line += ", ";
    line += ArgumentText(args[i]);
  }
  return line + ")";
}

}  // namespace kelvo::demo
