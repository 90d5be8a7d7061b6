#include "klvctl32/buttons/face_paint.h"

#include <string>

#include "platform/base/text.h"
#include "platform/win/user32.h"

namespace kelvo::klvctl32 {
namespace {

constexpr gfx::OleColor kDarkShadow = 0x80000015u;

const PictureRef* FirstSet(std::initializer_list<const PictureRef*> pictures) {
  for (const PictureRef* p : pictures) {
    if (*p) return p;
  }
  return nullptr;
}

const PictureRef* PictureFor(const FaceProperties& f, const FaceState& s) {
  if (s.PressState == 1) return FirstSet({&f.DownPicture, &f.FocusedPicture, &f.Picture});
  if (!f.Enabled) return FirstSet({&f.DisabledPicture, &f.Picture});
  if (s.IsHot) return FirstSet({&f.FocusedPicture, &f.Picture});
  return FirstSet({&f.Picture});
}

}  // namespace

void FacePainter::Draw3DBox(Twips16 x1, Twips16 y1, Twips16 x2, Twips16 y2, gfx::OleColor light,
                            gfx::OleColor shadow) const {
  surface_.Box(x1, y1, x2, y2, light);
  surface_.Line(x2, y1, x2, y2, shadow);
  surface_.Line(x1, y2, AddTwips(x2, g_.PX), y2, shadow);
}

void FacePainter::Ring(int inset, gfx::OleColor light, gfx::OleColor shadow) const {
  const auto k = static_cast<Twips16>(inset);
  Draw3DBox(MulTwips(k, g_.PX), MulTwips(k, g_.PY), ClampTwips(static_cast<std::int64_t>(g_.W - (k + 1) * g_.PX)),
            ClampTwips(static_cast<std::int64_t>(g_.H - (k + 1) * g_.PY)), light, shadow);
}

void FacePainter::Clear(const FaceProperties& face) const {
  surface_.SetBackColor(face.BackColor);
  surface_.Clear();
}

void FacePainter::DrawCaptionAt(const std::u16string& caption, Twips16 x, Twips16 y, int offsetPx) const {
  win::RECT r{RoundTwips(static_cast<double>(x) / g_.PX + offsetPx),
              RoundTwips(static_cast<double>(y) / g_.PY + offsetPx), 0, 0};
  const std::string ansi = text::ToAnsi(caption);
  user32::DrawTextA(dc_, ansi.c_str(), -1, &r, user32::DT_NOCLIP);
}

// The text keeps its "&" characters: the drawing underlines the letter after
// each single one and draws "&&" as one.
void FacePainter::DrawCaption(FaceKind kind, const FaceProperties& face, const FaceState& state) const {
  const bool command = kind == FaceKind::Command;
  if (command && face.Font) surface_.SetFont(face.Font->Desc());
  const gfx::FontDesc saved = surface_.Font();
  if (!command || face.ActiveBorder) {
    gfx::FontDesc effects = saved;
    effects.bold = (face.FocusedBold && state.Active()) || saved.bold;
    effects.underline = (face.FocusedUnderline && state.Active()) || saved.underline;
    surface_.SetFont(effects);
  }
  if (!face.Enabled) {
    surface_.SetForeColor(face.LightColorOut);
    DrawCaptionAt(face.Caption, state.CaptionX, state.CaptionY, 1);
  }
  const bool focusedColour = state.Active() && (!command || face.ActiveBorder);
  if (face.Enabled) {
    surface_.SetForeColor(focusedColour ? face.FocusedFRColor : face.ForeColor);
  } else {
    surface_.SetForeColor(command ? face.ShadowColorIn : face.ShadowColorOut);
  }
  DrawCaptionAt(face.Caption, state.CaptionX, state.CaptionY, state.PressState == 1 ? 1 : 0);
  surface_.SetFont(saved);
}

void FacePainter::DrawPicture(const FaceProperties& face, const FaceState& state) const {
  const PictureRef* picture = PictureFor(face, state);
  if (picture == nullptr) return;
  const int shift = state.PressState == 1 ? 1 : 0;
  const double x = state.PictureX + shift * g_.PX;
  const double y = state.PictureY + shift * g_.PY;
  surface_.PaintPicture((*picture)->Picture(), x, y, state.PictureSizePx * g_.PX, state.PictureSizePx * g_.PY);
}

void FacePainter::DrawCommandBorder(const FaceProperties& f, const FaceState& s, bool isDefault) const {
  if (s.PressState == 1) {
    Ring(0, f.ShadowColorOut, f.ShadowColorOut);
    Ring(1, f.ShadowColorIn, f.ShadowColorIn);
  } else if (s.HasFocus || isDefault || s.IsHot) {
    if (f.Enabled) Ring(0, kDarkShadow, kDarkShadow);
    Ring(1, f.LightColorOut, f.ShadowColorOut);
    Ring(2, f.LightColorIn, f.ShadowColorIn);
  } else if (f.Style == kc3D) {
    Ring(0, f.LightColorOut, f.ShadowColorOut);
    Ring(1, f.LightColorIn, f.ShadowColorIn);
  } else {
    Ring(0, f.LightColorOut, f.ShadowColorIn);
  }
}

void FacePainter::DrawToolbarBorder(const FaceProperties& f, const FaceState& s, bool over, bool userMode) const {
  if (s.PressState == 1) {
    if (f.Style == kc3D) {
      Ring(0, f.ShadowColorOut, f.LightColorOut);
      Ring(1, f.ShadowColorIn, f.LightColorIn);
    } else {
      Ring(0, f.ShadowColorIn, f.LightColorOut);
    }
  } else if (f.Style == kc3D) {
    Ring(0, f.LightColorOut, f.ShadowColorOut);
    Ring(1, f.LightColorIn, f.ShadowColorIn);
  } else if ((over && s.IsHot) || !userMode) {
    Ring(0, f.LightColorOut, f.ShadowColorIn);
  }
}

void FacePainter::DitherPicture(const FaceProperties& face, const FaceState& state, Twips16 x, Twips16 y) const {
  if (!face.Picture || face.DisabledPicture) return;
  for (int i = 0; i <= state.PictureSizePx; i += 2) {
    for (int j = 0; j <= state.PictureSizePx; j += 2) {
      surface_.SetPixel(x + i * g_.PX, y + j * g_.PY, face.BackColor);
    }
  }
}

void FacePainter::DrawFocusRectangle() const {
  surface_.SetForeColor(0);
  const win::RECT r{4, 4, RoundTwips(g_.W / g_.PX - 4), RoundTwips(g_.H / g_.PY - 4)};
  user32::DrawFocusRect(dc_, &r);
}

}  // namespace kelvo::klvctl32
