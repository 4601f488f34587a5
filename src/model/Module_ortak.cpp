#include "model/Module_ortak.h"

namespace kelvane {

Module_ortak ortak;

void ResetModuleOrtak() { ortak = Module_ortak{}; }

}  // namespace kelvane
