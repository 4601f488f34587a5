// The checks of a shared object's ELF headers against its size and against the running program.
#include "cli/SharedObjectCheck.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/FileDescriptor.h"
#include "model/FileErrorText.h"

namespace kelvane::cli {
namespace {

using Header = ElfW(Ehdr);
using ProgramHeader = ElfW(Phdr);
using SectionHeader = ElfW(Shdr);

constexpr const char* kNotASharedObject = "not a shared library";
constexpr const char* kForeign = "built for another kind of machine";
constexpr const char* kOwnProgram = "/proc/self/exe";
constexpr unsigned char kOwnClass = sizeof(ElfW(Addr)) == sizeof(std::uint64_t) ? ELFCLASS64 : ELFCLASS32;
constexpr unsigned char kOwnByteOrder = std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;

// Reads exactly size bytes at offset; false on a short read or a failure.
bool ReadAt(int fd, void* data, std::size_t size, off_t offset) {
  auto* bytes = static_cast<char*>(data);
  while (size > 0) {
    const ssize_t got = pread(fd, bytes, size, offset);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    bytes += got;
    size -= static_cast<std::size_t>(got);
    offset += got;
  }
  return true;
}

// A table of count entries of entrySize bytes at offset lies within a file of fileSize bytes; no sum or
// product here can overflow, as each factor is checked against the size first.
bool Within(std::uint64_t offset, std::uint64_t count, std::uint64_t entrySize, std::uint64_t fileSize) {
  if (offset > fileSize) return false;
  return count == 0 || entrySize <= (fileSize - offset) / count;
}

// The header of the running program, whose machine a module must share.
bool ReadOwnHeader(Header& own) {
  const FileDescriptor fd(open(kOwnProgram, O_RDONLY | O_CLOEXEC));
  return fd.IsOpen() && ReadAt(fd.Get(), &own, sizeof own, 0);
}

Outcome CheckHeader(const Header& header) {
  if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_type != ET_DYN)
    return Outcome::Refused(kNotASharedObject);
  // Without /proc the machine goes unchecked; the loader still refuses a foreign one, only less clearly.
  Header own{};
  if (header.e_ident[EI_CLASS] != kOwnClass || header.e_ident[EI_DATA] != kOwnByteOrder ||
      (ReadOwnHeader(own) && header.e_machine != own.e_machine))
    return Outcome::Refused(kForeign);
  if (header.e_ehsize != sizeof(Header) || header.e_phentsize != sizeof(ProgramHeader) || header.e_phnum == 0 ||
      (header.e_shnum != 0 && header.e_shentsize != sizeof(SectionHeader)))
    return Outcome::Refused(kNotASharedObject);
  return Outcome::Done();
}

}  // namespace

Outcome CheckSharedObject(const std::filesystem::path& file) {
  const FileDescriptor fd(open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat info {};
  if (!fd.IsOpen() || fstat(fd.Get(), &info) != 0) return Outcome::Refused(FileErrorText(errno));
  if (!S_ISREG(info.st_mode)) return Outcome::Refused(kNotARegularFileText);
  const auto size = static_cast<std::uint64_t>(info.st_size);
  const Outcome cutShort = Outcome::Refused("cut short at " + std::to_string(size) + " bytes");

  Header header{};
  if (size < sizeof header || !ReadAt(fd.Get(), &header, sizeof header, 0)) return Outcome::Refused(kNotASharedObject);
  if (Outcome fits = CheckHeader(header); fits.IsRefused()) return fits;
  if (!Within(header.e_phoff, header.e_phnum, sizeof(ProgramHeader), size) ||
      !Within(header.e_shoff, header.e_shnum, sizeof(SectionHeader), size))
    return cutShort;

  std::vector<ProgramHeader> segments(header.e_phnum);
  if (!ReadAt(fd.Get(), segments.data(), segments.size() * sizeof(ProgramHeader), static_cast<off_t>(header.e_phoff)))
    return cutShort;
  for (const ProgramHeader& segment : segments)
    if (!Within(segment.p_offset, 1, segment.p_filesz, size)) return cutShort;
  return Outcome::Done();
}

}  // namespace kelvane::cli
