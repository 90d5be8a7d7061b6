#include "backup_window.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/base/text.h"

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

struct Copy {
  bool running = false;
  bool cancelAsked = false;
  bool finished = false;  // Done or Error came: the copy was not cancelled
};

void ShowStatus(const app::Form& window, const std::u16string& message) {
  if (window.Loaded()) window(u"lblStatus").Set(u"Caption", message);
}

void CopyClick(const app::Form& window, Copy& copy) {
  if (copy.running) return;
  const std::u16string source = window(u"txtSource").Get<std::u16string>(u"Text");
  const std::u16string target = window(u"txtTarget").Get<std::u16string>(u"Text");
  if (source.empty() || target.empty()) {
    ShowStatus(window, u"Give a source and a target file");
    return;
  }
  const std::int32_t volumeKB = Kilobytes(window(u"txtVolume").Get<std::u16string>(u"Text"));
  const app::Control copier = window(u"cpyBackup");
  copier.Set(u"SourceFile", source);
  copier.Set(u"NewFile", volumeKB > 0 ? u"@" + target : target);
  if (volumeKB > 0) copier.Set(u"VolumeSize", volumeKB);
  copy = {.running = true};
  window(u"cmdCopy").Set(u"Enabled", false);
  ShowStatus(window, u"Copying...");
  copier.Call(u"BeginCopyFile");
  if (!window.Loaded()) return;
  copy.running = false;
  window(u"cmdCopy").Set(u"Enabled", true);
  if (!copy.finished) ShowStatus(window, u"Cancelled");
}

void Bind(app::App& app, const app::Form& window) {
  auto copy = std::make_shared<Copy>();
  const auto finished = [window, copy](const std::u16string& message) {
    copy->finished = true;
    ShowStatus(window, message);
  };
  window(u"cmdCopy").On(u"Click", [window, copy] { CopyClick(window, *copy); });
  window(u"cmdCancel").On(u"Click", [window, copy] {
    if (copy->running)
      copy->cancelAsked = true;
    else
      window.Unload();
  });
  const app::Control copier = window(u"cpyBackup");
  // Lets the clicks waiting meanwhile run (Cancel among them), then answers
  // the copier with the cancel they asked for.
  copier.On(u"Progress", [&app, window, copy](std::int16_t, std::int16_t& cancel) {
    if (!copy->running) return;
    app.DoEvents();
    if (copy->cancelAsked || !window.Loaded()) cancel = 1;
  });
  copier.On(u"Done", [finished] { finished(u"Copied"); });
  copier.On(u"Error",
            [finished](std::int16_t number) { finished(u"Error " + text::FromUtf8(std::to_string(number))); });
  copier.On(u"NextVolume",
            [window](const std::u16string& next, std::int16_t&) { ShowStatus(window, u"Volume " + next); });
}

}  // namespace

void OpenBackupWindow(app::App& app) {
  // One window at a time, for the life of the program.
  static std::optional<app::Form> window;
  if (window && window->Loaded()) {
    window->Activate();
    return;
  }
  window = app.Load(FormFile());
  Bind(app, *window);
}

}  // namespace kelvo::demo
