// kelvodoc: writes the control library's reference pages from its type
// library, or checks that the pages in a folder are the ones it would write.
//
//   kelvodoc DIR           write every page into DIR
//   kelvodoc --check DIR   exit 1 when a page in DIR differs, is missing or is left over
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>

#include "klvctl32/server/catalogue.h"
#include "klvctl32/server/typelib.h"
#include "tools/kelvodoc/reference_pages.h"

namespace {

using namespace kelvo;
namespace fs = std::filesystem;

std::vector<std::u16string> KeysOf(const com::CoClassInfo& c) {
  const klvctl32::CatalogueEntry* entry = klvctl32::FindCatalogueEntry(c.clsid);
  if (entry == nullptr || entry->persistedKeys == nullptr) return {};
  return entry->persistedKeys();
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int Write(const fs::path& dir, const std::map<std::string, std::string>& pages) {
  fs::create_directories(dir);
  for (const auto& [name, text] : pages) {
    std::ofstream out(dir / name, std::ios::binary);
    if (!(out << text) || !out.flush()) {
      std::cerr << "kelvodoc: cannot write " << (dir / name).string() << "\n";
      return 1;
    }
  }
  return 0;
}

int Check(const fs::path& dir, const std::map<std::string, std::string>& pages) {
  int stale = 0;
  for (const auto& [name, text] : pages) {
    if (!fs::exists(dir / name)) {
      std::cerr << "missing: " << (dir / name).string() << "\n";
      ++stale;
    } else if (ReadFile(dir / name) != text) {
      std::cerr << "differs: " << (dir / name).string() << "\n";
      ++stale;
    }
  }
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    if (!pages.contains(e.path().filename().string())) {
      std::cerr << "left over: " << e.path().string() << "\n";
      ++stale;
    }
  }
  if (stale == 0) return 0;
  std::cerr << "the reference pages are stale; regenerate them with: build/bin/kelvodoc " << dir.string() << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::string_view(argv[1]) == "--check";
  if (argc != 2 && !check) {
    std::cerr << "usage: kelvodoc DIR\n       kelvodoc --check DIR\n";
    return 1;
  }
  const auto pages = kelvodoc::ReferencePages(klvctl32::TypeLibrary(), KeysOf);
  try {
    return check ? Check(argv[2], pages) : Write(argv[1], pages);
  } catch (const fs::filesystem_error& e) {
    std::cerr << "kelvodoc: " << e.what() << "\n";
    return 1;
  }
}
