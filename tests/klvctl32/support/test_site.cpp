#include "test_site.h"

#include <cmath>
#include <cstdio>

#include "platform/base/text.h"
#include "platform/com/error.h"

namespace kelvo::klvctl32::testing {

namespace {

std::string FormatValue(const com::Variant& v) {
  char buf[64];
  switch (v.type()) {
    case com::Variant::Type::Empty:
      return "Empty";
    case com::Variant::Type::Null:
      return "Null";
    case com::Variant::Type::Boolean:
      return v.ToBoolean() ? "True" : "False";
    case com::Variant::Type::Integer:
    case com::Variant::Type::Long:
      return std::to_string(v.ToLong());
    case com::Variant::Type::Single:
    case com::Variant::Type::Double:
      std::snprintf(buf, sizeof buf, "%g", v.ToDouble());
      return buf;
    case com::Variant::Type::String:
      return "\"" + text::ToUtf8(v.ToString()) + "\"";
    case com::Variant::Type::Object:
      return "Object";
  }
  return "?";
}

// The windows' pixels: twips divided by the factor, nearest.
int ToPixels(double twips, int factor) { return static_cast<int>(std::lround(twips / factor)); }

}  // namespace

std::string FormatEvent(std::u16string_view name, std::span<const com::Variant> args) {
  std::string out = text::ToUtf8(name) + "(";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i > 0) out += ", ";
    out += FormatValue(args[i]);
  }
  return out + ")";
}

com::Variant RecordingExtender::Invoke(std::u16string_view name, com::InvokeKind kind, std::span<com::Variant> args) {
  if (kind == com::InvokeKind::Let && args.size() == 1) {
    assigned_[std::u16string(name)] = args[0];
    return {};
  }
  const auto it = assigned_.find(std::u16string(name));
  if (kind == com::InvokeKind::Get && it != assigned_.end()) return it->second;
  throw com::Error(com::err::kNoSuchMember);
}

com::Variant RecordingBag::Read(std::u16string_view key, const com::Variant& defaultValue) {
  reads_.emplace_back(key);
  for (const auto& [k, v] : entries_) {
    if (k == key) return v;
  }
  return defaultValue;
}

void RecordingBag::Write(std::u16string_view key, const com::Variant& value, const com::Variant&) {
  entries_.emplace_back(std::u16string(key), value);
}

void RecordingBag::Set(std::u16string key, com::Variant value) {
  entries_.emplace_back(std::move(key), std::move(value));
}

TestSite::TestSite(int widthPx, int heightPx, int twipsPerPixel)
    : surface_(widthPx, heightPx, twipsPerPixel, twipsPerPixel),
      widthTwips_(static_cast<double>(widthPx) * twipsPerPixel),
      heightTwips_(static_cast<double>(heightPx) * twipsPerPixel),
      extender_(com::MakeObject<RecordingExtender>()) {}

void TestSite::Attach(forms::IControl& control) {
  control_ = &control;
  control.SetSite(this);
}

std::string TestSite::TakeEvents() {
  std::string out;
  for (const std::string& e : events_) out += (out.empty() ? "" : " ") + e;
  events_.clear();
  return out;
}

std::string TestSite::TakeChanged() {
  std::string out;
  for (const std::string& c : changed_) out += (out.empty() ? "" : " ") + c;
  changed_.clear();
  return out;
}

void TestSite::PropertyChanged(std::u16string_view name) { changed_.push_back(text::ToUtf8(name)); }

// Delivers the nested Resize when the size changed, or always while refusing;
// a runaway control is cut off at a depth no sane control reaches.
void TestSite::SetSize(double width, double height) {
  ++setSizeCalls;
  const bool changed = width != widthTwips_ || height != heightTwips_;
  if (!refuseSize) {
    widthTwips_ = width;
    heightTwips_ = height;
    surface_.Resize(ToPixels(width, surface_.twipsPerPixelX()), ToPixels(height, surface_.twipsPerPixelY()));
  }
  if ((!changed && !refuseSize) || control_ == nullptr || resizeDepth_ >= 64) return;
  ++resizeDepth_;
  if (resizeDepth_ > maxResizeDepth) maxResizeDepth = resizeDepth_;
  control_->Resize();
  --resizeDepth_;
}

void TestSite::RaiseEvent(std::u16string_view name, std::span<com::Variant> args) {
  events_.push_back(FormatEvent(name, args));
  if (onEvent) onEvent(name, args);
}

}  // namespace kelvo::klvctl32::testing
