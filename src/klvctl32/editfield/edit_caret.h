#pragma once
// The edits' system caret: one pixel wide, as high as an "M" of the drawing
// font, created on the control's window when it gets the focus and destroyed
// with the control.

#include "platform/gfx/surface.h"
#include "platform/win/types.h"

namespace kelvo::klvctl32 {

// Nearest whole pixel, halves to even, kept inside the int range.
int RoundPixels(double value);

void CreateFieldCaret(win::HWND window, const gfx::Surface& surface, double twipsPerPixelY);

// Whether window is a window and holds the keyboard focus.
bool WindowHasFocus(win::HWND window);

// Hides and destroys the caret when window owns it; the caret of another
// control (the one with the focus, say) is left alone.
void DestroyOwnCaret(win::HWND window);

}  // namespace kelvo::klvctl32
