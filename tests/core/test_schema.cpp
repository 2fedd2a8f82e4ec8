#include <gtest/gtest.h>

#include "fixture.h"
#include "model/schema.h"
#include "techniques/catalogo.h"

namespace orv {
namespace {

TEST(Zone, TableAndZonesOfACell) {
  EXPECT_EQ(Zona()[0], (std::array<int, 9>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(Zona()[9], (std::array<int, 9>{0, 9, 18, 27, 36, 45, 54, 63, 72}));
  EXPECT_EQ(Zona()[17], (std::array<int, 9>{8, 17, 26, 35, 44, 53, 62, 71, 80}));
  EXPECT_EQ(Zona()[18], (std::array<int, 9>{0, 1, 2, 9, 10, 11, 18, 19, 20}));
  EXPECT_EQ(Zona()[22], (std::array<int, 9>{30, 31, 32, 39, 40, 41, 48, 49, 50}));
  EXPECT_EQ(Zona()[26], (std::array<int, 9>{60, 61, 62, 69, 70, 71, 78, 79, 80}));
  struct Caso {
    int c, riga, colonna, quadro;
    const char* nome;
  };
  for (const Caso& k :
       {Caso{0, 0, 9, 18, "Aa"}, Caso{8, 0, 17, 20, "Ai"}, Caso{40, 4, 13, 22, "Ee"},
        Caso{80, 8, 17, 26, "Ii"}, Caso{30, 3, 12, 22, "Dd"}}) {
    EXPECT_EQ(ZonaRiga(k.c), k.riga) << k.c;
    EXPECT_EQ(ZonaColonna(k.c), k.colonna) << k.c;
    EXPECT_EQ(ZonaQuadro(k.c), k.quadro) << k.c;
    EXPECT_EQ(NomeCasella(k.c), k.nome);
  }
  // Every cell is in exactly one zone of each kind, at the zone the formulas give.
  for (int z = 0; z < kZone; ++z)
    for (int c : Zona()[z]) {
      int atteso = z < 9 ? ZonaRiga(c) : z < 18 ? ZonaColonna(c) : ZonaQuadro(c);
      EXPECT_EQ(atteso, z);
    }
}

TEST(Zone, IndicesOutsideTheGridAreRefused) {
  for (int c : {-1, 81, 1000}) {
    EXPECT_EQ(NomeCasella(c), "");
    EXPECT_EQ(ZonaRiga(c), -1);
    EXPECT_EQ(ZonaColonna(c), -1);
    EXPECT_EQ(ZonaQuadro(c), -1);
  }
  EXPECT_EQ(CellaZona(27, 0), -1);
  EXPECT_EQ(CellaZona(-1, 0), -1);
  EXPECT_EQ(CellaZona(0, 9), -1);
  EXPECT_EQ(CellaZona(26, 8), 80);
}

TEST(Candidati, RemovalRule) {
  struct Caso {
    const char* prima;
    char d;
    const char* dopo;
  };
  for (const Caso& k : {Caso{" 123456789 ", '5', " 12346789 "}, Caso{" 1357 ", '4', " 1357 "},
                        Caso{" 7 ", '7', "  "}, Caso{" 19 ", '1', " 9 "}, Caso{" 19 ", '9', " 1 "},
                        Caso{"  ", '3', "  "},
                        // Odd texts from a file: only the first occurrence goes.
                        Caso{" 4 4 ", '4', "  4 "}}) {
    std::string s = k.prima;
    TogliCandidato(s, k.d);
    EXPECT_EQ(s, k.dopo) << k.prima << " - " << k.d;
  }
  EXPECT_EQ(NumCandidati(" 12346789 "), 8);
  EXPECT_EQ(NumCandidati("  "), 0);
  EXPECT_EQ(NumCandidati(""), 0);
  EXPECT_TRUE(HaCandidato(" 129 ", '9'));
  EXPECT_FALSE(HaCandidato(" 129 ", '3'));
  EXPECT_FALSE(HaCandidato("  ", '1'));
  EXPECT_EQ(Incornicia("57"), " 57 ");
}

TEST(Tabelle, MethodListAndUsageLabels) {
  test::Partita p;
  Gioco& g = *p;
  EXPECT_EQ(g.tabelle.NumMetodi, 15);
  EXPECT_EQ(g.tabelle.Priorita[0], "        ELENCO METODI");
  EXPECT_EQ(g.tabelle.Priorita[1], "01    - Colpo d'occhio");
  EXPECT_EQ(g.tabelle.Priorita[2], "02/03 - Casella sola/Candidato puro");
  EXPECT_EQ(g.tabelle.Priorita[10], "11   - Terna pura");
  EXPECT_EQ(g.tabelle.Priorita[15], "16   - Quaterna nascosta");
  for (int i = 16; i < kVociPriorita; ++i) EXPECT_EQ(g.tabelle.Priorita[i], "") << i;
  EXPECT_EQ(g.tabelle.UsoMetodiEtichetta[0], "N.1 ");
  EXPECT_EQ(g.tabelle.UsoMetodiEtichetta[16], "N.17 ");
  for (int i = 17; i < kRigheUsoMetodi; ++i) EXPECT_EQ(g.tabelle.UsoMetodiEtichetta[i], "") << i;
  EXPECT_EQ(g.geometria.DimValore, 18);
  EXPECT_EQ(g.geometria.DimCandidati, 9);
  ASSERT_EQ(g.f.Sugge3a.items().size(), 9u);
  EXPECT_EQ(g.f.Sugge3a.items()[0], " 1");
  EXPECT_EQ(g.f.Sugge3a.items()[8], " 9");
  EXPECT_EQ(g.file.NomeFile, " ");
  EXPECT_EQ(g.file.FileGuida, "ORVENTO.hlp");
}

TEST(Celle, AValueAlwaysHasTheEmptyCandidateText) {
  test::Partita p;
  Gioco& g = *p;
  g.griglia.Can.set(5, " 1234 ");
  ImpostaValore(g, 5, '3', Origine::Blu);
  EXPECT_EQ(g.griglia.Can[5], "  ");
  EXPECT_EQ(g.f.caN[5].caption(), "3");
  EXPECT_EQ(g.f.caN[5].foreColor(), kBluMossa);
  EXPECT_EQ(g.f.caN[5].font().name, "MS Sans Serif");
  EXPECT_EQ(g.f.caN[5].font().size, 18);
  ImpostaValore(g, 6, '4', Origine::Nera);
  EXPECT_EQ(g.f.caN[6].foreColor(), kTestoPulsante);
  g.verifica.ColoreMossa = kBianco;
  ImpostaValore(g, 7, '5', Origine::Provvisoria);
  EXPECT_EQ(g.f.caN[7].foreColor(), kBianco);
  // Nothing outside the grid is touched.
  ImpostaValore(g, 81, '1', Origine::Blu);
  ImpostaValore(g, -3, '1', Origine::Blu);
  SvuotaCella(g, 200);
}

}  // namespace
}  // namespace orv
