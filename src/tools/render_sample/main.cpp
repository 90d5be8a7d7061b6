// render_sample OUT.png — draws a sample surface with the platform's drawing
// operations (3D frames, lines, text in the built-in and a system font) and
// writes it as PNG.

#include <cstdio>
#include <exception>
#include <filesystem>

#include "platform/gfx/picture.h"
#include "platform/gfx/surface.h"

namespace {

using kelvo::gfx::OleColor;
using kelvo::gfx::Surface;

constexpr OleColor kFace = 0x8000000Fu;
constexpr OleColor kLight = 0x80000014u;
constexpr OleColor kShadow = 0x80000010u;
constexpr OleColor kWindow = 0x80000005u;

// A raised (or lowered) one-pixel frame around a rectangle in twips.
void Frame3D(Surface& s, double x1, double y1, double x2, double y2, bool raised) {
  const OleColor topLeft = raised ? kLight : kShadow;
  const OleColor bottomRight = raised ? kShadow : kLight;
  const double px = s.twipsPerPixelX();
  s.Line(x1, y1, x2, y1, topLeft);
  s.Line(x1, y1, x1, y2, topLeft);
  s.Line(x1, y2, x2 + px, y2, bottomRight);
  s.Line(x2, y1, x2, y2, bottomRight);
}

void PrintAt(Surface& s, double x, double y, const char16_t* text) {
  s.SetCurrentX(x);
  s.SetCurrentY(y);
  s.Print(text);
}

void DrawSample(Surface& s) {
  const double px = s.twipsPerPixelX();
  const double py = s.twipsPerPixelY();
  const double w = s.ScaleWidth();
  const double h = s.ScaleHeight();
  s.SetBackColor(kFace);
  Frame3D(s, 0, 0, w - px, h - py, true);
  Frame3D(s, 5 * px, 5 * py, w - 6 * px, h - 6 * py, false);

  s.SetForeColor(0x80000012u);
  s.SetFont({std::u16string(kelvo::gfx::kBuiltinFontName), 8.25});
  PrintAt(s, 15 * px, 12 * py, u"KelvoControls platform sample (built-in font)");
  s.SetFont({u"MS Sans Serif", 8.25, true});
  PrintAt(s, 15 * px, 30 * py, u"MS Sans Serif 8.25 bold");
  s.SetFont({u"Arial", 11.25});
  PrintAt(s, 15 * px, 48 * py, u"Arial 11.25 — Máscara de entrada");
  s.SetFont({u"Courier New", 9.75, true});
  PrintAt(s, 15 * px, 70 * py, u"Courier New 9.75 &Instalar");

  // An edit-like box: white field with a sunken double frame.
  const double ex = 15 * px, ey = 95 * py, ew = 160 * px, eh = 21 * py;
  s.FilledBox(ex, ey, ex + ew - px, ey + eh - py, kWindow);
  Frame3D(s, ex, ey, ex + ew - px, ey + eh - py, false);
  s.SetFont({std::u16string(kelvo::gfx::kBuiltinFontName), 8.25});
  PrintAt(s, ex + 3 * px, ey + 4 * py, u"12/34/5678");

  // Etched separator lines and a not-xor box.
  s.Line(190 * px, 95 * py, 300 * px, 95 * py, kShadow);
  s.Line(190 * px, 96 * py, 300 * px, 96 * py, kLight);
  s.SetDrawMode(kelvo::gfx::DrawMode::NotXorPen);
  s.FilledBox(190 * px, 102 * py, 300 * px, 114 * py, 0x00000000u);
  s.SetDrawMode(kelvo::gfx::DrawMode::CopyPen);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_sample OUT.png\n");
    return 1;
  }
  try {
    Surface surface(320, 130, 15, 15);
    DrawSample(surface);
    const std::filesystem::path out = argv[1];
    kelvo::gfx::WritePng(surface.image(), out);
    std::printf("Sample surface written to %s\n", std::filesystem::absolute(out).c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "render_sample: %s\n", e.what());
    return 1;
  }
}
