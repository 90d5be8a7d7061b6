// The services a backend supplies through the window system: beep,
// clipboard, pop-up menus and message boxes, with the records the console
// reads back, the record of programs started and the pointer's shape.

#include <utility>

#include "platform/win/dialog_answers.h"
#include "platform/win/window_system_impl.h"

namespace kelvo::win {

void WindowSystem::Beep() {
  ++impl_->beeps;
  impl_->backend->Beep();
}

int WindowSystem::TakeBeepCount() { return std::exchange(impl_->beeps, 0); }

std::u16string WindowSystem::ClipboardText() { return impl_->backend->ClipboardText(); }

void WindowSystem::SetClipboardText(std::u16string text) { impl_->backend->SetClipboardText(text); }

int WindowSystem::PopupMenu(HWND owner, const std::vector<MenuItem>& items, POINT screen) {
  impl_->lastMenu = items;
  return PickedOrDismissed(items, impl_->backend->RunPopupMenu(owner, items, screen));
}

std::optional<std::vector<MenuItem>> WindowSystem::TakeLastMenu() { return std::exchange(impl_->lastMenu, std::nullopt); }

MsgBoxResult WindowSystem::MessageBox(HWND owner, std::u16string text, std::u16string title, MsgBoxButtons buttons,
                                      MsgBoxIcon icon) {
  MessageBoxRecord box{.title = std::move(title), .text = std::move(text), .buttons = buttons, .icon = icon};
  impl_->messageBoxes.push_back(box);
  return OfferedOrDismissed(buttons, impl_->backend->RunMessageBox(owner, box));
}

std::vector<MessageBoxRecord> WindowSystem::TakeMessageBoxes() { return std::exchange(impl_->messageBoxes, {}); }

std::vector<ShellRecord> WindowSystem::TakeShellRecords() {
  return std::exchange(impl_->shellRecords, {});
}

void WindowSystem::RecordShell(ShellRecord record) {
  impl_->shellRecords.push_back(std::move(record));
}

void WindowSystem::SetPointerShape(PointerShape shape) {
  impl_->pointerShape = shape;
  impl_->pointerShapes.push_back(shape);
  impl_->backend->PointerShapeChanged(shape);
}

PointerShape WindowSystem::CurrentPointerShape() const { return impl_->pointerShape; }

std::vector<PointerShape> WindowSystem::TakePointerShapes() { return std::exchange(impl_->pointerShapes, {}); }

}  // namespace kelvo::win
