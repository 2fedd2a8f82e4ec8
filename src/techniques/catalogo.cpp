#include "techniques/catalogo.h"

#include <algorithm>

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

using enum Livello;

// "USO" is found both by the crossing and by the last-free-cell scan: the same move, listed and
// counted the same way.
constexpr CodiceMetodo kUSO{"USO", "US", 1};

constexpr std::array<Metodo, kNumeroMetodi> kCatalogo = {{
    {"01    - Colpo d'occhio",
     "01",
     {{{"ZOB", "XX", 0}, {"ZOC", "XX", 0}, kUSO}},
     Facile,
     Facile,
     0,
     false,
     PassoIncrocio},
    {"02/03 - Casella sola/Candidato puro",
     "02",
     {{kUSO, {"CFC", "1n", 2}}},
     Facile,
     Facile,
     1,
     false,
     PassoCasellaSola},
    {"04    - Candidato nascosto",
     "04",
     {{{"Xx1", "1h", 3}}},
     Medio,
     Facile,
     2,
     false,
     [](Gioco& g) { Nascosti(g, 1); }},
    {"05    - Coppia pura",
     "05",
     {{{"CPN", "2n", 4}}},
     Medio,
     Medio,
     3,
     false,
     [](Gioco& g) { CandidatiCaselle(g, 2); }},
    {"06    - Coppia nascosta",
     "06",
     {{{"Xx2a", "2h", 5}, {"Xx2b", "2h", 5}}},
     Difficile,
     Difficile,
     4,
     true,
     [](Gioco& g) { Nascosti(g, 2); }},
    {"07    - Quadro imprigiona Candidato",
     "07",
     {{{"PRQ", "PR", 6}}},
     Difficile,
     Difficile,
     5,
     false,
     QuadroImprigiona},
    {"08    - Rig/Col imprigiona Candidato",
     "08",
     {{{"PRC", "PR", 7}}},
     Difficile,
     Difficile,
     6,
     false,
     RigaColImprigiona},
    {"09    - 3 Candidati per 3 Caselle",
     "09",
     {{{"SCI3", "3S", 8}}},
     Difficile,
     Difficile,
     7,
     false,
     [](Gioco& g) { CandidatiCaselle(g, 3); }},
    {"10    - 4 Candidati per 4 Caselle",
     "10",
     {{{"SCI4", "4S", 9}}},
     Diabolico,
     Diabolico,
     8,
     false,
     [](Gioco& g) { TerneQuaterne(g, 4); }},
    {"11   - Terna pura",
     "11",
     {{{"TRN", "3n", 10}}},
     Diabolico,
     Diabolico,
     11,
     false,
     [](Gioco& g) { TerneQuaterne(g, 3); }},
    {"12   - Terna nascosta",
     "12",
     {{{"HTR", "3h", 11}}},
     Diabolico,
     Diabolico,
     12,
     true,
     [](Gioco& g) { Nascosti(g, 3); }},
    {"13   - Rettangolo X-Wing",
     "13",
     {{{"XWN", "XW", 12}}},
     Diabolico,
     Diabolico,
     9,
     false,
     XWing},
    {"14   - Farfalla Swordfish",
     "14",
     {{{"SWF", "SW", 13}}},
     Diabolico,
     Diabolico,
     10,
     false,
     Swordfish},
    {"15   - Quaterna pura",
     "15",
     {{{"QUA", "4n", 14}}},
     Diabolico,
     Diabolico,
     0,
     false,
     [](Gioco& g) { TerneQuaterne(g, 5); }},
    {"16   - Quaterna nascosta",
     "16",
     {{{"HQU", "4h", 15}}},
     Diabolico,
     Diabolico,
     0,
     false,
     [](Gioco& g) { Nascosti(g, 4); }},
}};

// What the table must hold for its readers: every entry starts with its key; a code found by
// two methods is listed and counted the same by both.
constexpr bool CatalogoCoerente() {
  for (const Metodo& m : kCatalogo) {
    if (m.voce.substr(0, 2) != m.chiave) return false;
    for (const CodiceMetodo& c : m.codici)
      for (const Metodo& n : kCatalogo)
        for (const CodiceMetodo& d : n.codici)
          if (!c.codice.empty() && c.codice == d.codice && (c.sigla != d.sigla || c.riga != d.riga))
            return false;
  }
  return true;
}
static_assert(CatalogoCoerente());

// The methods of the first pass, by their places.
constexpr int kPostiPrimoPasso = 12;
constexpr std::array<const Metodo*, kPostiPrimoPasso> kPrimoPasso = [] {
  std::array<const Metodo*, kPostiPrimoPasso> v{};
  for (const Metodo& m : kCatalogo)
    if (m.passo > 0) v[m.passo - 1] = &m;
  return v;
}();
static_assert(std::ranges::none_of(kPrimoPasso, [](const Metodo* m) { return m == nullptr; }));

// Every code once, the trial code last: what the replay looks up for each of its moves.
constexpr int kNumeroCodici = 19;
constexpr std::array<CodiceMetodo, kNumeroCodici> kCodici = [] {
  std::array<CodiceMetodo, kNumeroCodici> v{};
  int n = 0;
  for (const Metodo& m : kCatalogo)
    for (const CodiceMetodo& c : m.codici) {
      bool presente = c.codice.empty();
      for (int i = 0; i < n; ++i) presente = presente || v[i].codice == c.codice;
      if (!presente) v[n++] = c;
    }
  v[n] = kCodiceTentativo;
  return v;
}();
static_assert(kCodici[kNumeroCodici - 2].codice == "HQU");

constexpr std::string_view kIntestazioneMetodi = "        ELENCO METODI";

}  // namespace

std::span<const Metodo, kNumeroMetodi> Catalogo() {
  return kCatalogo;
}

std::span<const Metodo* const> PrimoPasso() {
  return kPrimoPasso;
}

const Metodo* MetodoDellaChiave(std::string_view chiave) {
  if (chiave.size() != 2) return nullptr;
  for (const Metodo& m : kCatalogo)
    if (m.chiave == chiave) return &m;
  return nullptr;
}

std::string_view VoceMetodo(const Metodo& m) {
  return m.voce;
}

std::string_view NomeMetodo(const Metodo& m) {
  std::string_view v = m.voce;
  std::size_t p = v.find("- ");
  return p == std::string_view::npos ? v : v.substr(p + 2);
}

CodiceMetodo DatiDelCodice(std::string_view codice) {
  for (const CodiceMetodo& c : kCodici)
    if (c.codice == codice) return c;
  return {codice, "??", -1};
}

int NumeroDelCodice(std::string_view codice) {
  if (codice == kCodiceTentativo.codice) return 0;
  const int riga = DatiDelCodice(codice).riga;
  return riga < 0 ? 0 : riga + 1;
}

Livello LivelloDellaRiga(int riga, bool inCreazione) {
  for (const Metodo& m : kCatalogo)
    for (const CodiceMetodo& c : m.codici)
      if (!c.codice.empty() && c.riga == riga)
        return inCreazione ? m.livelloInCreazione : m.livello;
  return Diabolico;
}

std::string_view TestoLivello(Livello l) {
  switch (l) {
    case Facile:
      return " Facile";
    case Medio:
      return " Medio";
    case Difficile:
      return " Difficile";
    case Diabolico:
      break;
  }
  return " Diabolico";
}

void InizializzaTabelle(Gioco& g) {
  for (int i = 0; i < kRigheUsoMetodi; ++i)
    g.tabelle.UsoMetodiEtichetta[i] =
        i <= kCodiceTentativo.riga ? "N." + std::to_string(i + 1) + " " : std::string();
  Tabelle& t = g.tabelle;
  t.Priorita.fill("");
  t.Priorita[0] = kIntestazioneMetodi;
  for (int i = 0; i < kNumeroMetodi; ++i) t.Priorita[i + 1] = kCatalogo[i].voce;
  t.NumMetodi = kNumeroMetodi;
}

}  // namespace orv
