#include "ui/cli.h"

#include <iostream>

namespace orv {
int MainCli(int, char**) {
  std::cerr << "orvento-cli: not built yet\n";
  return 2;
}
}  // namespace orv
