#include "app/Launch.h"

int main(int argc, char** argv) { return kelvane::app::RunKelvane(argc, argv); }
