// Helpers of the verification tests: the givens typed after "Dati Iniziali" and the puzzle
// collections.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "fixture.h"
#include "risolutore.h"

namespace orv::test::verifica {

using orv::test::ContaSoluzioni;

// The window as "Dati Iniziali" leaves it, with the givens typed; a short schema is completed
// with empty cells.
inline void DatiIniziali(Gioco& g, std::string_view schema) {
  std::string s(schema.substr(0, kCelle));
  s.resize(kCelle, '.');
  if (!ScriviSchema(g, s)) ADD_FAILURE() << "schema non valido: " << s;
}

// Every zone holds nine different digits.
inline bool GrigliaRisolta(std::string_view s) {
  if (s.size() != kCelle) return false;
  for (int z = 0; z < kZone; ++z) {
    unsigned visti = 0;
    for (int c : Zona()[z]) {
      if (s[c] < '1' || s[c] > '9') return false;
      visti |= 1u << (s[c] - '0');
    }
    if (visti != 0x3FE) return false;
  }
  return true;
}

inline std::vector<std::string> Collezione(const std::string& nome) {
  std::vector<std::string> schemi;
  std::ifstream in(std::string(ORVENTO_DATA_DIR) + "/" + nome);
  for (std::string riga; std::getline(in, riga);)
    if (riga.size() >= kCelle) schemi.push_back(riga.substr(0, kCelle));
  return schemi;
}

// The solution the run recorded: the trial solution when there is one.
inline std::string SoluzioneRegistrata(const Gioco& g) {
  const bool tentativi = !g.verifica.SoluzioneTentativi[0].empty();
  std::string s;
  for (int c = 0; c < kCelle; ++c)
    s += Trim(tentativi ? g.verifica.SoluzioneTentativi[c] : g.verifica.Soluzione[c]);
  return s;
}

// Checks every entry of ElencoMosse against the solution: its form, a placed value equal to the
// solution's digit, a reduced candidate text that still holds it. Returns the faulty entries.
inline std::vector<std::string> MosseErrate(const Gioco& g, std::string_view soluzione) {
  static const std::regex forma(
      R"(^(XX|US|1n|1h|2n|2h|PR|3S|4S|3n|3h|XW|SW|4n|4h|TT)(-R|-Q|-C| ): '([A-I])([a-i])' =([1-9]+)$)");
  std::vector<std::string> errate;
  if (static_cast<int>(g.verifica.ElencoMosse.size()) != g.verifica.NumMosse)
    errate.push_back("NumMosse");
  for (const std::string& m : g.verifica.ElencoMosse) {
    std::smatch r;
    if (!std::regex_match(m, r, forma)) {
      errate.push_back(m);
      continue;
    }
    const int c = 9 * (r[3].str()[0] - 'A') + (r[4].str()[0] - 'a');
    const std::string valore = r[5].str();
    const bool giusta = valore.size() == 1 ? valore[0] == soluzione[c]
                                           : valore.find(soluzione[c]) != std::string::npos;
    if (!giusta) errate.push_back(m);
  }
  return errate;
}

}  // namespace orv::test::verifica
