// The reset gives every per-game part of the model back fresh, whatever its fields held, and
// leaves alone what outlives a game.
#include <gtest/gtest.h>

#include "fixture.h"

namespace orv {
namespace {

// Every field of the parts the reset empties, away from its fresh value.
void SporcaPartiDelGioco(Gioco& g) {
  Griglia& gr = g.griglia;
  gr.Cifra.set(4, '7');
  gr.Orig[4] = Origine::Blu;
  gr.Can.set(5, " 13 ");
  gr.Riempite = 12;

  RegistroFlash& r = g.registro;
  r.RigheDati[3] = "123";
  r.RigheDatiCopia[26] = "x";
  r.RigheUsate = 27;
  r.RiempiteRegistrate = 40;
  r.ConsigliInizioTentativi = 8;
  r.DatiRegistrati = false;
  r.InSalvataggio = true;
  r.CandidatiModificati = true;
  r.Ricaricato = true;
  r.RigheLette = 18;

  StatoVerifica& v = g.verifica;
  v.Soluzione[0] = "5";
  v.SoluzioneTentativi[80] = "9";
  v.UsoMetodiConta[2] = 3;
  v.UsoMetodiSalvati[16] = 1;
  v.RigaMetodo = 4;
  v.InCancellazione = true;
  v.CandidatiPronti = true;
  v.ElencoTentativi[1] = {10, '3', -1};
  v.NumVociTentativi = 1;
  v.IndiceTentativo = 1;
  v.ValoriInizio[7] = "2";
  v.ElencoMosse = {"US-R: 'Aa' =5"};
  v.NumMosse = 1;
  v.NessunErrore = false;
  v.InTentativo = true;
  v.NumConsigli = 30;
  v.Tentativi = 2;
  v.ColoreMossa = kBianco;
  v.ValutazioneTesto = " Medio";

  StatoRicerca& s = g.ricerca;
  s.SoloRicerca = true;
  s.InRisoluzione = true;
  s.Trovata = true;
  s.Mossa.CodiceMetodo = "XWN";
  s.Mossa.ValoreMossa = " 12 ";
  s.Mossa.CasellaMossa = 3;
  s.Mossa.ZonaMossa = 4;
  s.Mossa.DaTogliere = "5";
  s.Mossa.Gruppo = "0";
  s.Mossa.CaselleGruppo = "01,02";
  s.Mossa.SecondaZona = 20;
  s.Mossa.Rettangoli[7] = 8;
  s.ValoreIniziale = 1;
  s.ValoreFinale = 9;
  s.Esclusa[40] = true;

  StatoPartita& p = g.partita;
  p.UltimaModifica = "A1";
  p.CellaSegnalata = 12;
  p.NumErrori = 3;
  p.ModoConsigli = false;
  p.InGioco = true;
  p.DatiIniziati = true;
  p.FlashPreso = true;
  p.Livello = LivelloConsiglio::Dove;
  p.Cursore = 30;
  p.SfondoCursore = kGialloCursore;
  p.NumOpzioniTentativo = 2;
  p.SchemaCreato = true;
}

TEST(Azzera, EmptiesEveryPerGamePartWhateverItHeld) {
  test::Partita partita;
  Gioco& g = *partita;
  SporcaPartiDelGioco(g);
  // Each part now differs from a fresh one, so the checks below can fail.
  ASSERT_FALSE(g.griglia == Griglia{});
  ASSERT_FALSE(g.registro == RegistroFlash{});
  ASSERT_FALSE(g.verifica == StatoVerifica{});
  ASSERT_FALSE(g.ricerca == StatoRicerca{});
  ASSERT_FALSE(g.partita == StatoPartita{});

  g.f.Azzera.onClick();

  EXPECT_TRUE(g.griglia == Griglia{});
  EXPECT_TRUE(g.registro == RegistroFlash{});
  EXPECT_TRUE(g.verifica == StatoVerifica{});
  EXPECT_TRUE(g.ricerca == StatoRicerca{});
  EXPECT_TRUE(g.partita == StatoPartita{});
}

TEST(Azzera, KeepsWhatOutlivesAGame) {
  test::Partita partita;
  Gioco& g = *partita;
  // The priority dialog's order, the creation in progress (a failed verification resets the
  // window and the creation still reads CreazioneFallita), the names, the sizes, the option
  // "Nessuno", the caches and the techniques' test switch.
  std::swap(g.tabelle.Priorita[1], g.tabelle.Priorita[13]);
  const auto priorita = g.tabelle.Priorita;
  g.creazione.InCreazione = true;
  g.creazione.CreazioneFallita = true;
  g.creazione.NumModello = 3;
  g.creazione.Simmetria = 2;
  g.creazione.NumSchemi = 11;
  g.file.NomeFile = "Dia012Cr30";
  g.file.FileGuida = "guida";
  g.geometria.DimValore = 20;
  g.geometria.DimCandidati = 8;
  g.cache.BiancheDa = 77;
  g.cache.UltimaLettura.valida = true;
  g.cache.SenzaEsito[3].valori[4] = 5;
  g.tecniche.SoloTesti = true;
  g.f.Sugge0.setValue(true);

  g.f.Azzera.onClick();

  EXPECT_EQ(g.tabelle.Priorita, priorita);
  EXPECT_EQ(g.tabelle.NumMetodi, 15);
  EXPECT_EQ(g.tabelle.UsoMetodiEtichetta[16], "N.17 ");
  EXPECT_TRUE(g.creazione.InCreazione);
  EXPECT_TRUE(g.creazione.CreazioneFallita);
  EXPECT_EQ(g.creazione.NumModello, 3);
  EXPECT_EQ(g.creazione.Simmetria, 2);
  EXPECT_EQ(g.creazione.NumSchemi, 11);
  EXPECT_EQ(g.file.NomeFile, "Dia012Cr30");
  EXPECT_EQ(g.file.FileGuida, "guida");
  EXPECT_EQ(g.geometria.DimValore, 20);
  EXPECT_EQ(g.geometria.DimCandidati, 8);
  EXPECT_EQ(g.cache.BiancheDa, 77u);
  EXPECT_TRUE(g.cache.UltimaLettura.valida);
  EXPECT_EQ(g.cache.SenzaEsito[3].valori[4], 5u);
  EXPECT_TRUE(g.tecniche.SoloTesti);
  EXPECT_TRUE(g.f.Sugge0.value());
}

}  // namespace
}  // namespace orv
