#include "backup_window.h"

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "members.h"
#include "platform/base/text.h"
#include "platform/win/window_system.h"

namespace kelvo::demo {
namespace {

constexpr const char* kFormFile = "backup.frm";

std::filesystem::path FormFile() { return std::filesystem::read_symlink("/proc/self/exe").parent_path() / kFormFile; }

// A whole positive number of kilobytes, or 0 when the text is not one.
std::int32_t Kilobytes(const std::u16string& text) {
  std::int64_t value = 0;
  for (char16_t ch : text) {
    if (ch < u'0' || ch > u'9') return 0;
    value = value * 10 + (ch - u'0');
    if (value > INT32_MAX) return 0;
  }
  return static_cast<std::int32_t>(value);
}

// The window's code lives as long as the program; one window at a time.
std::unique_ptr<BackupWindow>& Current() {
  static std::unique_ptr<BackupWindow> window;
  return window;
}

}  // namespace

void OpenBackupWindow(forms::Application& app) {
  std::unique_ptr<BackupWindow>& window = Current();
  if (window && window->form() != nullptr) {
    window->form()->Activate();
    return;
  }
  forms::Form& form = app.LoadFormFile(FormFile());
  window = std::make_unique<BackupWindow>(form);
  form.SetHandler(window.get());
}

void BackupWindow::OnEvent(forms::Control& control, std::u16string_view event, std::span<com::Variant> args) {
  const std::u16string& name = control.Name();
  if (event == u"Click" && name == u"cmdCopy") {
    CopyClick();
  } else if (event == u"Click" && name == u"cmdCancel") {
    CancelClick();
  } else if (name == u"cpyBackup") {
    if (event == u"Progress")
      Progress(args);
    else if (event == u"Done")
      Finished(u"Copied");
    else if (event == u"Error")
      Finished(u"Error " + text::FromUtf8(std::to_string(args[0].ToLong())));
    else if (event == u"NextVolume")
      ShowStatus(u"Volume " + args[0].ToString());
  }
}

void BackupWindow::OnFormEvent(forms::Form& form, std::u16string_view event) {
  if (&form == form_ && event == u"Unload") form_ = nullptr;
}

void BackupWindow::CopyClick() {
  if (copying_) return;
  const std::u16string source = Text(u"txtSource");
  const std::u16string target = Text(u"txtTarget");
  if (source.empty() || target.empty()) {
    ShowStatus(u"Give a source and a target file");
    return;
  }
  const std::int32_t volumeKB = Kilobytes(Text(u"txtVolume"));
  forms::Control& copier = Field(u"cpyBackup");
  LetMember(copier, u"SourceFile", com::Variant::String(source));
  LetMember(copier, u"NewFile", com::Variant::String(volumeKB > 0 ? u"@" + target : target));
  if (volumeKB > 0) LetMember(copier, u"VolumeSize", com::Variant::Long(volumeKB));
  copying_ = true;
  cancelAsked_ = false;
  finished_ = false;
  LetMember(Field(u"cmdCopy"), u"Enabled", com::Variant::Boolean(false));
  ShowStatus(u"Copying...");
  copier.Extender()->Invoke(u"BeginCopyFile", com::InvokeKind::Method, {});
  if (form_ == nullptr) return;
  copying_ = false;
  LetMember(Field(u"cmdCopy"), u"Enabled", com::Variant::Boolean(true));
  if (!finished_) ShowStatus(u"Cancelled");
}

void BackupWindow::CancelClick() {
  if (copying_) {
    cancelAsked_ = true;
    return;
  }
  form_->App().UnloadForm(*form_);
}

// Lets the clicks waiting meanwhile run (Cancel among them), then answers
// the copier with the cancel they asked for.
void BackupWindow::Progress(std::span<com::Variant> args) {
  if (!copying_) return;
  win::WindowSystem::Get().DoEvents();
  if (cancelAsked_ || form_ == nullptr) args[1] = com::Variant::Integer(1);
}

void BackupWindow::Finished(std::u16string message) {
  finished_ = true;
  ShowStatus(std::move(message));
}

forms::Control& BackupWindow::Field(std::u16string_view name) const {
  forms::Control* control = form_->Find(name);
  if (control == nullptr) throw std::runtime_error("the Backup window has no control " + text::ToUtf8(name));
  return *control;
}

std::u16string BackupWindow::Text(std::u16string_view name) const { return GetMember(Field(name), u"Text").ToString(); }

void BackupWindow::ShowStatus(std::u16string message) const {
  if (form_ != nullptr) LetMember(Field(u"lblStatus"), u"Caption", com::Variant::String(std::move(message)));
}

}  // namespace kelvo::demo
