// The temporary files a replacing write goes through: short names of their own, whatever the length of the
// file's name, and the removal of those a killed run left behind.
#pragma once

#include <string>
#include <string_view>

#include <sys/types.h>

namespace kelvane {

// ".kelvane-PID-N.tmp": the process that made it and a number that tells its files apart.
std::string TemporaryName(pid_t pid, int number);

// Creates a new temporary file in folder (a descriptor) with a name no other file has; returns its
// descriptor, or -1 with errno set.
int CreateTemporary(int folder, std::string& temporaryName);

// Removes the temporary files in folder whose making process has ended, as a write of the file NAME there
// finds them: those named as TemporaryName names them, and those that earlier versions named NAME.PID-N.tmp.
// Files it cannot remove stay, unreported: they are only litter.
void RemoveLeftoverTemporaries(int folder, std::string_view name);

}  // namespace kelvane
