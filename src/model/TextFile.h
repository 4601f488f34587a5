// Whole-file writes and reads for the files the program owns ("PLL.txt", ".cfg" files), each checked to
// the end so that a full disk or an unwritable folder is reported instead of silently losing data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "model/Outcome.h"

namespace kelvane {

// Larger than any configuration file by far, small enough to refuse a wrong pick at once.
inline constexpr std::size_t kDefaultReadLimit = 1024 * 1024;

// Writes content to a temporary file beside path, flushes it to disk and renames it over path, so a
// failure leaves an existing file untouched. Symbolic links on the path, the file's own and its folders',
// are followed only when they belong to the user running the program or to the owner of the folder they
// are in; anyone else's is refused (model/WritePlace.h). A link at the end is kept, the file it names
// replaced. Temporary files that killed runs left in the folder are removed (model/TemporaryFiles.h). A
// special file is written in place instead: a character device (/dev/null), a FIFO that someone reads,
// or a file named through one of the kernel's links in /proc (/dev/stdout), which is appended to. Fails on a
// folder and on any other kind of file. A refusal's message is a short reason, for the caller to put after
// the file's name.
Outcome WriteFileReplacing(const std::string& path, const std::string& content);

// A file written piece by piece into a temporary file beside path, which takes the place of path only at
// Commit(): a failed write, a kill, or a ReplacingFile dropped without Commit() leaves the earlier file as it
// was (the temporary file is removed, or a later write clears it). Links and special files as for
// WriteFileReplacing; a special file is written in place, piece by piece.
class ReplacingFile {
 public:
  ReplacingFile();
  ReplacingFile(ReplacingFile&&) noexcept;
  ~ReplacingFile();

  Outcome Open(const std::string& path);
  Outcome Write(const std::string& text);
  Outcome Commit();
  // The bytes written so far.
  std::uintmax_t Size() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Appends content to path, creating the file if needed; links, leftovers and special files as for
// WriteFileReplacing. On failure a regular file is left as it was before the call (cut back to its old
// size, or removed if the call created it).
Outcome AppendToFile(const std::string& path, const std::string& content);

// Past the file-size limit (ulimit -f) a write would kill the process with SIGXFSZ part-way through a file.
// Ignored, the write fails with EFBIG instead and is undone and reported like any other failed write.
// Each program calls this once at start-up.
void IgnoreFileSizeSignal();

// Reads the whole of a regular file of at most limit bytes into content, which keeps what it held when the
// read is refused.
Outcome ReadWholeFile(const std::string& path, std::string& content, std::size_t limit = kDefaultReadLimit);

}  // namespace kelvane
