// Shared fixtures of the core tests: a game on a scripted platform, grids from text.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <tuple>

#include "model/candidati.h"
#include "model/celle.h"
#include "model/gioco.h"
#include "toolkit/scripted_platform.h"
#include "ui/finestra.h"

namespace orv::test {

// A started main window (tables built, reset done) on a scripted platform.
struct Partita {
  ScriptedPlatform platform;
  std::unique_ptr<Gioco> g;
  explicit Partita(std::uint64_t seme = 1) : platform(seme), g(std::make_unique<Gioco>(platform)) {
    CollegaEventi(*g);
    Form_Load(*g);
  }
  Gioco& operator*() { return *g; }
  Gioco* operator->() { return g.get(); }
};

// Puts the 81-character grid (digits; '.', '0' or ' ' for an empty cell) on the board as givens,
// counts Riempite and, when asked, recomputes the candidates.
inline void CaricaGriglia(Gioco& g, std::string_view griglia, bool ricalcola = true) {
  g.griglia.Riempite = 0;
  for (int c = 0; c < kCelle; ++c) {
    char ch = c < static_cast<int>(griglia.size()) ? griglia[c] : '.';
    if (ch >= '1' && ch <= '9') {
      ImpostaValore(g, c, ch, Origine::Nera);
      ++g.griglia.Riempite;
    } else {
      SvuotaCella(g, c);
      g.griglia.Can.set(c, kTuttiCandidati);
    }
  }
  if (ricalcola) RicalcoloCandidati(g);
}

// Every property a control shows, for comparing two controls whole.
inline auto Aspetto(const Control& c) {
  const Font& f = c.font();
  return std::tuple(c.caption(), c.tooltip(), c.visible(), c.enabled(), c.foreColor(),
                    c.backColor(), f.name, f.size, f.bold, f.italic, c.border(), c.left(), c.top(),
                    c.width(), c.height(), c.container());
}
inline auto Aspetto(const Line& l) {
  return std::tuple_cat(Aspetto(static_cast<const Control&>(l)),
                        std::tuple(l.x1(), l.y1(), l.x2(), l.y2(), l.borderWidth()));
}

// Nine row strings joined.
inline std::string Righe(std::initializer_list<std::string_view> righe) {
  std::string s;
  for (auto r : righe) s += r;
  return s;
}

}  // namespace orv::test

namespace orv {
// Readable failures when two sets of candidate texts differ.
inline void PrintTo(const TestiCandidati& t, std::ostream* os) {
  for (int c = 0; c < kCelle; ++c) *os << c << ":'" << t[c] << "' ";
}
}  // namespace orv

namespace orv::test {
// Runs `prova` twice, each time on a freshly started game: the techniques reading the masks, then
// reading the candidate texts. Both must find the same.
template <class Prova>
void DalleMaschereEDaiTesti(Prova&& prova) {
  for (bool soloTesti : {false, true}) {
    SCOPED_TRACE(soloTesti ? "dai testi" : "dalle maschere");
    Partita p;
    p->tecniche.SoloTesti = soloTesti;
    prova(*p);
  }
}

// Recomputing the candidates selects the view "Tutti"; this goes back to "Nessuno".
inline void VistaNessuno(Gioco& g) {
  g.f.Sugge0.setValue(true);
}
}  // namespace orv::test
