#include "techniques/catalogo.h"

#include "model/tabelle.h"
#include "techniques/incrocio.h"
#include "techniques/tecniche.h"

namespace orv {

namespace {

// Key "01": the crossing looks at every value. With all candidates on view the player sees the
// crossings already, so the search leaves them to the candidate methods.
void PassoIncrocio(Gioco& g) {
  g.ricerca.ValoreIniziale = 1;
  g.ricerca.ValoreFinale = 9;
  if (g.Vista() == ModoVista::Tutti) return;
  RicercaIncroci(g);
}

// Key "02/03": the last free cell of a zone, then the first single-candidate cell, which
// replaces what the zone scan found.
void PassoCasellaSola(Gioco& g) {
  CasellaSola(g);
  std::optional<int> c = PrimoCandidatoPuro(g);
  if (!c) return;
  MossaTrovata& m = g.ricerca.Mossa;
  m.CodiceMetodo = "CFC";
  m.ValoreMossa = std::string(g.griglia.Can.ridotto(*c));
  m.CasellaMossa = c;
  m.ZonaMossa.reset();
  m.DaTogliere.clear();
  m.Gruppo.clear();
  g.ricerca.Trovata = true;
}

constexpr std::array<Metodo, kNumeroMetodi> kCatalogo = {{
    {"01", 1, {"ZOB", "ZOC", "USO"}, PassoIncrocio},
    {"02", 2, {"USO", "CFC"}, PassoCasellaSola},
    {"04", 3, {"Xx1"}, [](Gioco& g) { Nascosti(g, 1); }},
    {"05", 4, {"CPN"}, [](Gioco& g) { CandidatiCaselle(g, 2); }},
    {"06", 5, {"Xx2a", "Xx2b"}, [](Gioco& g) { Nascosti(g, 2); }},
    {"07", 6, {"PRQ"}, QuadroImprigiona},
    {"08", 7, {"PRC"}, RigaColImprigiona},
    {"09", 8, {"SCI3"}, [](Gioco& g) { CandidatiCaselle(g, 3); }},
    {"10", 9, {"SCI4"}, [](Gioco& g) { TerneQuaterne(g, 4); }},
    {"11", 10, {"TRN"}, [](Gioco& g) { TerneQuaterne(g, 3); }},
    {"12", 11, {"HTR"}, [](Gioco& g) { Nascosti(g, 3); }},
    {"13", 12, {"XWN"}, XWing},
    {"14", 13, {"SWF"}, Swordfish},
    {"15", 14, {"QUA"}, [](Gioco& g) { TerneQuaterne(g, 5); }},
    {"16", 15, {"HQU"}, [](Gioco& g) { Nascosti(g, 4); }},
}};

struct CodiceNumero {
  std::string_view codice;
  int numero;
};

constexpr std::array<CodiceNumero, 18> kNumeriCodici = {{
    {"ZOB", 1},
    {"ZOC", 1},
    {"USO", 2},
    {"CFC", 3},
    {"Xx1", 4},
    {"CPN", 5},
    {"Xx2a", 6},
    {"Xx2b", 6},
    {"PRQ", 7},
    {"PRC", 8},
    {"SCI3", 9},
    {"SCI4", 10},
    {"TRN", 11},
    {"HTR", 12},
    {"XWN", 13},
    {"SWF", 14},
    {"QUA", 15},
    {"HQU", 16},
}};

}  // namespace

std::span<const Metodo, kNumeroMetodi> Catalogo() {
  return kCatalogo;
}

const Metodo* MetodoDellaChiave(std::string_view chiave) {
  if (chiave.size() != 2) return nullptr;
  for (const Metodo& m : kCatalogo)
    if (m.chiave == chiave) return &m;
  return nullptr;
}

std::string_view VoceMetodo(const Metodo& m) {
  return kPrioritaStandard[m.voce];
}

std::string_view NomeMetodo(const Metodo& m) {
  std::string_view v = VoceMetodo(m);
  std::size_t p = v.find("- ");
  return p == std::string_view::npos ? v : v.substr(p + 2);
}

int NumeroDelCodice(std::string_view codice) {
  for (const CodiceNumero& k : kNumeriCodici)
    if (k.codice == codice) return k.numero;
  return 0;
}

}  // namespace orv
