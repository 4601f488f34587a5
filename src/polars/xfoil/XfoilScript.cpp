// Writes XFoil's command script for one polar.
#include "polars/xfoil/XfoilScript.h"

namespace kelvane::xfoil {

std::string XfoilScript(std::string_view sectionCommand, std::string_view reynoldsText, std::string_view polarFile) {
  std::string script;
  // An empty line answers "no" to a question or leaves a menu.
  const auto line = [&script](std::string_view text) { (script += text) += '\n'; };
  line("PLOP");
  line("G");
  line("");
  line(sectionCommand);
  line("PANE");
  line("OPER");
  line("VISC " + std::string(reynoldsText));
  line("ITER 300");
  line("PACC");
  line(polarFile);
  line("");
  line("ASEQ 0 -10 -0.5");
  line("INIT");
  line("ASEQ 0.5 25 0.5");
  line("");
  line("QUIT");
  return script;
}

}  // namespace kelvane::xfoil
