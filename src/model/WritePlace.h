// Where a write through a path lands. The path is walked one part at a time from an open folder, and every
// symbolic link on it, a folder's as well as the file's own, is checked before it is followed: the kernel
// never follows a link of the path by itself, so no link planted in a shared folder can steer the write.
#pragma once

#include <string>

#include "model/FileDescriptor.h"
#include "model/Outcome.h"

namespace kelvane {

struct WritePlace {
  FileDescriptor folder;  // the folder that holds the file (an O_PATH descriptor)
  std::string name;       // the file's name in it: missing, or anything but a link the walk follows
  // name is a link of /proc, such as /dev/stdout's /proc/self/fd/1: the kernel's own, naming an open file
  // whose path its text need not be; only the kernel can follow it.
  bool kernelLink = false;
  // With kernelLink, this process's own descriptor that the link stands for (1 for /dev/stdout), or -1. A
  // write goes through it, landing where that descriptor's next write would, so that a file named both by
  // standard output and by /dev/stdout gets both writes one after the other.
  int ownDescriptor = -1;
};

// The place of path's file. A link is followed only when it belongs to the user running the program or to
// the owner of the folder it is in (the kernel's protected_symlinks rule, applied whatever the kernel's own
// setting); anyone else's is refused. The kernel's links in /proc are followed by the kernel. A refusal's
// message is a short reason, as FileErrorText gives.
Outcome FindWritePlace(const std::string& path, WritePlace& place);

}  // namespace kelvane
