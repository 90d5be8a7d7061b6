#include "platform/gfx/font_match.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <memory>

#include "platform/base/text.h"

namespace kelvo::gfx {
namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

bool SameNameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return text::UpperAnsi(a) == text::UpperAnsi(b);
}

const FcChar8* AsFc(const std::string& s) { return reinterpret_cast<const FcChar8*>(s.c_str()); }

// fontconfig keeps its configuration until FcFini; releasing it at exit
// leaves nothing behind for leak checkers.
void ReleaseFontconfigAtExit() {
  static const bool registered = [] { return std::atexit(FcFini) == 0; }();
  static_cast<void>(registered);
}

PatternPtr QueryFor(const FontDesc& desc) {
  ReleaseFontconfigAtExit();
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  for (const std::string& family : CandidateFamilies(desc.name)) FcPatternAddString(pattern.get(), FC_FAMILY, AsFc(family));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, desc.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, desc.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  return pattern;
}

int IntegerOf(FcPattern* pattern, const char* object, int fallback) {
  int value = fallback;
  FcPatternGetInteger(pattern, object, 0, &value);
  return value;
}

}  // namespace

std::vector<std::string> CandidateFamilies(std::u16string_view name) {
  if (SameNameIgnoringCase(name, u"MS Sans Serif")) return {"Liberation Sans", "DejaVu Sans", "sans-serif"};
  if (SameNameIgnoringCase(name, u"Arial")) return {"Liberation Sans", "sans-serif"};
  if (SameNameIgnoringCase(name, u"Courier New")) return {"Liberation Mono", "monospace"};
  if (SameNameIgnoringCase(name, u"Times New Roman")) return {"Liberation Serif", "serif"};
  return {text::ToUtf8(name)};
}

std::optional<FontFile> MatchSystemFont(const FontDesc& desc) {
  const PatternPtr query = QueryFor(desc);
  if (!query) return std::nullopt;
  FcResult result = FcResultNoMatch;
  const PatternPtr match(FcFontMatch(nullptr, query.get(), &result));
  if (!match) return std::nullopt;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || file == nullptr) return std::nullopt;
  FontFile out;
  out.path = reinterpret_cast<const char*>(file);
  out.index = IntegerOf(match.get(), FC_INDEX, 0);
  out.needsBold = desc.bold && IntegerOf(match.get(), FC_WEIGHT, FC_WEIGHT_REGULAR) < FC_WEIGHT_DEMIBOLD;
  out.needsItalic = desc.italic && IntegerOf(match.get(), FC_SLANT, FC_SLANT_ROMAN) == FC_SLANT_ROMAN;
  return out;
}

}  // namespace kelvo::gfx
