// Helpers for the technique tests: the two modes, a record that shows which fields a method
// writes, and a readable form of the record for failure messages.
#pragma once

#include <sstream>
#include <string>

#include "model/gioco.h"

namespace orv::test {

// Search mode as the move search sets it, apply mode as the verification run sets it.
inline void InRicerca(Gioco& g) {
  g.ricerca.SoloRicerca = true;
  g.ricerca.InRisoluzione = true;
  g.ricerca.Trovata = false;
}
inline void InApplicazione(Gioco& g, bool inRisoluzione = true) {
  g.ricerca.SoloRicerca = false;
  g.ricerca.InRisoluzione = inRisoluzione;
  g.ricerca.Trovata = false;
}

// Every field holds something no method writes, so a field left alone is seen as such.
inline MossaTrovata MossaSentinella() {
  MossaTrovata m;
  m.CodiceMetodo = "?";
  m.ValoreMossa = "?";
  m.CasellaMossa = 77;
  m.ZonaMossa = 25;
  m.DaTogliere = "?";
  m.Gruppo = "?";
  m.CaselleGruppo = "?";
  m.SecondaZona = 24;
  m.Rettangoli = {11, 12, 13, 14, 15, 16, 17, 18};
  return m;
}

inline std::string TestoMossa(const MossaTrovata& m) {
  auto opz = [](const std::optional<int>& v) { return v ? std::to_string(*v) : "vuoto"; };
  std::ostringstream s;
  s << m.CodiceMetodo << " valore='" << m.ValoreMossa << "' casella=" << opz(m.CasellaMossa)
    << " zona=" << opz(m.ZonaMossa) << " togliere='" << m.DaTogliere << "' gruppo='" << m.Gruppo
    << "' caselle='" << m.CaselleGruppo << "' seconda=" << opz(m.SecondaZona) << " rettangoli=";
  for (int r : m.Rettangoli) s << r << ',';
  return s.str();
}

// All 81 cells without value, each with the candidate text `can`.
inline void SoloCandidati(Gioco& g, const std::string& can) {
  for (int c = 0; c < kCelle; ++c) {
    g.griglia.Cifra.set(c, 0);
    g.griglia.Orig[c] = Origine::Nessuna;
    g.griglia.Can.set(c, can);
  }
  g.griglia.Riempite = 0;
}

}  // namespace orv::test
