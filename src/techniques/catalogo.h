// The method catalogue: one table that the move search, the rating and the coach all read.
//
// A method is known by its key, the first two characters of its entry in Priorita. The entry
// texts themselves live in the start-up method list (model/tabelle.h); the catalogue points at
// them instead of holding copies.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "model/gioco.h"

namespace orv {

struct Metodo {
  // "01".."16"; the entry "02/03" has the key "02".
  std::string_view chiave;
  // Slot of the entry in the start-up method list.
  int voce;
  // The codes a move found by this method can carry (unused slots empty).
  std::array<std::string_view, 3> codici;
  // What the move search runs for this key.
  void (*ricerca)(Gioco& g);
};

inline constexpr int kNumeroMetodi = 15;

// The fifteen methods in the start-up order of Priorita.
std::span<const Metodo, kNumeroMetodi> Catalogo();

// The method of a key (the first two characters of a Priorita entry); nullptr for any other.
const Metodo* MetodoDellaChiave(std::string_view chiave);

// The whole entry, "04    - Candidato nascosto", and the name after the key, "Candidato nascosto".
std::string_view VoceMetodo(const Metodo& m);
std::string_view NomeMetodo(const Metodo& m);

// The number of the method that a code counts for: 1 for "ZOB"/"ZOC", 2 for "USO", 3 for
// "CFC" ... 16 for "HQU" (the row of UsoMetodi is one less); 0 for an unknown code.
int NumeroDelCodice(std::string_view codice);

}  // namespace orv
