#pragma once
// Keys of the `key` command: names to virtual-key codes, and the character a
// keystroke makes (the KeyPress the container delivers between KeyDown and KeyUp).

#include <cstdint>
#include <optional>
#include <string_view>

namespace kelvo::console {

// Left Right Up Down Home End Insert Delete Backspace Enter Escape Tab Space
// Shift Control (any case); nothing for other words.
std::optional<std::int16_t> KeyCodeFromName(std::string_view name);

// The 8-bit character a key makes with this shift state (1 Shift, 2 Ctrl,
// 4 Alt) on a US layout: Backspace 8, Tab 9, Enter 13, Escape 27, Space 32,
// letters (Ctrl+letter 1..26), digits and punctuation; nothing for keys that
// make no character and for Alt combinations (access keys).
std::optional<std::int16_t> CharacterOfKey(int code, int shift);

}  // namespace kelvo::console
