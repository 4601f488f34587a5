#include "app/Launch.h"
#include "model/TextFile.h"

int main(int argc, char** argv) {
  kelvane::IgnoreFileSizeSignal();
  return kelvane::app::RunKelvane(argc, argv);
}
