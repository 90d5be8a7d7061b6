#include "platform/win/sdl/pointer_cursor.h"

namespace kelvo::win::sdl {
namespace {

SDL_Cursor* Created(SDL_Cursor*& cursor, SDL_SystemCursor kind) {
  if (cursor == nullptr) cursor = SDL_CreateSystemCursor(kind);
  return cursor;
}

}  // namespace

PointerCursor::~PointerCursor() {
  if (arrow_ != nullptr) SDL_FreeCursor(arrow_);
  if (busy_ != nullptr) SDL_FreeCursor(busy_);
}

// A cursor SDL cannot create leaves the pointer as it is.
void PointerCursor::Show(PointerShape shape) {
  SDL_Cursor* cursor = shape == PointerShape::Busy ? Created(busy_, SDL_SYSTEM_CURSOR_WAIT)
                                                   : Created(arrow_, SDL_SYSTEM_CURSOR_ARROW);
  if (cursor != nullptr) SDL_SetCursor(cursor);
}

}  // namespace kelvo::win::sdl
