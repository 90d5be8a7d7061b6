#include "platform/com/library_image.h"

#include <elf.h>
#include <gtest/gtest.h>
#include <link.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace kelvo::com {
namespace {

std::vector<std::uint8_t> FixtureImage() {
  std::ifstream in(KELVO_FIXTURE_SERVER, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LibraryImage, ACompleteLibraryPasses) {
  const auto image = FixtureImage();
  EXPECT_EQ(LibraryImageFault(image, image.size()), std::nullopt);
  EXPECT_EQ(LibraryFileFault(KELVO_FIXTURE_SERVER), std::nullopt);
}

// Where the last segment ends; what follows (section headers, debug
// information) is not loaded.
std::size_t LoadedEnd(const std::vector<std::uint8_t>& image) {
  ElfW(Ehdr) header;
  std::memcpy(&header, image.data(), sizeof header);
  std::size_t end = 0;
  for (std::size_t i = 0; i < header.e_phnum; ++i) {
    ElfW(Phdr) segment;
    std::memcpy(&segment, image.data() + header.e_phoff + i * sizeof segment, sizeof segment);
    end = std::max<std::size_t>(end, segment.p_offset + segment.p_filesz);
  }
  return end;
}

// Every cut falls in the headers or in a segment: none may pass.
TEST(LibraryImage, EveryTruncationIsRefused) {
  const auto image = FixtureImage();
  for (std::size_t size = 0; size < LoadedEnd(image); size += 61) {
    const std::span<const std::uint8_t> cut(image.data(), size);
    EXPECT_NE(LibraryImageFault(cut, size), std::nullopt) << size;
  }
}

TEST(LibraryImage, HeadersThatLieAreRefused) {
  auto image = FixtureImage();
  image[EI_CLASS] ^= 3;
  EXPECT_EQ(LibraryImageFault(image, image.size()), "an ELF file for another kind of machine");
  image[EI_CLASS] ^= 3;
  image[offsetof(ElfW(Ehdr), e_phoff) + 7] = 0x7f;  // the table far past the end
  EXPECT_EQ(LibraryImageFault(image, image.size()), "truncated: the program headers end past the end of the file");
}

TEST(LibraryImage, DirectoriesAndMissingFilesAreFaults) {
  EXPECT_EQ(LibraryFileFault("/"), "not a regular file");
  EXPECT_NE(LibraryFileFault("/nonexistent/lib.ocx"), std::nullopt);
}

}  // namespace
}  // namespace kelvo::com
