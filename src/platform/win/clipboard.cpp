#include "platform/win/clipboard.h"

#include "platform/win/window_system.h"

namespace kelvo::win {

std::u16string Clipboard::Text() const { return WindowSystem::Get().ClipboardText(); }

void Clipboard::SetText(std::u16string text) const { WindowSystem::Get().SetClipboardText(std::move(text)); }

}  // namespace kelvo::win
