// The method catalogue: the one table of the solving methods. The move search walks it in the
// order of Priorita, the verification run takes its first pass and its moves list from it, the
// rating reads the level of each row of UsoMetodi from it, and the start-up method list is
// written from it.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "model/gioco.h"

namespace orv {

// The rating words, lowest first: a rating is the highest level among the rows used.
enum class Livello { Facile, Medio, Difficile, Diabolico };

// One method code: what a move found by the method is called, how the moves list abbreviates
// it and the row of UsoMetodi that counts it.
struct CodiceMetodo {
  std::string_view codice;
  std::string_view sigla;
  int riga = -1;
};

struct Metodo {
  // The whole entry of the start-up method list: the key, then the name after "- ".
  std::string_view voce;
  // "01".."16"; the entry "02/03" has the key "02".
  std::string_view chiave;
  // The codes a move found by this method can carry (unused slots empty).
  std::array<CodiceMetodo, 3> codici;
  // The level that a row counting this method's moves gives the rating, and the same during
  // the creation of a schema (which still calls a schema easy when it needs hidden singles).
  Livello livello;
  Livello livelloInCreazione;
  // Place in the fixed order of the first pass of the verification run, from 1; 0 when the
  // first pass does not use it.
  int passo;
  // After this method the first pass looks for a failed trial: a hidden group can leave a cell
  // without candidates.
  bool controllaTentativo;
  // What the move search runs for this key; the first pass runs the same procedure in apply
  // mode, but for its first two places (keys "02" and "04"), which it runs itself around the
  // first computation of the candidates.
  void (*ricerca)(Gioco& g);
};

inline constexpr int kNumeroMetodi = 15;

// The fifteen methods in the start-up order of Priorita.
std::span<const Metodo, kNumeroMetodi> Catalogo();

// The methods of the first pass in their order.
std::span<const Metodo* const> PrimoPasso();

// The method of a key (the first two characters of a Priorita entry); nullptr for any other.
const Metodo* MetodoDellaChiave(std::string_view chiave);

// The whole entry, "04    - Candidato nascosto", and the name after the key, "Candidato nascosto".
std::string_view VoceMetodo(const Metodo& m);
std::string_view NomeMetodo(const Metodo& m);

// A trial placement of the verification run: not a method, but counted and listed like one.
inline constexpr CodiceMetodo kCodiceTentativo{"ZZZ", "TT", 16};

// The code as the catalogue (or the trial code) describes it; for an unknown code the
// abbreviation "??" and no row.
CodiceMetodo DatiDelCodice(std::string_view codice);

// The number of the method that a code counts for: 1 for "ZOB"/"ZOC", 2 for "USO", 3 for
// "CFC" ... 16 for "HQU" (the row of UsoMetodi is one less); 0 for an unknown code.
int NumeroDelCodice(std::string_view codice);

// The level that a used row of UsoMetodi gives the rating (trial rows and rows no method
// counts: Diabolico).
Livello LivelloDellaRiga(int riga, bool inCreazione);

// The word of a level, as ValutazioneTesto holds it: " Facile" ... " Diabolico".
std::string_view TestoLivello(Livello l);

// The start-up tables: the method list Priorita (its header, the catalogue's entries, then
// blanks), NumMetodi and the labels of UsoMetodi ("N.1 " .. "N.17 ").
void InizializzaTabelle(Gioco& g);

}  // namespace orv
