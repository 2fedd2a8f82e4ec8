#include "model/azzera.h"

#include <memory>

#include "model/celle.h"
#include "model/vista.h"

namespace orv {

const char* const kTitoloFinestra = "Orvento Versione 2.3 - allenatore di Sudoku";

namespace {

// A part made anew where it stands: the same as assigning a fresh one, without building the
// fresh one aside and copying it over (the parts hold large tables, and the batch tool resets
// between every two puzzles).
template <class Parte>
void Rinnova(Parte& p) {
  std::destroy_at(&p);
  std::construct_at(&p);
}

void ScriviBenvenuto(Gioco& g) {
  ListBox& l = g.f.ListCons;
  l.addItem("- Clic su 'Dati Iniziali' per costruire");
  l.addItem("  un nuovo gioco o clic su 'Apri' per");
  l.addItem("  riprendere un gioco salvato.");
}

// The cell numbers as the cell tooltips show them.
const std::array<std::string, kCelle>& NumeriCelle() {
  static const std::array<std::string, kCelle> numeri = [] {
    std::array<std::string, kCelle> n;
    for (int i = 0; i < kCelle; ++i) n[i] = std::to_string(i);
    return n;
  }();
  return numeri;
}

}  // namespace

void DisponiGriglia(Gioco& g) {
  Form1& f = g.f;
  // The lines and headings 1..9 are laid as new copies of member 0: reload loads them the first
  // time, and gives a loaded member just that afterwards, keeping it.
  if (g.geometria.GrigliaCostruita)
    for (int i = f.cM.upperBound() - 1; i >= 1; --i) f.cM.unload(i);
  f.surface.clear();
  const int passo = g.geometria.PassoCasella;
  const std::array<std::string, kCelle>& numeri = NumeriCelle();
  for (int i = 0; i < kCelle; ++i) {
    const int r = i / 9, c = i % 9;
    Label& l = f.caN[i];
    l.setTop(g.geometria.OrigineAlto + passo * r);
    l.setLeft(g.geometria.OrigineSinistra + passo * c + (c % 3 == 0 ? 10 : 0));
    l.setCaption("");
    l.setBackColor(kBianco);
    l.setBorder(false);
    l.setFontSize(g.geometria.DimCandidati);
    l.setForeColor(kRosso);
    l.setTooltip(numeri[i]);
    l.setVisible(false);
  }
  g.partita.Cursore = 0;
  const int x0 = g.geometria.OrigineSinistra - 20, y0 = g.geometria.OrigineAlto - 20;
  for (int i = 0; i <= 9; ++i) {
    Line& o = f.liO.reload(i);
    o.setEnds(x0, y0 + passo * i, x0 + 9 * passo, y0 + passo * i);
    o.setBorderWidth(i % 3 == 0 ? 3 : 1);
    o.setVisible(true);
    Label& h = f.ri.reload(i);
    h.setCaption(std::string(1, static_cast<char>('A' + i)));
    h.move(o.x1() - 200, o.y1() + 100, 180, 255);
    h.setVisible(i < 9);
  }
  g.geometria.GrigliaDestra = f.liO[9].x2();
  g.geometria.GrigliaBasso = f.liO[9].y2();
  for (int i = 0; i <= 9; ++i) {
    Line& v = f.liV.reload(i);
    v.setEnds(x0 + passo * i, y0, x0 + passo * i, y0 + 9 * passo);
    v.setBorderWidth(i % 3 == 0 ? 3 : 1);
    v.setVisible(true);
    Label& h = f.co.reload(i);
    h.setCaption(std::string(1, static_cast<char>('a' + i)));
    h.move(v.x1() + 200, y0 - 200, 240, 195);
    h.setVisible(i < 9);
  }
  f.Fatti.setLeft(f.liV[9].x1() + 200);
  f.Resto.setLeft(f.Fatti.left() + f.Fatti.width());
  f.Semaf.setLeft(f.Resto.left() + f.Resto.width() + 300);
  f.SemaLab.setWidth(f.Semaf.width() - 60);
  f.SemaLab.setLeft(f.Semaf.left() + 30);
  f.NErr.setLeft(f.Resto.left() + f.Resto.width() / 2);
  f.FraCons.setLeft(f.Fatti.left());
  f.FraCons.setTop(f.Fatti.top() + 2 * f.Fatti.height());
}

void Azzera(Gioco& g) {
  Form1& f = g.f;
  // The per-game parts of the model, fresh: whatever a field holds, it is back to its start
  // value. The parts that outlive a game are left alone.
  Rinnova(g.griglia);
  Rinnova(g.registro);
  Rinnova(g.verifica);
  Rinnova(g.ricerca);
  Rinnova(g.partita);

  DisponiGriglia(g);

  f.ListCons.clear();
  for (Control* c : std::initializer_list<Control*>{&f.Cons0, &f.Cons1, &f.Cons2, &f.Cons3,
                                                    &f.Applica, &f.Tenta0, &f.VaiTenta, &f.AppTenta,
                                                    &f.CorCan, &f.CorCanT, &f.CorCanF})
    c->setVisible(false);
  f.CorVF.setVisible(false);
  ScaricaOpzioniTentativo(g);

  f.APeri.setLeft(g.geometria.OrigineSinistra + 100);
  f.APeri.setTop(g.geometria.OrigineAlto + 9 * 640 + 20);
  f.Peri.setTop(f.APeri.top());
  f.APeri.clear();
  f.Peri.clear();

  g.geometria.GrigliaCostruita = true;
  for (Control* c : std::initializer_list<Control*>{&f.Apri, &f.mApri, &f.mCrea, &f.DatIniz})
    c->setEnabled(true);
  for (Control* c : std::initializer_list<Control*>{&f.Salva, &f.mSalva, &f.Gioca})
    c->setEnabled(false);
  f.TempCons.setEnabled(false);
  for (Control* c : std::initializer_list<Control*>{&f.Sugge0, &f.Sugge1, &f.Sugge3a})
    c->setEnabled(false);

  f.caN[0].setBackColor(g.partita.SfondoCursore);

  f.Applica.setEnabled(false);
  f.mApplica.setEnabled(false);
  f.ImaCompl.setVisible(false);
  f.Peri.setVisible(false);
  f.mSoluz.setEnabled(false);
  f.mSoluz.setChecked(false);
  f.mMosRiso.setChecked(false);

  ScriviBenvenuto(g);

  for (Button* b : {&f.Cons1, &f.Cons2, &f.Cons3}) b->setEnabled(false);
  for (MenuItem* m :
       {&f.mPerSuCom, &f.mRicFla, &f.mMosRiso, &f.mValuta, &f.mCanMoss, &f.mNuoVal, &f.mRicMan})
    m->setEnabled(false);

  for (OptionButton* o : {&f.Sugge1, &f.Sugge2, &f.Sugge6, &f.Sugge8}) o->setValue(false);

  f.Semaf.setFillColor(kVerdeSemaforo);
  f.SemaLab.setBackColor(kVerdeSemaforo);
  f.SemaLab.setCaption("VAI");

  for (MenuItem* m : {&f.mSugge0, &f.mSugge1, &f.mSugge2, &f.mSugge6, &f.mSugge8})
    m->setEnabled(false);
  for (Control* c :
       std::initializer_list<Control*>{&f.Sugge1, &f.Sugge2, &f.Sugge6, &f.Sugge8, &f.Sugge3a,
                                       &f.Sugge3b, &f.Sugge3c, &f.Sugge3d, &f.Sugge5})
    c->setEnabled(false);

  f.VaiTenta.setEnabled(false);
  f.VaiTenta.setBackColor(kFacciaPulsante);
  f.AppTenta.setEnabled(false);
  f.mFunzAva.setChecked(false);

  f.NErr.setCaption("");
  f.Fatti.setCaption("0");

  AggiornaPannello(g);
  f.caption = kTitoloFinestra;
}

}  // namespace orv
