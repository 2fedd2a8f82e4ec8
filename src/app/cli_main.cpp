#include "cli/cli.h"

int main(int argc, char** argv) {
  return orv::MainCli(argc, argv);
}
