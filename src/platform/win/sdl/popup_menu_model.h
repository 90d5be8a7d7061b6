#pragma once
// A pop-up menu as the backend shows it: the items laid out one under the
// other, the highlight, what the pointer and the keys do, and the picture.
//
// The pointer highlights the enabled item under it; releasing either button
// over an enabled item picks it. Up and Down move the highlight over the
// enabled items, Enter picks the highlighted one, Escape dismisses, and the
// access letter of an item ("&Copiar") picks it, or moves the highlight in
// turn when several items share the letter.

#include <string>
#include <vector>

#include "platform/gfx/surface.h"
#include "platform/win/window_system.h"

namespace kelvo::win::sdl {

class PopupMenuModel {
 public:
  // Lays the items out in the font of `measure`.
  PopupMenuModel(std::vector<MenuItem> items, gfx::Surface& measure);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The item under a point of the menu, or -1 (border, separator, outside).
  int ItemAt(int x, int y) const;
  int Highlighted() const { return highlighted_; }
  bool Done() const { return done_; }
  int Answer() const { return answer_; }  // the picked index or -1

  void PointerAt(int x, int y);
  void ButtonUp(int x, int y);
  void KeyDown(int vk);
  void Dismiss();

  // Draws the whole menu; the surface must be Width() by Height().
  void Draw(gfx::Surface& surface) const;

 private:
  struct Row {
    int top = 0, bottom = 0;
  };
  bool Selectable(int index) const;
  void Pick(int index);
  void MoveHighlight(int step);
  void AccessLetter(char16_t letter);
  void DrawItem(gfx::Surface& surface, int index) const;

  std::vector<MenuItem> items_;
  std::vector<Row> rows_;
  int width_ = 0, height_ = 0;
  int highlighted_ = -1;
  bool done_ = false;
  int answer_ = -1;
};

// The menu's rectangle on the screen: its top-left corner at the point,
// turned to the left or upwards of it where it would leave the screen, and
// kept inside the screen's top-left corner.
RECT PlaceMenu(POINT at, int width, int height, const RECT& screen);

}  // namespace kelvo::win::sdl
