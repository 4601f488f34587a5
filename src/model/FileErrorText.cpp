// Short Turkish reasons for the errors a file operation can meet.
#include "model/FileErrorText.h"

#include <cerrno>

namespace kelvane {

std::string FileErrorText(int code) {
  switch (code) {
    case ENOENT: return "böyle bir dosya ya da klasör yok";
    case EACCES:
    case EPERM: return "erişim izni yok";
    case EISDIR: return "bu bir klasör";
    case ENOTDIR: return "yoldaki bir ad klasör değil";
    case ENOSPC: return "diskte yer kalmadı";
    case EDQUOT: return "disk kotası doldu";
    case EROFS: return "dosya sistemi salt okunur";
    case EFBIG: return "dosya çok büyük";
    case ENAMETOOLONG: return "dosya adı çok uzun";
    case ELOOP: return "sembolik bağlar bir döngü oluşturuyor";
    case EMFILE:
    case ENFILE: return "açık dosya sayısı sınırda";
    case EBUSY:
    case ETXTBSY: return "dosya kullanımda";
    case EEXIST: return "dosya zaten var";
    case EIO: return "okuma ya da yazma sırasında donanım hatası";
    case ENXIO: return "aygıt yok ya da okuyan yok";
    default: return "sistem hatası " + std::to_string(code);
  }
}

}  // namespace kelvane
