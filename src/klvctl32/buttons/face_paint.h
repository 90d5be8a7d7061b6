#pragma once
// Painting the button face on the control's surface, in 16-bit twips: the
// light/shadow rings, the caption with its etched disabled copy and focus
// effects, the picture for the state, the dots over a disabled picture and
// the focus rectangle. The two buttons' DrawButton put these together.

#include "klvctl32/buttons/face.h"
#include "platform/gfx/surface.h"
#include "platform/win/types.h"

namespace kelvo::klvctl32 {

class FacePainter {
 public:
  FacePainter(gfx::Surface& surface, win::HDC dc, const FaceGeometry& g) : surface_(surface), dc_(dc), g_(g) {}

  // Top and left edges light, right and bottom shadow, the corner pixels
  // top-right, bottom-left and bottom-right included.
  void Draw3DBox(Twips16 x1, Twips16 y1, Twips16 x2, Twips16 y2, gfx::OleColor light, gfx::OleColor shadow) const;
  // The box set in by `inset` pixels from the control's edges.
  void Ring(int inset, gfx::OleColor light, gfx::OleColor shadow) const;

  void Clear(const FaceProperties& face) const;
  void DrawCaption(FaceKind kind, const FaceProperties& face, const FaceState& state) const;
  // The picture for the state, stretched to PictureSizePx; pushed one pixel
  // down and right while pressed.
  void DrawPicture(const FaceProperties& face, const FaceState& state) const;
  void DrawCommandBorder(const FaceProperties& face, const FaceState& state, bool isDefault) const;
  // `over`: the pointer is on the button; `userMode`: the program runs.
  void DrawToolbarBorder(const FaceProperties& face, const FaceState& state, bool over, bool userMode) const;
  // BackColor dots on every second pixel of every second row of the normal
  // picture, when the button has no picture of its own for the disabled state.
  void DitherPicture(const FaceProperties& face, const FaceState& state, Twips16 x, Twips16 y) const;
  void DrawFocusRectangle() const;

 private:
  void DrawCaptionAt(const std::u16string& caption, Twips16 x, Twips16 y, int offsetPx) const;

  gfx::Surface& surface_;
  win::HDC dc_;
  FaceGeometry g_;
};

}  // namespace kelvo::klvctl32
