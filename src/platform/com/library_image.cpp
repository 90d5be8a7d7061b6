#include "platform/com/library_image.h"

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace kelvo::com {
namespace {

using Header = ElfW(Ehdr);
using ProgramHeader = ElfW(Phdr);

constexpr unsigned char kNativeClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;
constexpr unsigned char kNativeData = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? ELFDATA2LSB : ELFDATA2MSB;
// Far more program headers than any library has; bounds what is read.
constexpr std::uint64_t kMaxProgramHeaders = 4096;

// [offset, offset + size) inside a file of file_size bytes, without overflow.
bool InsideFile(std::uint64_t offset, std::uint64_t size, std::uint64_t file_size) {
  return offset <= file_size && size <= file_size - offset;
}

std::optional<std::string> HeaderFault(const Header& h, std::uint64_t file_size) {
  if (std::memcmp(h.e_ident, ELFMAG, SELFMAG) != 0) return "not an ELF library";
  if (h.e_ident[EI_CLASS] != kNativeClass || h.e_ident[EI_DATA] != kNativeData) {
    return "an ELF file for another kind of machine";
  }
  if (h.e_ident[EI_VERSION] != EV_CURRENT || h.e_version != EV_CURRENT) return "an unknown ELF version";
  if (h.e_type != ET_DYN) return "not a shared library";
  if (h.e_phentsize != sizeof(ProgramHeader) || h.e_phnum == 0 || h.e_phnum > kMaxProgramHeaders) {
    return "damaged program header table";
  }
  if (!InsideFile(h.e_phoff, std::uint64_t{h.e_phnum} * sizeof(ProgramHeader), file_size)) {
    return "truncated: the program headers end past the end of the file";
  }
  return std::nullopt;
}

// Where the program header table ends; HeaderFault has bounded it by the file.
std::uint64_t TableEnd(const Header& h) { return h.e_phoff + std::uint64_t{h.e_phnum} * sizeof(ProgramHeader); }

std::optional<std::string> SegmentFault(const ProgramHeader& p, std::uint64_t file_size) {
  if (p.p_type == PT_LOAD && p.p_filesz > p.p_memsz) return "damaged segment (more bytes in the file than in memory)";
  if (p.p_filesz != 0 && !InsideFile(p.p_offset, p.p_filesz, file_size)) {
    return "truncated: a segment ends past the end of the file (" + std::to_string(file_size) + " bytes)";
  }
  return std::nullopt;
}

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// Reads up to size bytes at offset; fewer only at the end of the file.
bool ReadAt(int fd, std::uint64_t offset, std::vector<std::uint8_t>& out, std::uint64_t size) {
  out.resize(size);
  std::uint64_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd, out.data() + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    done += static_cast<std::uint64_t>(n);
  }
  out.resize(done);
  return true;
}

}  // namespace

std::optional<std::string> LibraryImageFault(std::span<const std::uint8_t> image, std::uint64_t file_size) {
  Header header;
  if (image.size() < sizeof header || file_size < sizeof header) return "truncated: too short for an ELF header";
  std::memcpy(&header, image.data(), sizeof header);
  if (auto fault = HeaderFault(header, file_size)) return fault;
  if (TableEnd(header) > image.size()) return "truncated: the program headers end past the end of the file";
  for (std::uint64_t i = 0; i < header.e_phnum; ++i) {
    ProgramHeader segment;
    std::memcpy(&segment, image.data() + header.e_phoff + i * sizeof segment, sizeof segment);
    if (auto fault = SegmentFault(segment, file_size)) return fault;
  }
  return std::nullopt;
}

std::optional<std::string> LibraryFileFault(const std::filesystem::path& file) {
  const Descriptor fd{::open(file.c_str(), O_RDONLY | O_CLOEXEC)};
  struct stat info {};
  if (fd.fd < 0 || ::fstat(fd.fd, &info) != 0) return std::string("cannot read the file: ") + std::strerror(errno);
  if (!S_ISREG(info.st_mode)) return "not a regular file";
  const auto file_size = static_cast<std::uint64_t>(info.st_size);
  std::vector<std::uint8_t> head;
  if (!ReadAt(fd.fd, 0, head, sizeof(Header))) return std::string("cannot read the file: ") + std::strerror(errno);
  if (head.size() == sizeof(Header)) {
    Header header;
    std::memcpy(&header, head.data(), sizeof header);
    // A sound header bounds the table by the file, so reading up to it is safe.
    const bool sound = !HeaderFault(header, file_size);
    if (sound && !ReadAt(fd.fd, 0, head, TableEnd(header))) {
      return std::string("cannot read the file: ") + std::strerror(errno);
    }
  }
  return LibraryImageFault(head, file_size);
}

}  // namespace kelvo::com
