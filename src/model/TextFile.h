// Whole-file writes and reads for the files the program owns ("PLL.txt", ".cfg" files), each checked to
// the end so that a full disk or an unwritable folder is reported instead of silently losing data.
#pragma once

#include <cstddef>
#include <string>

#include "model/Outcome.h"

namespace kelvane {

// Larger than any configuration file by far, small enough to refuse a wrong pick at once.
inline constexpr std::size_t kDefaultReadLimit = 1024 * 1024;

// Writes content to a temporary file beside path, flushes it to disk and renames it over path, so a
// failure leaves an existing file untouched. A symbolic link is followed and the file it names replaced,
// but only a link that belongs to the user running the program or to the owner of its folder; anyone
// else's is refused. Fails on a target that is a folder or another kind of non-regular file. A refusal's
// message is a short reason, for the caller to put after the file's name.
Outcome WriteFileReplacing(const std::string& path, const std::string& content);

// Appends content to path, creating the file if needed; symbolic links as for WriteFileReplacing. On
// failure the file is left as it was before the call (cut back to its old size, or removed if the call
// created it).
Outcome AppendToFile(const std::string& path, const std::string& content);

// Past the file-size limit (ulimit -f) a write would kill the process with SIGXFSZ part-way through a file.
// Ignored, the write fails with EFBIG instead and is undone and reported like any other failed write.
// Each program calls this once at start-up.
void IgnoreFileSizeSignal();

// Reads the whole of a regular file of at most limit bytes into content, which keeps what it held when the
// read is refused.
Outcome ReadWholeFile(const std::string& path, std::string& content, std::size_t limit = kDefaultReadLimit);

}  // namespace kelvane
