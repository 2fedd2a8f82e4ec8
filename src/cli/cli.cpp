#include "cli/cli.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/sessione.h"
#include "cli/verifica_cli.h"

namespace orv {

namespace {

const char* const kUso =
    "uso: orvento-cli sessione [--seme N] FILE|-\n"
    "     orvento-cli verifica [--csv] [--mosse] [--soluzione] FILE...\n";

int Sessione(const std::vector<std::string>& args) {
  std::uint64_t seme = 1;
  std::string file;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--seme") {
      if (i + 1 >= args.size()) {
        std::cerr << "orvento-cli: --seme vuole un numero\n";
        return 2;
      }
      try {
        seme = std::stoull(args[++i]);
      } catch (...) {
        std::cerr << "orvento-cli: seme non valido: " << args[i] << "\n";
        return 2;
      }
    } else if (file.empty()) {
      file = args[i];
    } else {
      std::cerr << kUso;
      return 2;
    }
  }
  if (file.empty()) {
    std::cerr << kUso;
    return 2;
  }
  if (file == "-") return EseguiSessione(std::cin, std::cout, std::cerr, seme);
  std::ifstream in(file);
  if (!in) {
    std::cerr << "orvento-cli: non riesco a leggere " << file << "\n";
    return 2;
  }
  return EseguiSessione(in, std::cout, std::cerr, seme);
}

}  // namespace

int MainCli(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << kUso;
    return 2;
  }
  std::string cmd = args.front();
  args.erase(args.begin());
  if (cmd == "sessione") return Sessione(args);
  if (cmd == "verifica") return ComandoVerifica(args, std::cout, std::cerr);
  std::cerr << "orvento-cli: comando sconosciuto: " << cmd << "\n" << kUso;
  return 2;
}

}  // namespace orv
