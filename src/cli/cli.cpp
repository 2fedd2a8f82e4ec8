#include "cli/cli.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/casuale.h"
#include "cli/crea_cli.h"
#include "cli/sessione.h"
#include "cli/verifica_cli.h"

namespace orv {

namespace {

const char* const kUso =
    "uso: orvento-cli sessione [--seme N] FILE|-\n"
    "     orvento-cli sessione --casuale N [--seme S] [--salva FILE]\n"
    "     orvento-cli verifica [--csv] [--mosse] [--soluzione] [--thread N] FILE...\n"
    "     orvento-cli crea N [--cartella DIR] [--seme S]\n";

int ComandoSessione(const std::vector<std::string>& args) {
  std::uint64_t seme = 1;
  std::optional<std::uint64_t> casuale;
  std::string file, salva;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--seme") {
      if (i + 1 >= args.size()) {
        std::cerr << "orvento-cli: --seme vuole un numero\n";
        return 2;
      }
      const std::optional<std::uint64_t> n = NumeroIntero(args[++i]);
      if (!n) {
        std::cerr << "orvento-cli: seme non valido: " << args[i] << "\n";
        return 2;
      }
      seme = *n;
    } else if (args[i] == "--casuale") {
      if (i + 1 >= args.size() || !(casuale = NumeroIntero(args[++i])) || *casuale == 0) {
        std::cerr << "orvento-cli: --casuale vuole il numero di eventi\n";
        return 2;
      }
    } else if (args[i] == "--salva") {
      if (i + 1 >= args.size()) {
        std::cerr << "orvento-cli: --salva vuole un file\n";
        return 2;
      }
      salva = args[++i];
    } else if (file.empty()) {
      file = args[i];
    } else {
      std::cerr << kUso;
      return 2;
    }
  }
  if (casuale) {
    if (!file.empty()) {
      std::cerr << kUso;
      return 2;
    }
    std::ofstream registro;
    if (!salva.empty()) {
      registro.open(salva);
      if (!registro) {
        std::cerr << "orvento-cli: non riesco a scrivere " << salva << "\n";
        return 2;
      }
    }
    return ComandoCasuale(static_cast<long>(std::min<std::uint64_t>(*casuale, LONG_MAX)), seme,
                          std::cout, std::cerr, salva.empty() ? nullptr : &registro);
  }
  if (!salva.empty()) {
    std::cerr << kUso;
    return 2;
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

std::optional<std::uint64_t> NumeroIntero(const std::string& s) {
  if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  try {
    return std::stoull(s);
  } catch (...) {
    return std::nullopt;
  }
}

int MainCli(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << kUso;
    return 2;
  }
  std::string cmd = args.front();
  args.erase(args.begin());
  if (cmd == "sessione") return ComandoSessione(args);
  if (cmd == "verifica") return ComandoVerifica(args, std::cout, std::cerr);
  if (cmd == "crea") return ComandoCrea(args, std::cout, std::cerr);
  std::cerr << "orvento-cli: comando sconosciuto: " << cmd << "\n" << kUso;
  return 2;
}

}  // namespace orv
