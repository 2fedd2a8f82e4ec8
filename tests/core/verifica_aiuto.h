// Helpers of the verification tests: the givens typed after "Dati Iniziali", an independent
// backtracking solver, and the puzzle collections.
#pragma once

#include <array>
#include <fstream>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "fixture.h"

namespace orv::test::verifica {

// The window as "Dati Iniziali" leaves it, with the givens typed: visible cells, Nera values,
// Riempite counted, "Gioca" enabled.
inline void DatiIniziali(Gioco& g, std::string_view schema) {
  for (int c = 0; c < kCelle; ++c) g.f.caN[c].setVisible(true);
  g.DatiIniziati = true;
  g.f.Gioca.setEnabled(true);
  g.f.DatIniz.setEnabled(false);
  for (int c = 0; c < kCelle; ++c) {
    const char ch = c < static_cast<int>(schema.size()) ? schema[c] : '.';
    if (ch < '1' || ch > '9') continue;
    ImpostaValore(g, c, ch, Origine::Nera);
    ++g.Riempite;
  }
  g.f.Fatti.setCaption(std::to_string(g.Riempite));
}

// Counts the solutions of a schema (up to a limit) by plain backtracking on bit masks; knows
// nothing of the program's techniques.
class ContaSoluzioni {
 public:
  explicit ContaSoluzioni(std::string_view schema) {
    for (int c = 0; c < kCelle; ++c) {
      const char ch = c < static_cast<int>(schema.size()) ? schema[c] : '.';
      griglia_[c] = ch >= '1' && ch <= '9' ? ch - '0' : 0;
      if (griglia_[c] != 0) {
        if (Occupato(c, griglia_[c])) contraddittorio_ = true;
        Segna(c, griglia_[c], true);
      }
    }
  }
  int Conta(int limite = 2) {
    if (contraddittorio_) return 0;
    limite_ = limite;
    trovate_ = 0;
    Cerca();
    return trovate_;
  }
  // The first solution found, 81 digits.
  const std::string& Soluzione() const { return soluzione_; }

 private:
  static int Q(int c) { return 3 * (c / 27) + (c % 9) / 3; }
  bool Occupato(int c, int d) const {
    const unsigned b = 1u << d;
    return (righe_[c / 9] | colonne_[c % 9] | quadri_[Q(c)]) & b;
  }
  void Segna(int c, int d, bool si) {
    const unsigned b = 1u << d;
    if (si) {
      righe_[c / 9] |= b;
      colonne_[c % 9] |= b;
      quadri_[Q(c)] |= b;
    } else {
      righe_[c / 9] &= ~b;
      colonne_[c % 9] &= ~b;
      quadri_[Q(c)] &= ~b;
    }
  }
  void Cerca() {
    // The empty cell with the fewest possibilities.
    int migliore = -1, minimo = 10;
    for (int c = 0; c < kCelle; ++c) {
      if (griglia_[c] != 0) continue;
      int n = 0;
      for (int d = 1; d <= 9; ++d) n += !Occupato(c, d);
      if (n < minimo) {
        minimo = n;
        migliore = c;
      }
    }
    if (migliore < 0) {
      if (trovate_++ == 0)
        for (int c = 0; c < kCelle; ++c) soluzione_ += static_cast<char>('0' + griglia_[c]);
      return;
    }
    for (int d = 1; d <= 9 && trovate_ < limite_; ++d) {
      if (Occupato(migliore, d)) continue;
      griglia_[migliore] = d;
      Segna(migliore, d, true);
      Cerca();
      Segna(migliore, d, false);
      griglia_[migliore] = 0;
    }
  }
  std::array<int, kCelle> griglia_{};
  std::array<unsigned, 9> righe_{}, colonne_{}, quadri_{};
  bool contraddittorio_ = false;
  int limite_ = 2;
  int trovate_ = 0;
  std::string soluzione_;
};

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
  const bool tentativi = !g.SoluzioneTentativi[0].empty();
  std::string s;
  for (int c = 0; c < kCelle; ++c) s += Trim(tentativi ? g.SoluzioneTentativi[c] : g.Soluzione[c]);
  return s;
}

// Checks every entry of ElencoMosse against the solution: its form, a placed value equal to the
// solution's digit, a reduced candidate text that still holds it. Returns the faulty entries.
inline std::vector<std::string> MosseErrate(const Gioco& g, std::string_view soluzione) {
  static const std::regex forma(
      R"(^(XX|US|1n|1h|2n|2h|PR|3S|4S|3n|3h|XW|SW|4n|4h|TT)(-R|-Q|-C| ): '([A-I])([a-i])' =([1-9]+)$)");
  std::vector<std::string> errate;
  if (static_cast<int>(g.ElencoMosse.size()) != g.NumMosse) errate.push_back("NumMosse");
  for (const std::string& m : g.ElencoMosse) {
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
