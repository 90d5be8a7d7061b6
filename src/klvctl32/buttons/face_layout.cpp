#include "klvctl32/buttons/face_layout.h"

#include <cmath>

namespace kelvo::klvctl32 {
namespace {

// floor(v / 2), as a 16-bit value.
Twips16 Half(double v) { return ClampTwips(static_cast<std::int64_t>(std::floor(v / 2))); }

struct Measures {
  double tw;  // caption width
  double th;  // caption height
  double p;   // picture edge in pixels
  double d;   // distance in pixels
};

void PictureAboveCaption(const FaceProperties& f, const FaceGeometry& g, const Measures& m, FaceState& s) {
  const Twips16 block = RoundTwips(m.p * g.PY + m.d * g.PY + m.th);
  s.PictureY = f.Margin == 0 ? Half(g.H - block) : MulTwips(f.Margin, g.PY);
  s.PictureX = Half(g.W - m.p * g.PX);
  s.CaptionX = Half(g.W - m.tw);
  s.CaptionY = ClampTwips(static_cast<std::int64_t>(s.PictureY + m.p * g.PY + m.d * g.PY));
}

// The caption is centred as if it were two pixels wider.
void PictureBelowCaption(const FaceProperties& f, const FaceGeometry& g, const Measures& m, FaceState& s) {
  const Twips16 block = RoundTwips(m.p * g.PY + m.d * g.PY + m.th);
  s.CaptionY = f.Margin == 0 ? Half(g.H - block) : MulTwips(f.Margin, g.PY);
  s.CaptionX = Half(g.W - (m.tw + 2.0 * g.PX));
  const Twips16 offset = RoundTwips(m.th + m.d * g.PY);
  s.PictureX = Half(g.W - m.p * g.PX);
  s.PictureY = AddTwips(s.CaptionY, offset);
}

// The drawn gap is one pixel wider than the centred block counts.
void PictureLeftOfCaption(const FaceProperties& f, const FaceGeometry& g, const Measures& m, FaceState& s) {
  const Twips16 block = RoundTwips(m.p * g.PX + m.d * g.PX + m.tw);
  s.PictureX = f.Margin == 0 ? Half(g.W - block) : MulTwips(f.Margin, g.PX);
  s.PictureY = Half(g.H - m.p * g.PY);
  s.CaptionY = Half(g.H - m.th);
  s.CaptionX = ClampTwips(static_cast<std::int64_t>(s.PictureX + m.p * g.PX + (m.d + 1) * g.PX));
}

void PictureRightOfCaption(const FaceProperties& f, const FaceGeometry& g, const Measures& m, FaceState& s) {
  const Twips16 block = RoundTwips(m.p * g.PX + m.d * g.PX + m.tw);
  s.CaptionX = f.Margin == 0 ? Half(g.W - block) : MulTwips(f.Margin, g.PX);
  s.CaptionY = Half(g.H - m.th);
  const Twips16 offset = RoundTwips(m.tw + (m.d + 1) * g.PX);
  s.PictureY = Half(g.H - m.p * g.PY);
  s.PictureX = AddTwips(s.CaptionX, offset);
}

}  // namespace

CaptionText SplitAccessKey(std::u16string_view caption) {
  const std::size_t pos = caption.find(u'&');
  if (pos == std::u16string_view::npos) return {std::u16string(caption), std::nullopt};
  CaptionText out;
  out.display = std::u16string(caption.substr(0, pos)) + std::u16string(caption.substr(pos + 1));
  out.accessKeys = std::u16string(caption.substr(pos + 1, 1));
  return out;
}

const PictureRef* ReferencePicture(const FaceProperties& face) {
  for (const PictureRef* p : {&face.Picture, &face.DisabledPicture, &face.DownPicture, &face.FocusedPicture}) {
    if (*p) return p;
  }
  return nullptr;
}

void LayOutFace(const FaceProperties& face, std::u16string_view display, const gfx::Surface& surface,
                const FaceGeometry& g, FaceState& state) {
  state.PictureSizePx = face.PictSize == kc16x16 ? 16 : 32;
  const bool picture = ReferencePicture(face) != nullptr;
  const double p = state.PictureSizePx;
  if (picture && !display.empty()) {
    const Measures m{surface.TextWidth(display), surface.TextHeight(display), p, static_cast<double>(face.Distance)};
    switch (face.PictPosition) {
      case kcTop:
        PictureAboveCaption(face, g, m, state);
        break;
      case kcBottom:
        PictureBelowCaption(face, g, m, state);
        break;
      case kcLeft:
        PictureLeftOfCaption(face, g, m, state);
        break;
      case kcRight:
        PictureRightOfCaption(face, g, m, state);
        break;
      default:
        break;
    }
  } else if (!display.empty()) {
    // One line of the font, whatever the caption holds.
    state.CaptionY = Half(g.H - surface.TextHeight(u"M"));
    state.CaptionX = face.Margin == 0 ? Half(g.W - surface.TextWidth(display)) : MulTwips(face.Margin, g.PX);
  } else if (picture) {
    state.PictureY = Half(g.H - p * g.PY);
    state.PictureX = face.Margin == 0 ? Half(g.W - p * g.PX) : MulTwips(face.Margin, g.PX);
  }
}

}  // namespace kelvo::klvctl32
