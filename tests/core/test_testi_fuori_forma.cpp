// Candidate texts outside the program's form, as a restored record may hold them: a digit listed
// twice, digits out of order, a blank or another character among the digits. The techniques read
// such texts on their text paths. Where the result means something, each family's move is checked
// field by field; for every odd form, on real positions, every method must at least run without
// reading out of range (the sanitizer build tells), and a move it applies must change the grid,
// or the verification run would find it again for ever.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/registro.h"
#include "tavola.h"
#include "techniques/catalogo.h"
#include "verifica_aiuto.h"

namespace orv {
namespace {

using test::MossaSentinella;
using test::Testo;
using test::TestoMossa;

// The fields each family writes, over the sentinel record.
MossaTrovata Singolo(int casella, const char* valore, int zona) {
  MossaTrovata m = MossaSentinella();
  m.CodiceMetodo = "Xx1";
  m.CasellaMossa = casella;
  m.ValoreMossa = valore;
  m.ZonaMossa = zona;
  return m;
}

MossaTrovata Nascosto(const char* codice, int casella, const char* valore, int zona,
                      const char* gruppo, const char* caselle) {
  MossaTrovata m = Singolo(casella, valore, zona);
  m.CodiceMetodo = codice;
  m.DaTogliere.clear();
  m.Gruppo = gruppo;
  m.CaselleGruppo = caselle;
  return m;
}

MossaTrovata Nudo(const char* codice, int casella, const char* valore, int zona,
                  const char* daTogliere, const char* gruppo, const char* caselle) {
  MossaTrovata m = Nascosto(codice, casella, valore, zona, gruppo, caselle);
  m.DaTogliere = daTogliere;
  m.SecondaZona.reset();
  return m;
}

MossaTrovata Imprigionato(const char* codice, int casella, const char* valore, int linea,
                          int quadro, const char* daTogliere, const char* caselle) {
  MossaTrovata m = Nudo(codice, casella, valore, linea, daTogliere, "", caselle);
  m.SecondaZona = quadro;
  return m;
}

MossaTrovata Pesce(const char* codice, int casella, const char* valore, const char* daTogliere,
                   const char* orientamento, const char* caselle, std::array<int, 8> rettangoli) {
  MossaTrovata m = Nudo(codice, casella, valore, 0, daTogliere, orientamento, caselle);
  m.ZonaMossa.reset();
  m.Rettangoli = rettangoli;
  return m;
}

struct Caso {
  const char* nome;
  std::function<void(Gioco&)> prepara;  // over a free board
  std::function<void(Gioco&)> metodo;
  // Search mode: the move described, or none.
  std::optional<MossaTrovata> attesa;
  // Apply mode, one call: the texts it leaves in the cells it changes, or the value it places.
  std::vector<Testo> dopo;
  std::optional<std::pair<int, char>> piazzata;
};

const std::vector<Caso>& Casi() {
  static const std::vector<Caso> casi = {
      // Hidden subsets count the digits between the framing blanks, one by one.
      {"nascosti: cifre non ordinate, il 5 della riga 0 solo nella casella 3",
       [](Gioco& g) {
         test::SoloIn(g, 0, '5', {3});
         g.griglia.Can.set(3, " 9531 ");
       },
       [](Gioco& g) { Nascosti(g, 1); },
       Singolo(3, " 5 ", 0),
       {},
       std::pair(3, '5')},
      {"nascosti: un carattere estraneo allunga il testo, e il suo solo 5 e' un candidato "
       "nascosto",
       [](Gioco& g) {
         test::SoloIn(g, 0, '5', {3});
         g.griglia.Can.set(3, " 5x ");
       },
       [](Gioco& g) { Nascosti(g, 1); },
       Singolo(3, " 5 ", 0),
       {},
       std::pair(3, '5')},
      {"nascosti: il 5 scritto due volte conta due, e non e' un candidato nascosto",
       [](Gioco& g) {
         test::SoloIn(g, 0, '5', {3});
         g.griglia.Can.set(3, " 1255 ");
       },
       [](Gioco& g) { Nascosti(g, 1); },
       std::nullopt,
       {},
       std::nullopt},
      {"nascosti: 5 e 7 scritti due volte nella sola casella 3 fanno una coppia con se stessa",
       [](Gioco& g) {
         test::SoloIn(g, 0, '5', {3});
         test::SoloIn(g, 0, '7', {3});
         g.griglia.Can.set(3, " 125577 ");
       },
       [](Gioco& g) { Nascosti(g, 2); },
       Nascosto("Xx2a", 3, " 57 ", 0, "57", "03"),
       {{3, " 57 "}},
       std::nullopt},
      {"nascosti: la coppia 57 riscrive nella forma del programma il testo \" 75 \"",
       [](Gioco& g) {
         test::SoloIn(g, 12, '5', {0, 1});
         test::SoloIn(g, 12, '7', {0, 1});
         g.griglia.Can.set(3, " 75 ");
         g.griglia.Can.set(12, " 7541 ");
       },
       [](Gioco& g) { Nascosti(g, 2); },
       Nascosto("Xx2a", 3, " 57 ", 12, "57", "12"),
       {{3, " 57 "}, {12, " 57 "}},
       std::nullopt},

      // Naked subsets compare the trimmed texts as they stand, and measure a union from the
      // first cell's text as it stands.
      {"nudi: \" 36 \" e \" 63 \" non sono la stessa coppia",
       [](Gioco& g) {
         test::ImpostaTesti(g, {{0, " 36 "}, {1, " 1369 "}, {5, " 63 "}});
       },
       [](Gioco& g) { CandidatiCaselle(g, 2); },
       std::nullopt,
       {},
       std::nullopt},
      {"nudi: la coppia \" 63 \" toglie 6 e 3 nel suo ordine",
       [](Gioco& g) {
         test::ImpostaTesti(g, {{0, " 63 "}, {1, " 1369 "}, {5, " 63 "}});
       },
       [](Gioco& g) { CandidatiCaselle(g, 2); },
       Nudo("CPN", 1, " 19 ", 0, "63", "63", "00,05"),
       {{1, " 139 "}},
       std::nullopt},
      {"nudi: una cifra ripetuta in una casella che segue non allunga l'unione",
       [](Gioco& g) {
         test::ImpostaTesti(g, {{0, " 12 "}, {1, " 23 "}, {2, " 113 "}, {3, " 12345 "}});
       },
       [](Gioco& g) { CandidatiCaselle(g, 3); },
       Nudo("SCI3", 3, " 45 ", 0, "123", "123", "00,01,02"),
       {{3, " 2345 "}},
       std::nullopt},
      {"nudi: una cifra ripetuta nella prima casella allunga l'unione, e la terna non si vede",
       [](Gioco& g) {
         test::ImpostaTesti(g, {{0, " 113 "}, {1, " 12 "}, {2, " 23 "}, {3, " 12345 "}});
       },
       [](Gioco& g) { CandidatiCaselle(g, 3); },
       std::nullopt,
       {},
       std::nullopt},
      {"nudi: la casella che ha perso il carattere estraneo della coppia non e' un bersaglio",
       // Cells 0 and 1 form the pair "1x", and no other cell of row 0 or box 18 lists a 1.
       // Cell 2 read " 2x " once and was then rewritten by its digits, as a hidden pair does:
       // it lists no x any more, and a move on it would remove nothing.
       [](Gioco& g) {
         test::SoloIn(g, 0, '1', {0, 1});
         test::SoloIn(g, 18, '1', {0, 1});
         test::ImpostaTesti(g, {{0, " 1x "}, {1, " 1x "}, {2, " 2x "}});
         g.griglia.Can.setDaMaschera(2, 1u << 2);
       },
       [](Gioco& g) { CandidatiCaselle(g, 2); },
       std::nullopt,
       {},
       std::nullopt},

      // Locked candidates count every digit of a text, so a digit listed twice in one cell
      // counts as two places in the same row, column and box.
      {"imprigiona: testi non ordinati e un carattere estraneo",
       [](Gioco& g) {
         test::SoloIn(g, 0, '4', {1, 2, 5});
         test::SoloIn(g, 18, '4', {1, 2});
         test::ImpostaTesti(g, {{1, " 941 "}, {2, " 4x8 "}, {5, " 7453 "}});
       },
       QuadroImprigiona,
       Imprigionato("PRQ", 5, " 753 ", 0, 18, "4", "01,02"),
       {{5, " 753 "}},
       std::nullopt},
      {"imprigiona: il 4 del quadro 18 scritto due volte nella casella 1",
       [](Gioco& g) {
         test::SoloIn(g, 0, '4', {1, 5});
         test::SoloIn(g, 18, '4', {1});
         test::ImpostaTesti(g, {{1, " 44 "}, {5, " 7453 "}});
       },
       QuadroImprigiona,
       Imprigionato("PRQ", 5, " 753 ", 0, 18, "4", "01,01"),
       {{5, " 753 "}},
       std::nullopt},
      {"imprigiona: il 7 della riga 0 scritto due volte nella casella 3",
       [](Gioco& g) {
         test::SoloIn(g, 0, '7', {3});
         g.griglia.Can.set(3, " 1277 ");
       },
       RigaColImprigiona,
       Imprigionato("PRC", 12, " 12345689 ", 0, 19, "7", "03,03"),
       {{12, " 12345689 "}},
       std::nullopt},

      // The fish read for each cell the digits it lists anywhere in its text.
      {"pesci: il bersaglio scrive il 4 due volte e ne perde uno per mossa",
       [](Gioco& g) {
         for (int z : {1, 5}) test::SoloIn(g, z, '4', {2, 6});
         g.griglia.Can.set(2, " 5443 ");
       },
       XWing,
       Pesce("XWN", 2, " 543 ", "4", "0", "11,15,47,51", {1, 5, 2, 6, 15, 16, 17, 18}),
       {{2, " 543 "}},
       std::nullopt},
      {"pesci: testi non ordinati e con spazi nel disegno",
       [](Gioco& g) {
         test::SoloIn(g, 0, '7', {1, 4});
         test::SoloIn(g, 3, '7', {1, 7});
         test::SoloIn(g, 6, '7', {4, 7});
         test::ImpostaTesti(g, {{1, " 97 1 "}, {34, " 7 3 "}, {58, " 8765 "}});
       },
       Swordfish,
       Pesce("SWF", 10, " 12345689 ", "7", "0", "31,28,01,04,34,61,58", {0, 3, 1, 4, 3, 6, 4, 7}),
       {{10, " 12345689 "}},
       std::nullopt},
  };
  return casi;
}

TEST(TestiFuoriForma, OgniFamigliaLeggeITestiComeSonoScritti) {
  for (const Caso& k : Casi()) {
    SCOPED_TRACE(k.nome);
    test::Partita p;
    Gioco& g = *p;
    test::TavolaLibera(g);
    k.prepara(g);
    ASSERT_FALSE(g.griglia.Can.tuttiCanonici());
    const TestiCandidati can = g.griglia.Can;

    g.ricerca.Mossa = MossaSentinella();
    test::InRicerca(g);
    k.metodo(g);
    EXPECT_EQ(g.ricerca.Trovata, k.attesa.has_value());
    const MossaTrovata atteso = k.attesa.value_or(MossaSentinella());
    EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(atteso));
    EXPECT_EQ(g.griglia.Can, can);

    // Apply mode on the board as prepared: comparing the texts above wrote them all out.
    test::TavolaLibera(g);
    k.prepara(g);
    test::InApplicazione(g);
    g.verifica.InTentativo = true;
    k.metodo(g);
    EXPECT_EQ(g.ricerca.Trovata, k.attesa.has_value());
    if (k.piazzata) {
      EXPECT_EQ(g.griglia.Cifra[k.piazzata->first], k.piazzata->second);
      continue;
    }
    TestiCandidati attesi = can;
    for (const Testo& t : k.dopo) attesi.set(t.c, t.can);
    EXPECT_EQ(g.griglia.Can, attesi);
    EXPECT_EQ(g.griglia.Riempite, 0);
  }
}

// The record of a saved game lists each cell's candidates as they stood; the restore keeps an odd
// text as it is, and the move search reads it.
TEST(TestiFuoriForma, IlRecordRipristinatoLasciaITestiComeSonoELaRicercaLiLegge) {
  test::Partita p;
  Gioco& g = *p;
  RegistroFlash& r = g.registro;
  for (int i = 0; i < 18; ++i) r.RigheDati[i] = std::string(9, ' ');
  for (int i = 18; i < 27; ++i) {
    r.RigheDati[i].clear();
    for (int j = 0; j < 9; ++j) {
      // Row 0 lists its only 5 in cell 3, out of order; the other cells of the row have no 5.
      r.RigheDati[i] += i > 18 ? "123456789" : j == 3 ? "9531" : "12346789";
      r.RigheDati[i] += ',';
    }
  }
  r.RigheUsate = 27;
  RipristinaFlash(g);
  EXPECT_EQ(g.griglia.Can[3], " 9531 ");
  EXPECT_EQ(g.griglia.Can[4], " 12346789 ");
  EXPECT_FALSE(g.griglia.Can.tuttiCanonici());

  g.ricerca.Mossa = MossaSentinella();
  CercaMossa(g);
  EXPECT_TRUE(g.ricerca.Trovata);
  EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(Singolo(3, " 5 ", 0)));
}

// Odd forms of a text in the program's form that keep its digits: " 135 " gives " 113355 ",
// " 531 ", " 135x ", " 1 3 5 " and "135".
using Forma = std::string (*)(std::string_view cifre);

constexpr std::pair<const char*, Forma> kForme[] = {
    {"cifre ripetute",
     [](std::string_view cifre) {
       std::string s = " ";
       for (char d : cifre) s += std::string(2, d);
       return s + " ";
     }},
    {"cifre rovesciate",
     [](std::string_view cifre) { return " " + std::string(cifre.rbegin(), cifre.rend()) + " "; }},
    {"carattere estraneo", [](std::string_view cifre) { return " " + std::string(cifre) + "x "; }},
    {"spazi tra le cifre",
     [](std::string_view cifre) {
       std::string s = " ";
       for (char d : cifre) s += std::string{d, ' '};
       return s;
     }},
    {"senza cornice", [](std::string_view cifre) { return std::string(cifre); }},
};

struct Passo {
  const char* nome;
  std::function<void(Gioco&)> applica;
};

// The methods in apply mode, in the order of the verification run's first pass, with the two it
// leaves out.
const std::vector<Passo>& Passi() {
  static const std::vector<Passo> passi = {
      {"CasellaSola", CasellaSola},
      {"candidato puro",
       [](Gioco& g) {
         if (const int c = g.griglia.Can.primoSolo(); c >= 0)
           PiazzaProvvisoria(g, c, g.griglia.Can.ridotto(c)[0]);
       }},
      {"Nascosti(1)", [](Gioco& g) { Nascosti(g, 1); }},
      {"CandidatiCaselle(2)", [](Gioco& g) { CandidatiCaselle(g, 2); }},
      {"Nascosti(2)", [](Gioco& g) { Nascosti(g, 2); }},
      {"QuadroImprigiona", QuadroImprigiona},
      {"RigaColImprigiona", RigaColImprigiona},
      {"CandidatiCaselle(3)", [](Gioco& g) { CandidatiCaselle(g, 3); }},
      {"TerneQuaterne(4)", [](Gioco& g) { TerneQuaterne(g, 4); }},
      {"XWing", XWing},
      {"Swordfish", Swordfish},
      {"TerneQuaterne(3)", [](Gioco& g) { TerneQuaterne(g, 3); }},
      {"Nascosti(3)", [](Gioco& g) { Nascosti(g, 3); }},
      {"TerneQuaterne(5)", [](Gioco& g) { TerneQuaterne(g, 5); }},
      {"Nascosti(4)", [](Gioco& g) { Nascosti(g, 4); }},
  };
  return passi;
}

struct Fotografia {
  std::array<char, kCelle> valori;
  std::array<std::string, kCelle> testi;
  bool operator==(const Fotografia&) const = default;
};

Fotografia Fotografa(const Gioco& g) {
  return {g.griglia.Cifra.valori(), g.griglia.Can.testi()};
}

// At every position each method of the catalogue looks without changing anything and names a
// cell of the grid; then the first method that applies something must have changed the grid.
// True when the position ran out of moves or reached a contradiction.
bool GiocaFinoAllaFine(Gioco& g) {
  for (int passo = 0; passo < 2000; ++passo) {
    const Fotografia prima = Fotografa(g);
    for (const Metodo& m : Catalogo()) {
      test::InRicerca(g);
      m.ricerca(g);
      EXPECT_EQ(Fotografa(g), prima) << m.chiave;
      if (!g.ricerca.Trovata) continue;
      const MossaTrovata& mt = g.ricerca.Mossa;
      EXPECT_TRUE(mt.CasellaMossa && CellaValida(*mt.CasellaMossa)) << TestoMossa(mt);
      EXPECT_TRUE(!mt.ZonaMossa || ZonaValida(*mt.ZonaMossa)) << TestoMossa(mt);
    }
    g.ricerca.ValoreIniziale = 1;
    g.ricerca.ValoreFinale = 9;
    Incrocia(g);

    const Passo* fatto = nullptr;
    for (const Passo& k : Passi()) {
      test::InApplicazione(g);
      k.applica(g);
      if (g.ricerca.Trovata) {
        fatto = &k;
        break;
      }
    }
    if (!fatto || !g.verifica.NessunErrore) return true;
    if (Fotografa(g) == prima) {
      ADD_FAILURE() << fatto->nome << " trova una mossa che non cambia nulla";
      return false;
    }
  }
  return false;
}

TEST(TestiFuoriForma, OgniMetodoCorreSuPosizioniVereSenzaMosseVuote) {
  std::vector<std::string> schemi;
  for (const char* nome : {"qqwing400.txt", "top95.txt"}) {
    const std::vector<std::string> tutti = test::verifica::Collezione(nome);
    ASSERT_GE(tutti.size(), 12u) << nome;
    schemi.insert(schemi.end(), tutti.begin(), tutti.begin() + 12);
  }
  for (const auto& [nome, forma] : kForme) {
    for (const std::string& schema : schemi) {
      SCOPED_TRACE(std::string(nome) + " " + schema);
      test::Partita p;
      Gioco& g = *p;
      test::CaricaGriglia(g, schema);
      test::VistaNessuno(g);
      // Every other cell with candidates in the odd form, the rest in the program's.
      for (int c = 0; c < kCelle; c += 2)
        if (!g.HaValore(c)) g.griglia.Can.set(c, forma(std::string(g.griglia.Can.ridotto(c))));
      ASSERT_FALSE(g.griglia.Can.tuttiCanonici());
      g.verifica.InTentativo = true;
      EXPECT_TRUE(GiocaFinoAllaFine(g));
    }
  }
}

}  // namespace
}  // namespace orv
