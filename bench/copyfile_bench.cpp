// The file copier next to the system's own tools, on one page-cached 256 MiB
// file in a temporary folder: a whole copy with Block_10K and a Progress
// handler attached (every block's event still raised) against cp; a split
// into 100 MiB volumes against split; the join of those volumes against cat.
//
//   bench/ratios.sh build/bin/copyfile_bench BM_Cp
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "klvctl32/copyfile/copyfile.h"
#include "platform/base/text.h"
#include "support/temp_dir.h"
#include "platform/forms/application.h"

extern char** environ;

namespace kelvo::klvctl32 {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kSourceBytes = std::int64_t{256} << 20;
constexpr std::int64_t kBlock = 10240;
constexpr std::int32_t kVolumeKB = 100 * 1024;

// The folder and the source, made once and read once so the page cache
// holds them; removed at exit.
struct Files {
  Files() {
    source = dir / "source.bin";
    std::vector<char> chunk(1 << 20);
    for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<char>(i * 131 + i / 977);
    std::ofstream out(source, std::ios::binary);
    for (std::int64_t done = 0; done < kSourceBytes; done += static_cast<std::int64_t>(chunk.size())) {
      chunk[0] = static_cast<char>(done >> 20);
      out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    }
    out.close();
    std::ifstream warm(source, std::ios::binary);
    while (warm.read(chunk.data(), static_cast<std::streamsize>(chunk.size()))) {
    }
  }
  kelvo::testing::TempDir folder;
  const fs::path& dir = folder.path();
  fs::path source;
};

Files& TheFiles() {
  static Files files;
  return files;
}

void Run(std::vector<std::string> argv) {
  std::vector<char*> args;
  for (std::string& a : argv) args.push_back(a.data());
  args.push_back(nullptr);
  pid_t pid = 0;
  if (::posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) throw std::runtime_error(argv[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(argv[0] + std::string(" failed"));
}

// A form holding the copier, with the application's handler answering its
// events: Progress counted, NextVolume cancelled where a joined set ends,
// as an application joining volumes does.
class Copier : public forms::EventListener {
 public:
  Copier() {
    forms::RegisterControlClass(u"KLVCTL32.KelvoCopyFile", [] { return com::MakeObject<KelvoCopyFile>(); });
    copier_ = &form_.AddControl(u"KLVCTL32.KelvoCopyFile", u"c", {0, 0, 3000, 300});
    form_.SetHandler(this);
  }
  void OnEvent(forms::Control&, std::u16string_view event, std::span<com::Variant> args) override {
    if (event == u"Progress") {
      ++progress;
    } else if (event == u"NextVolume" && joining && !fs::exists(text::ToUtf8(args[0].ToString()))) {
      args[1] = com::Variant::Integer(1);
    } else if (event == u"Done" || event == u"Error") {
      last = std::string(event.begin(), event.end());
    }
  }
  void Copy(const std::string& source, const std::string& target, std::int32_t volumeKB = 1400) {
    Let(u"VolumeSize", com::Variant::Long(volumeKB));
    Let(u"SourceFile", com::Variant::String(text::FromUtf8(source)));
    Let(u"NewFile", com::Variant::String(text::FromUtf8(target)));
    progress = 0;
    copier_->Extender()->Invoke(u"BeginCopyFile", com::InvokeKind::Method, {});
  }
  std::int64_t progress = 0;
  std::string last;
  bool joining = false;

 private:
  void Let(std::u16string_view name, com::Variant value) {
    std::vector<com::Variant> args{std::move(value)};
    copier_->Extender()->Invoke(name, com::InvokeKind::Let, args);
  }
  forms::Application app_;
  forms::Form& form_ = app_.CreateForm(u"frm");
  forms::Control* copier_ = nullptr;
};

void SetBytes(benchmark::State& state) { state.SetBytesProcessed(state.iterations() * kSourceBytes); }

// Each run starts alike: the outputs of the last one gone and written back,
// so no run pays for the write-back of another's dirty pages.
void Settle(benchmark::State& state, const Files& f) {
  state.PauseTiming();
  for (const auto& entry : fs::directory_iterator(f.dir)) {
    if (entry.path() != f.source && entry.path().filename() != "keep") fs::remove_all(entry.path());
  }
  ::sync();
  state.ResumeTiming();
}

void BM_Cp(benchmark::State& state) {
  const Files& f = TheFiles();
  for (auto _ : state) {
    Settle(state, f);
    Run({"cp", f.source.string(), (f.dir / "cp.bin").string()});
  }
  SetBytes(state);
}

void BM_CopyFileBlock10K(benchmark::State& state) {
  const Files& f = TheFiles();
  Copier copier;
  for (auto _ : state) {
    Settle(state, f);
    copier.Copy(f.source.string(), (f.dir / "copy.bin").string());
  }
  if (copier.last != "Done" || copier.progress != (kSourceBytes + kBlock - 1) / kBlock) state.SkipWithError("copy");
  SetBytes(state);
}

void BM_Split(benchmark::State& state) {
  const Files& f = TheFiles();
  for (auto _ : state) {
    Settle(state, f);
    Run({"split", "-b", "100M", f.source.string(), (f.dir / "part.").string()});
  }
  SetBytes(state);
}

void BM_CopyFileSplit100M(benchmark::State& state) {
  const Files& f = TheFiles();
  Copier copier;
  for (auto _ : state) {
    Settle(state, f);
    copier.Copy(f.source.string(), "@" + (f.dir / "vol").string(), kVolumeKB);
  }
  if (copier.last != "Done") state.SkipWithError("split");
  SetBytes(state);
}

// The set both joins read: vol.001, vol.002, vol.003 of 100 MiB at most,
// made once by split in the folder Settle keeps.
std::string Volumes(const Files& f) {
  const fs::path keep = f.dir / "keep";
  if (!fs::exists(keep)) {
    fs::create_directory(keep);
    Run({"split", "-b", "100M", "-a", "3", "--numeric-suffixes=1", f.source.string(), (keep / "vol.").string()});
  }
  return (keep / "vol").string();
}

void BM_Cat(benchmark::State& state) {
  const Files& f = TheFiles();
  const std::string volumes = Volumes(f);
  const std::string joined = (f.dir / "cat.bin").string();
  for (auto _ : state) {
    Settle(state, f);
    Run({"sh", "-c", "cat '" + volumes + "'.* > '" + joined + "'"});
  }
  SetBytes(state);
}

void BM_CopyFileJoin(benchmark::State& state) {
  const Files& f = TheFiles();
  const std::string volumes = Volumes(f);
  Copier copier;
  copier.joining = true;
  for (auto _ : state) {
    Settle(state, f);
    copier.Copy("@" + volumes, (f.dir / "joined.bin").string());
  }
  SetBytes(state);
}

BENCHMARK(BM_Cp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyFileBlock10K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Split)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyFileSplit100M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyFileJoin)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvo::klvctl32
BENCHMARK_MAIN();
