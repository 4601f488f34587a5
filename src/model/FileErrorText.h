// What went wrong with a file, in the window's language: the C library's own texts are English.
#pragma once

#include <string>

namespace kelvane {

// The reason for an errno value, short enough to follow "... dosyası okunamadı: ".
std::string FileErrorText(int code);

// Reasons that have no errno value.
inline constexpr const char* kNotARegularFileText = "olağan bir dosya değil";
inline constexpr const char* kMayBeIncompleteText = " (dosya eksik kalmış olabilir)";
inline constexpr const char* kUntrustedLinkText = "başka bir kullanıcının sembolik bağı izlenmez";

}  // namespace kelvane
