// Solutions from the templates, "Dati Iniziali" and "Crea un Sudoku nuovo".
#include <gtest/gtest.h>

#include <set>

#include "creation/crea.h"
#include "creation/modelli.h"
#include "fixture.h"
#include "risolutore.h"
#include "verification/verifica.h"

namespace orv {
namespace {

// Each of the nine symbols once in every row, column and box of nine row texts.
bool GrigliaValida(const std::array<std::string, 9>& righe) {
  for (int z = 0; z < kZone; ++z) {
    std::set<char> visti;
    for (int j = 0; j < 9; ++j) {
      const int c = Zona()[z][j];
      visti.insert(righe[c / 9][c % 9]);
    }
    if (visti.size() != 9) return false;
  }
  return true;
}

TEST(Modelli, EveryTemplateAndEveryDrawnSolutionIsValid) {
  for (const auto& m : kModelli) {
    std::array<std::string, 9> righe;
    for (int r = 0; r < 9; ++r) righe[r] = m[r];
    EXPECT_TRUE(GrigliaValida(righe)) << m[0];
  }
  std::set<int> modelli, simmetrie;
  for (std::uint64_t seme = 1; seme <= 300; ++seme) {
    ScriptedPlatform piattaforma(seme);
    Gioco g(piattaforma);
    GeneraSoluzione(g);
    const StatoCreazione& cr = g.creazione;
    ASSERT_GE(cr.NumModello, 1);
    ASSERT_LE(cr.NumModello, 6);
    ASSERT_GE(cr.Simmetria, 0);
    ASSERT_LE(cr.Simmetria, 2);
    modelli.insert(cr.NumModello);
    simmetrie.insert(cr.Simmetria);
    const auto& soluzione = cr.Modelli[cr.NumModello];
    EXPECT_TRUE(GrigliaValida(soluzione)) << seme;
    for (const std::string& riga : soluzione)
      EXPECT_EQ(riga.find_first_not_of("123456789"), std::string::npos) << riga;
    EXPECT_EQ(cr.Modelli[0][4], std::string(9, ' '));
  }
  EXPECT_EQ(modelli.size(), 6u);
  EXPECT_EQ(simmetrie.size(), 3u);
}

TEST(Modelli, RelabellingAppliesTheDigitOrderTwice) {
  struct Caso {
    const char* L;
    const char* D;
    const char* primaRiga;  // of the first template, "edaigfhbc"
  };
  const Caso casi[] = {
      {"abcdefghi", "123456789", "541976823"},
      // a (rank 1) takes character 2 of D, which is 1; b takes character 1, which is 2.
      {"abcdefghi", "213456789", "541976823"},
      // a takes character 3 of D (2), b character 1 (3), c character 2 (1).
      {"abcdefghi", "312456789", "542976831"},
      {"ihgfedcba", "123456789", "569134287"},
  };
  for (const Caso& k : casi) {
    std::array<std::string, 9> righe;
    for (int r = 0; r < 9; ++r) righe[r] = kModelli[0][r];
    Rietichetta(righe, k.L, k.D);
    EXPECT_EQ(righe[0], k.primaRiga) << k.L << " " << k.D;
    EXPECT_TRUE(GrigliaValida(righe));
  }
}

TEST(Crea, PartnersOfTheThreeSymmetries) {
  struct Caso {
    int k, simmetria, partner;
  };
  const Caso casi[] = {
      {40, 0, 40}, {0, 0, 80},  {10, 0, 70}, {4, 1, 4},   {0, 1, 8},
      {30, 1, 32}, {36, 2, 36}, {0, 2, 72},  {44, 2, 44}, {13, 2, 67},
  };
  for (const Caso& c : casi) EXPECT_EQ(Partner(c.k, c.simmetria), c.partner) << c.k;
  for (int k = 0; k < kCelle; ++k)
    for (int s = 0; s < 3; ++s) EXPECT_EQ(Partner(Partner(k, s), s), k);
}

TEST(Crea, NameOfACreatedSchema) {
  EXPECT_EQ(NomeCreato(" Diabolico", 12, 3, 0), "Dia012Cr30");
  EXPECT_EQ(NomeCreato(" Facile", 1, 6, 2), "Fac001Cr62");
  EXPECT_EQ(NomeCreato(" Difficile", 123, 1, 1), "Dif123Cr11");
}

TEST(DatiIniziali, OpensTheEntryOfTheGivens) {
  test::Partita p;
  Gioco& g = *p;
  g.f.DatIniz.onClick();
  Form1& f = g.f;
  for (int c = 0; c < kCelle; ++c) EXPECT_TRUE(f.caN[c].visible()) << c;
  for (const Control* c :
       std::initializer_list<const Control*>{&f.Apri, &f.mApri, &f.mCrea, &f.DatIniz})
    EXPECT_FALSE(c->enabled()) << c->name();
  for (const Control* c : std::initializer_list<const Control*>{&f.Salva, &f.mSalva, &f.Gioca})
    EXPECT_TRUE(c->enabled()) << c->name();
  EXPECT_TRUE(g.partita.DatiIniziati);
  const std::vector<std::string> lavagna = {"- Al termine dei Dati Iniziali",
                                            "  clic su 'Gioca', per iniziare la prova."};
  EXPECT_EQ(f.ListCons.items(), lavagna);
  EXPECT_EQ(g.creazione.NomeSchema, "Nuovo1");
  EXPECT_EQ(f.caption, std::string(kTitoloFinestra) + " - Nuovo1");
  // The number goes on across resets.
  f.Azzera.onClick();
  f.DatIniz.onClick();
  EXPECT_EQ(g.creazione.NomeSchema, "Nuovo2");
}

// The schema on the grid after a creation: a digit or '.' per cell.
std::string SchemaSullaGriglia(const Gioco& g) {
  std::string s;
  for (int c = 0; c < kCelle; ++c) s += g.HaValore(c) ? g.griglia.Cifra[c] : '.';
  return s;
}

TEST(Crea, EveryCreatedSchemaHasOneSolutionItsSymmetryAndEnoughGivens) {
  std::set<std::string> valutazioni;
  int rimesse = 0;
  for (std::uint64_t seme = 1; seme <= 200; ++seme) {
    SCOPED_TRACE(seme);
    test::Partita p(seme);
    Gioco& g = *p;
    g.f.mCrea.onClick();
    const StatoCreazione& cr = g.creazione;
    const std::string schema = SchemaSullaGriglia(g);
    test::ContaSoluzioni conta(schema);
    ASSERT_EQ(conta.Conta(), 1) << schema;
    std::string soluzione;
    for (const std::string& r : cr.Modelli[cr.NumModello]) soluzione += r;
    EXPECT_EQ(conta.Soluzione(), soluzione);
    int date = 0;
    for (int c = 0; c < kCelle; ++c) {
      if (schema[c] == '.') {
        EXPECT_EQ(schema[Partner(c, cr.Simmetria)], '.') << c;
        continue;
      }
      ++date;
      EXPECT_EQ(schema[c], soluzione[c]) << c;
      EXPECT_EQ(g.griglia.Orig[c], Origine::Nera) << c;
    }
    // Cells go in pairs but for the one that is its own partner: under the point symmetry the
    // centre is the only cell removed alone.
    if (cr.Simmetria == 0) {
      EXPECT_EQ((kCelle - date) % 2, schema[40] == '.' ? 1 : 0);
    }
    EXPECT_GE(date, 27);
    EXPECT_TRUE(g.partita.SchemaCreato);
    // The game is open, verified by the normal run, under the created name.
    EXPECT_FALSE(cr.InCreazione);
    EXPECT_TRUE(g.partita.InGioco);
    EXPECT_EQ(g.f.Fatti.caption(), std::to_string(date));
    EXPECT_EQ(g.f.ListCons.items().front(), "ESITO DELLA VERIFICA");
    EXPECT_EQ(cr.NomeSchema.substr(3), [&] {
      char b[16];
      std::snprintf(b, sizeof b, "%03dCr%d%d", cr.NumSchemi, cr.NumModello, cr.Simmetria);
      return std::string(b);
    }());
    EXPECT_EQ(g.f.caption, std::string(kTitoloFinestra) + " - " + cr.NomeSchema);
    valutazioni.insert(cr.NomeSchema.substr(0, 3));
    rimesse += cr.Ripristini;
    EXPECT_FALSE(g.Occupato);
  }
  // The creation stops early on the two hard ratings and goes on with the others.
  EXPECT_TRUE(valutazioni.count("Fac"));
  EXPECT_TRUE(valutazioni.count("Dif") || valutazioni.count("Dia"));
  // Removals the techniques could not survive were put back along the way.
  EXPECT_GT(rimesse, 0);
}

// Givens asked for that no schema can keep: nothing is ever kept, fresh solutions are taken, and
// still the creation ends with a schema of one solution, open for play.
TEST(Crea, EndsEvenWhenNothingCanBeKept) {
  int dalLimite = 0;
  for (std::uint64_t seme = 1; seme <= 5; ++seme) {
    SCOPED_TRACE(seme);
    test::Partita p(seme);
    Gioco& g = *p;
    g.creazione.MinDati = g.creazione.MaxDati = 17;
    g.f.mCrea.onClick();
    const StatoCreazione& cr = g.creazione;
    EXPECT_FALSE(cr.CopiaValida);
    const bool difficile = cr.NomeSchema.starts_with("Dif") || cr.NomeSchema.starts_with("Dia");
    // A hard rating ends it early; otherwise the bound did.
    if (!difficile) {
      EXPECT_EQ(cr.NuoveSoluzioni, 20);
      ++dalLimite;
    }
    const std::string schema = SchemaSullaGriglia(g);
    EXPECT_EQ(test::ContaSoluzioni(schema).Conta(), 1) << schema;
    EXPECT_TRUE(g.partita.InGioco);
    EXPECT_FALSE(cr.InCreazione);
  }
  EXPECT_GT(dalLimite, 0);
}

}  // namespace
}  // namespace orv
