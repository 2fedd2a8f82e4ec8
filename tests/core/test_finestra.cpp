#include <gtest/gtest.h>

#include "fixture.h"

namespace orv {
namespace {

using test::Aspetto;
using test::CaricaGriglia;
using test::Partita;

// Leaves the window in a played-looking state that the reset must undo.
void Sporca(Gioco& g) {
  CaricaGriglia(
      g, "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
  for (int i = 0; i < kCelle; ++i) g.f.caN[i].setVisible(true);
  g.f.caN[7].setBackColor(kGialloCursore);
  g.f.caN[8].setBorder(true);
  g.f.ListCons.addItem("qualcosa");
  g.partita.NumErrori = 3;
  g.f.NErr.setCaption("3 Errori");
  g.f.SemaLab.setCaption("ERR");
  g.f.Semaf.setFillColor(kRossoSemaforo);
  g.partita.CellaSegnalata = 12;
  g.partita.UltimaModifica = "x";
  g.partita.InGioco = true;
  g.verifica.Soluzione[3] = "4";
  g.f.Gioca.setEnabled(true);
  g.f.mSoluz.setEnabled(true);
  g.f.mSoluz.setChecked(true);
  g.f.mFunzAva.setChecked(true);
  g.f.Cons1.setVisible(true);
  g.f.Cons1.setEnabled(true);
  g.f.surface.circle(100, 100, 50, kVerdeReticolo);
  g.f.cM.load(3);
  g.f.cv1.load(2);
  g.partita.NumOpzioniTentativo = 2;
  g.f.Peri.print("riga");
}

TEST(Azzera, LeavesTheWindowAsAtStartUp) {
  Partita p;
  Gioco& g = *p;
  Sporca(g);
  g.f.Azzera.onClick();
  Form1& f = g.f;
  for (int i = 0; i < kCelle; ++i) {
    const Label& l = f.caN[i];
    EXPECT_FALSE(l.visible()) << i;
    EXPECT_EQ(l.caption(), "") << i;
    EXPECT_EQ(l.backColor(), kBianco) << i;
    EXPECT_FALSE(l.border()) << i;
    EXPECT_EQ(l.foreColor(), kRosso) << i;
    EXPECT_EQ(l.font().size, 9) << i;
    EXPECT_EQ(l.tooltip(), std::to_string(i));
    EXPECT_FALSE(g.HaValore(i));
    EXPECT_EQ(g.griglia.Can[i], "");
    EXPECT_EQ(g.verifica.Soluzione[i], "");
  }
  EXPECT_EQ(g.griglia.Riempite, 0);
  EXPECT_EQ(g.partita.Cursore, 0);
  EXPECT_EQ(f.Fatti.caption(), "0");
  EXPECT_EQ(f.NErr.caption(), "");
  EXPECT_EQ(g.partita.NumErrori, 0);
  EXPECT_EQ(f.SemaLab.caption(), "VAI");
  EXPECT_EQ(f.SemaLab.backColor(), kVerdeSemaforo);
  EXPECT_EQ(f.Semaf.fillColor(), kVerdeSemaforo);
  EXPECT_EQ(g.partita.CellaSegnalata, kNessunaCella);
  EXPECT_EQ(g.partita.UltimaModifica, "");
  EXPECT_FALSE(g.partita.InGioco);
  EXPECT_TRUE(g.partita.ModoConsigli);
  EXPECT_EQ(g.verifica.ColoreMossa, kBluMossa);
  EXPECT_EQ(g.verifica.ValutazioneTesto, "??");
  const std::vector<std::string> benvenuto = {"- Clic su 'Dati Iniziali' per costruire",
                                              "  un nuovo gioco o clic su 'Apri' per",
                                              "  riprendere un gioco salvato."};
  EXPECT_EQ(f.ListCons.items(), benvenuto);
  EXPECT_TRUE(f.surface.drawings().empty());
  EXPECT_FALSE(f.cM.loaded(3));
  EXPECT_FALSE(f.cv1.loaded(2));
  EXPECT_EQ(g.partita.NumOpzioniTentativo, 0);
  EXPECT_TRUE(f.Peri.lines().empty());
  EXPECT_FALSE(f.Peri.visible());
  EXPECT_FALSE(f.APeri.visible());

  for (Control* c :
       std::initializer_list<Control*>{&f.Apri, &f.DatIniz, &f.mApri, &f.mCrea, &f.mFunzAva})
    EXPECT_TRUE(c->enabled()) << c->name();
  for (Control* c : std::initializer_list<Control*>{
           &f.Salva,     &f.Gioca,   &f.mSalva,   &f.Sugge0,   &f.Sugge1,   &f.Sugge2,   &f.Sugge6,
           &f.Sugge8,    &f.Sugge3a, &f.Sugge3b,  &f.Sugge3c,  &f.Sugge3d,  &f.Sugge5,   &f.Cons1,
           &f.Cons2,     &f.Cons3,   &f.Applica,  &f.VaiTenta, &f.AppTenta, &f.mApplica, &f.mSoluz,
           &f.mPerSuCom, &f.mRicFla, &f.mMosRiso, &f.mValuta,  &f.mCanMoss, &f.mNuoVal,  &f.mRicMan,
           &f.mSugge0,   &f.mSugge1, &f.mSugge2,  &f.mSugge6,  &f.mSugge8})
    EXPECT_FALSE(c->enabled()) << c->name();
  for (Control* c : std::initializer_list<Control*>{
           &f.Cons0, &f.Cons1, &f.Cons2, &f.Cons3, &f.Applica, &f.Tenta0, &f.VaiTenta, &f.AppTenta,
           &f.CorCan, &f.CorCanT, &f.CorCanF, &f.CorVF, &f.ImaCompl})
    EXPECT_FALSE(c->visible()) << c->name();
  EXPECT_FALSE(f.mSoluz.checked());
  EXPECT_FALSE(f.mFunzAva.checked());
  // "Nessuno" keeps its state; the other view options are cleared.
  EXPECT_FALSE(f.Sugge1.value());
  EXPECT_EQ(g.Vista(), ModoVista::Nessuno);
  EXPECT_FALSE(f.TempCons.enabled());
  EXPECT_EQ(f.caption, kTitoloFinestra);
}

TEST(Azzera, GridLayout) {
  Partita p;
  Gioco& g = *p;
  Form1& f = g.f;
  // The grid starts 560 twips right of "Apri"; columns 0, 3 and 6 sit 10 further right.
  EXPECT_EQ(g.geometria.OrigineSinistra, 120 + 1335 + 560);
  EXPECT_EQ(g.geometria.OrigineAlto, 240);
  struct Caso {
    int i, left, top;
  };
  for (const Caso& k :
       {Caso{0, 2025, 240}, Caso{1, 2655, 240}, Caso{3, 3945, 240}, Caso{6, 5865, 240},
        Caso{8, 7135, 240}, Caso{80, 7135, 5360}, Caso{40, 4575, 2800}}) {
    EXPECT_EQ(f.caN[k.i].left(), k.left) << k.i;
    EXPECT_EQ(f.caN[k.i].top(), k.top) << k.i;
  }
  for (int i = 0; i <= 9; ++i) {
    EXPECT_EQ(f.liO[i].borderWidth(), i % 3 == 0 ? 3 : 1) << i;
    EXPECT_EQ(f.liV[i].borderWidth(), i % 3 == 0 ? 3 : 1) << i;
    EXPECT_EQ(f.liO[i].y1(), 220 + 640 * i);
    EXPECT_EQ(f.liO[i].x2() - f.liO[i].x1(), 9 * 640);
    EXPECT_EQ(f.liV[i].x1(), 1995 + 640 * i);
    EXPECT_EQ(f.ri[i].visible(), i < 9);
    EXPECT_EQ(f.co[i].visible(), i < 9);
    EXPECT_EQ(f.ri[i].left(), 1995 - 200);
    EXPECT_EQ(f.ri[i].top(), 220 + 640 * i + 100);
    EXPECT_EQ(f.co[i].left(), 1995 + 640 * i + 200);
    EXPECT_EQ(f.co[i].top(), 20);
    EXPECT_EQ(f.ri[i].foreColor(), kVerdeReticolo);
  }
  EXPECT_EQ(f.ri[8].caption(), "I");
  EXPECT_EQ(f.co[0].caption(), "a");
  EXPECT_EQ(f.Fatti.left(), 7755 + 200);
  EXPECT_EQ(f.Resto.left(), 7955 + 615);
  EXPECT_EQ(f.Semaf.left(), 8570 + 2295 + 300);
  EXPECT_EQ(f.SemaLab.width(), 615 - 60);
  EXPECT_EQ(f.SemaLab.left(), f.Semaf.left() + 30);
  EXPECT_EQ(f.NErr.left(), 8570 + 2295 / 2);
  EXPECT_EQ(f.FraCons.left(), 7955);
  EXPECT_EQ(f.FraCons.top(), 240 + 2 * 375);
  EXPECT_EQ(f.APeri.left(), 2015 + 100);
  EXPECT_EQ(f.APeri.top(), 240 + 9 * 640 + 20);
  EXPECT_EQ(f.Peri.top(), f.APeri.top());
  // A second reset lays the array members again without piling them up.
  Azzera(g);
  EXPECT_EQ(f.liO.upperBound(), 10);
  EXPECT_EQ(f.ri.upperBound(), 10);
}

// A reset of a built grid keeps the loaded lines and headings, but whatever was done to them is
// undone: they end as in a window just started.
TEST(Azzera, LinesAndHeadingsOfABuiltGridEndAsAtStartUp) {
  Partita nuova, usata;
  Form1& f = usata->f;
  f.ri[3].setCaption("?");
  f.ri[3].setBackColor(kGialloCursore);
  f.ri[3].onClick = [] {};
  f.co[9].setVisible(true);
  f.co[2].setTooltip("b");
  f.co[2].setFontBold(true);
  f.liO[4].setEnds(0, 0, 1, 1);
  f.liO[4].setBorderWidth(5);
  f.liV[2].setForeColor(kRosso);
  f.liV[7].setVisible(false);
  f.ri.unload(5);
  f.liO.unload(9);
  f.co.load(12);
  Azzera(*usata);

  const Form1& attesa = nuova->f;
  const auto confronta = [](const auto& a, const auto& b) {
    ASSERT_EQ(a.upperBound(), b.upperBound()) << a.name();
    for (int i = 0; i < a.upperBound(); ++i) {
      ASSERT_EQ(a.loaded(i), b.loaded(i)) << a.name() << i;
      EXPECT_EQ(Aspetto(a[i]), Aspetto(b[i])) << a.name() << i;
    }
  };
  confronta(f.liO, attesa.liO);
  confronta(f.liV, attesa.liV);
  confronta(f.ri, attesa.ri);
  // Members past 9 are none of the reset's business, as before.
  EXPECT_TRUE(f.co.loaded(12));
  f.co.unload(12);
  confronta(f.co, attesa.co);
  EXPECT_FALSE(static_cast<bool>(f.ri[3].onClick));
}

TEST(MostraCandidati, FiveOnTheFirstLineThenTheRest) {
  Partita p;
  Gioco& g = *p;
  std::string s(81, '.');
  s[0] = '5';
  CaricaGriglia(g, s, false);
  g.griglia.Can.set(1, " 12345 ");
  g.griglia.Can.set(2, " 123456 ");
  g.griglia.Can.set(3, " 123456789 ");
  g.griglia.Can.set(4, "  ");
  g.griglia.Can.set(5, " 7 ");
  g.f.Sugge1.setValue(true);
  MostraCandidati(g);
  EXPECT_EQ(g.f.caN[0].caption(), "5");  // a value is not touched
  EXPECT_EQ(g.f.caN[1].caption(), "12345");
  EXPECT_EQ(g.f.caN[2].caption(), "12345 6");
  EXPECT_EQ(g.f.caN[3].caption(), "12345 6789");
  EXPECT_EQ(g.f.caN[4].caption(), "");
  EXPECT_EQ(g.f.caN[5].caption(), "7");
  EXPECT_EQ(g.f.caN[3].font().name, "Courier New");
  EXPECT_EQ(g.f.caN[3].font().size, 9);
}

TEST(MostraCandidati, OnlyWhenTheViewOrTheHintAsksForThem) {
  struct Caso {
    OptionButton Form1::*opzione;
    LivelloConsiglio livello;
    bool mostra;
  };
  for (const Caso& k : {Caso{&Form1::Sugge0, LivelloConsiglio::Nessuno, false},
                        Caso{&Form1::Sugge2, LivelloConsiglio::Valore, false},
                        Caso{&Form1::Sugge0, LivelloConsiglio::Dove, true},
                        Caso{&Form1::Sugge1, LivelloConsiglio::Nessuno, true},
                        Caso{&Form1::Sugge6, LivelloConsiglio::Nessuno, true},
                        Caso{&Form1::Sugge8, LivelloConsiglio::Metodo, true}}) {
    Partita p;
    Gioco& g = *p;
    CaricaGriglia(g, std::string(81, '.'), false);
    (g.f.*k.opzione).setValue(true);
    g.partita.Livello = k.livello;
    MostraCandidati(g);
    EXPECT_EQ(g.f.caN[10].caption(), k.mostra ? "12345 6789" : "");
  }
}

TEST(Pannello, ProntoConsigliAndPulisciCaselle) {
  Partita p;
  Gioco& g = *p;
  std::string s(81, '.');
  s[4] = '8';
  CaricaGriglia(g, s, false);
  g.f.caN[4].setCaption("x");
  g.f.caN[5].setCaption("123");
  g.f.caN[5].setBorder(true);
  g.f.caN[6].setBackColor(kRosaMarca);
  g.f.cv1.load(1);
  g.partita.NumOpzioniTentativo = 1;
  g.f.CorVF.setVisible(true);
  g.partita.ModoConsigli = false;
  ProntoConsigli(g);
  EXPECT_EQ(g.f.caN[4].caption(), "8");
  EXPECT_EQ(g.f.caN[5].caption(), "");
  EXPECT_FALSE(g.f.caN[5].border());
  EXPECT_EQ(g.f.caN[6].backColor(), kBianco);
  EXPECT_FALSE(g.f.CorVF.visible());
  EXPECT_FALSE(g.f.cv1.loaded(1));
  EXPECT_EQ(g.f.ListCons.items(), std::vector<std::string>{"PRONTO PER I CONSIGLI"});
  EXPECT_TRUE(g.partita.ModoConsigli);
  EXPECT_TRUE(g.f.Cons1.enabled() && g.f.Cons2.enabled() && g.f.Cons3.enabled());
  EXPECT_FALSE(g.f.VaiTenta.enabled());
  EXPECT_FALSE(g.f.AppTenta.enabled());

  g.f.caN[9].setBackColor(kGrigioEsclusione);
  g.f.caN[9].setBorder(true);
  g.partita.SfondoCursore = kGialloCursore;
  PulisciCaselle(g);
  EXPECT_EQ(g.f.caN[9].backColor(), kBianco);
  EXPECT_FALSE(g.f.caN[9].border());
  EXPECT_EQ(g.partita.SfondoCursore, kBianco);
}

TEST(RicalcoloMenu, ShowsAllCandidatesAndEnablesTheHints) {
  Partita p;
  Gioco& g = *p;
  CaricaGriglia(
      g, "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
  g.f.Sugge0.setValue(true);
  g.f.caN[2].setCaption("");
  g.f.mRicMan.onClick();
  EXPECT_EQ(g.Vista(), ModoVista::Tutti);
  EXPECT_EQ(g.griglia.Can[2], " 124 ");
  EXPECT_EQ(g.f.caN[2].caption(), "124");
  EXPECT_EQ(g.f.caN[2].foreColor(), kRosso);
  EXPECT_EQ(g.f.caN[0].caption(), "5");
  EXPECT_EQ(g.f.ListCons.items(), std::vector<std::string>{"I CANDIDATI SONO RICALCOLATI"});
  EXPECT_TRUE(g.f.Cons1.enabled() && g.f.Cons2.enabled() && g.f.Cons3.enabled());
}

}  // namespace
}  // namespace orv
