// The temporary files a replacing write goes through: short names of their own, whatever the length of the
// file's name, and the removal of those a killed run left behind.
#pragma once

#include <string>
#include <string_view>

#include <sys/types.h>

namespace kelvane {

// ".kelvane-PID-N.tmp": the process that made it and a number that tells its files apart.
std::string TemporaryName(pid_t pid, int number);

// The process that made a temporary file of this program in a folder, from the file's name: one named as
// TemporaryName names them, or, as earlier versions named them, NAME.PID-N.tmp beside the file NAME being
// written. Zero for any other name.
pid_t TemporaryFileMaker(std::string_view entry, std::string_view name);

// Creates a new temporary file in folder (a descriptor) with a name no other file has; returns its
// descriptor, or -1 with errno set.
int CreateTemporary(int folder, std::string& temporaryName);

// Removes the temporary files in folder whose making process has ended (see TemporaryFileMaker), as a
// write of the file NAME there finds them. Files it cannot remove stay, unreported: they are only litter.
void RemoveLeftoverTemporaries(int folder, std::string_view name);

}  // namespace kelvane
