#pragma once
// The operating system's window calls the controls use, under their own names.
// Each forwards to the process's WindowSystem.

#include <string>

#include "platform/win/types.h"

namespace user32 {

using kelvo::win::BOOL;
using kelvo::win::HDC;
using kelvo::win::HWND;
using kelvo::win::POINT;
using kelvo::win::RECT;
using kelvo::win::UINT;
using HBITMAP = std::uint32_t;

HWND GetActiveWindow();  // 0 while another application is active
HWND GetFocus();
HWND SetFocus(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);  // nonzero when the window was disabled before
BOOL IsWindowEnabled(HWND hwnd);
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL GetCursorPos(POINT* point);
BOOL GetWindowRect(HWND hwnd, RECT* rect);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL ShowWindow(HWND hwnd, int cmdShow);  // 0 hide, 1 normal, 4 show without activating, 5 show

BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL SetCaretPos(int x, int y);
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
BOOL DestroyCaret();

// DrawText format flags.
inline constexpr UINT DT_LEFT = 0x0;
inline constexpr UINT DT_CENTER = 0x1;
inline constexpr UINT DT_RIGHT = 0x2;
inline constexpr UINT DT_VCENTER = 0x4;
inline constexpr UINT DT_BOTTOM = 0x8;
inline constexpr UINT DT_WORDBREAK = 0x10;
inline constexpr UINT DT_SINGLELINE = 0x20;
inline constexpr UINT DT_NOCLIP = 0x100;
inline constexpr UINT DT_CALCRECT = 0x400;
inline constexpr UINT DT_NOPREFIX = 0x800;

// Draws 8-bit text (code page 1252; count -1 for zero-terminated) in the
// surface's font and foreground colour, transparent. Prefix processing unless
// DT_NOPREFIX: "&x" draws x underlined, "&&" draws "&". Line breaks (CR, LF,
// CR LF) start new lines unless DT_SINGLELINE. Returns the text height in pixels.
int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format);
// Inverts a dotted rectangle outline (drawing it twice removes it).
BOOL DrawFocusRect(HDC dc, const RECT* rect);
BOOL MessageBeep(UINT type);

}  // namespace user32

namespace kernel32 {
// Writes $KELVO_ROOT/system32 (zero-terminated) when it fits in size
// characters and returns its length; otherwise writes nothing and returns the
// size needed, terminator included.
kelvo::win::UINT GetSystemDirectoryA(char* buffer, kelvo::win::UINT size);
}  // namespace kernel32
