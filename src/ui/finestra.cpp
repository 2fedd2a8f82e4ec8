#include "ui/finestra.h"

#include "model/candidati.h"
#include "model/celle.h"
#include "model/tabelle.h"
#include "verification/verifica.h"

namespace orv {

const char* const kTitoloFinestra = "Orvento Versione 2.3 - allenatore di Sudoku";

namespace {

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

void ScaricaOpzioniTentativo(Gioco& g) {
  for (int i = g.f.cv1.upperBound() - 1; i >= 1; --i) g.f.cv1.unload(i);
  g.NumOpzioniTentativo = 0;
}

}  // namespace

std::string_view TestoCandidati(std::string_view ridotto, std::string& buf) {
  if (ridotto.size() <= 5) return ridotto;
  buf.assign(ridotto.data(), 5);
  buf += ' ';
  buf.append(ridotto.data() + 5, ridotto.size() - 5);
  return buf;
}

void Form_Load(Gioco& g) {
  Form1& f = g.f;
  g.Righe = 9;
  g.Colonne = 9;
  g.PassoCasella = 640;
  g.OrigineSinistra = f.Apri.left() + f.Apri.width() + 560;
  g.OrigineAlto = f.Apri.top();
  g.DimValore = 18;
  g.DimCandidati = 9;
  InizializzaTabelle(g);
  for (int i = 1; i < kCelle; ++i) f.caN.load(i).setVisible(true);
  g.NomeFile = " ";
  for (int i = 1; i <= 9; ++i) f.Sugge3a.addItem(" " + std::to_string(i));
  g.GrigliaCostruita = false;
  Azzera(g);
  g.platform.repaintNow();
  g.FileGuida = "ORVENTO.hlp";
}

void DisponiGriglia(Gioco& g) {
  Form1& f = g.f;
  // The lines and headings 1..9 are laid as new copies of member 0: reload loads them the first
  // time, and gives a loaded member just that afterwards, keeping it.
  if (g.GrigliaCostruita)
    for (int i = f.cM.upperBound() - 1; i >= 1; --i) f.cM.unload(i);
  f.surface.clear();
  const int passo = g.PassoCasella;
  const std::array<std::string, kCelle>& numeri = NumeriCelle();
  for (int i = 0; i < kCelle; ++i) {
    const int r = i / 9, c = i % 9;
    Label& l = f.caN[i];
    l.setTop(g.OrigineAlto + passo * r);
    l.setLeft(g.OrigineSinistra + passo * c + (c % 3 == 0 ? 10 : 0));
    l.setCaption("");
    l.setBackColor(kBianco);
    l.setBorder(false);
    l.setFontSize(g.DimCandidati);
    l.setForeColor(kRosso);
    l.setTooltip(numeri[i]);
    l.setVisible(false);
  }
  g.Cursore = 0;
  const int x0 = g.OrigineSinistra - 20, y0 = g.OrigineAlto - 20;
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
  g.GrigliaDestra = f.liO[9].x2();
  g.GrigliaBasso = f.liO[9].y2();
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
  DisponiGriglia(g);

  f.ListCons.clear();
  for (Control* c : std::initializer_list<Control*>{&f.Cons0, &f.Cons1, &f.Cons2, &f.Cons3,
                                                    &f.Applica, &f.Tenta0, &f.VaiTenta, &f.AppTenta,
                                                    &f.CorCan, &f.CorCanT, &f.CorCanF})
    c->setVisible(false);
  g.ModoConsigli = true;
  f.CorVF.setVisible(false);
  ScaricaOpzioniTentativo(g);

  f.APeri.setLeft(g.OrigineSinistra + 100);
  f.APeri.setTop(g.OrigineAlto + 9 * 640 + 20);
  f.Peri.setTop(f.APeri.top());
  f.APeri.clear();
  f.Peri.clear();

  g.GrigliaCostruita = true;
  g.Riempite = 0;
  g.InGioco = false;
  for (Control* c :
       std::initializer_list<Control*>{&f.Apri, &f.voce("mApri"), &f.voce("mCrea"), &f.DatIniz})
    c->setEnabled(true);
  for (Control* c : std::initializer_list<Control*>{&f.Salva, &f.voce("mSalva"), &f.Gioca})
    c->setEnabled(false);
  g.DatiIniziati = false;
  f.TempCons.setEnabled(false);
  for (Control* c : std::initializer_list<Control*>{&f.Sugge0, &f.Sugge1, &f.Sugge3a})
    c->setEnabled(false);

  g.SfondoCursore = kBianco;
  f.caN[0].setBackColor(g.SfondoCursore);

  g.Cifra.azzera();
  g.Can.svuota();
  for (int c = 0; c < kCelle; ++c) {
    g.Orig[c] = Origine::Nessuna;
    g.Soluzione[c].clear();
    g.SoluzioneTentativi[c].clear();
    g.Esclusa[c] = false;
  }
  for (auto& r : g.RigheDati) r.clear();
  for (auto& r : g.RigheDatiCopia) r.clear();
  g.UsoMetodiSalvati.fill(0);
  g.UsoMetodiConta.fill(0);

  f.Applica.setEnabled(false);
  f.voce("mApplica").setEnabled(false);
  f.ImaCompl.setVisible(false);
  f.Peri.setVisible(false);
  f.voce("mSoluz").setEnabled(false);
  f.voce("mSoluz").setChecked(false);
  f.voce("mMosRiso").setChecked(false);

  ScriviBenvenuto(g);

  for (Button* b : {&f.Cons1, &f.Cons2, &f.Cons3}) b->setEnabled(false);
  for (const char* m :
       {"mPerSuCom", "mRicFla", "mMosRiso", "mValuta", "mCanMoss", "mNuoVal", "mRicMan"})
    f.voce(m).setEnabled(false);

  for (OptionButton* o : {&f.Sugge1, &f.Sugge2, &f.Sugge6, &f.Sugge8}) o->setValue(false);

  f.Semaf.setFillColor(kVerdeSemaforo);
  f.SemaLab.setBackColor(kVerdeSemaforo);
  f.SemaLab.setCaption("VAI");

  for (const char* m : {"mSugge0", "mSugge1", "mSugge2", "mSugge6", "mSugge8"})
    f.voce(m).setEnabled(false);
  for (Control* c :
       std::initializer_list<Control*>{&f.Sugge1, &f.Sugge2, &f.Sugge6, &f.Sugge8, &f.Sugge3a,
                                       &f.Sugge3b, &f.Sugge3c, &f.Sugge3d, &f.Sugge5})
    c->setEnabled(false);

  f.VaiTenta.setEnabled(false);
  f.VaiTenta.setBackColor(kFacciaPulsante);
  f.AppTenta.setEnabled(false);
  f.voce("mFunzAva").setChecked(false);

  g.CellaSegnalata = kNessunaCella;
  g.UltimaModifica.clear();
  g.NumErrori = 0;
  f.NErr.setCaption("");
  g.ColoreMossa = kBluMossa;
  g.ValutazioneTesto = "??";
  g.FlashPreso = false;
  f.Fatti.setCaption("0");
  // The other per-game fields back to their start values.
  g.SoloRicerca = false;
  g.InRisoluzione = false;
  g.InTentativo = false;
  g.Trovata = false;
  g.NessunErrore = true;
  g.NumConsigli = 0;
  g.Tentativi = 0;
  g.RigaMetodo = 0;
  g.RigheUsate = 0;
  g.RiempiteRegistrate = 0;
  g.ConsigliInizioTentativi = 0;
  g.DatiRegistrati = true;
  g.InSalvataggio = false;
  g.NumVociTentativi = 0;
  g.CandidatiModificati = false;
  g.Livello = LivelloConsiglio::Nessuno;
  g.Mossa = MossaTrovata{};
  AzzeraVerifica(g);

  AggiornaPannello(g);
  f.caption = kTitoloFinestra;
}

void MostraCandidati(Gioco& g) {
  const ModoVista v = g.Vista();
  if (!(g.Livello == LivelloConsiglio::Dove || v == ModoVista::Tutti ||
        v == ModoVista::SuDoppiette || v == ModoVista::SuTutti))
    return;
  const Font carattere = CarattereCandidati(g);
  std::string buf;
  for (int i = 0; i < kCelle; ++i) {
    if (g.HaValore(i)) continue;
    Label& l = g.f.caN[i];
    l.setCaption(TestoCandidati(g.Can.ridotto(i), buf));
    l.setFont(carattere);
  }
}

void PulisciCaselle(Gioco& g) {
  for (int i = 0; i < kCelle; ++i) {
    g.f.caN[i].setBackColor(kBianco);
    g.f.caN[i].setBorder(false);
  }
  g.SfondoCursore = kBianco;
}

void ProntoConsigli(Gioco& g) {
  Form1& f = g.f;
  for (int i = 0; i < kCelle; ++i) {
    Label& l = f.caN[i];
    if (g.HaValore(i)) {
      l.setCaption(std::string(1, g.Cifra[i]));
    } else {
      l.setCaption("");
      l.setBorder(false);
    }
  }
  f.CorVF.setVisible(false);
  ScaricaOpzioniTentativo(g);
  f.ListCons.clear();
  f.ListCons.addItem("PRONTO PER I CONSIGLI");
  for (int i = 0; i < kCelle; ++i) f.caN[i].setBackColor(kBianco);
  g.ModoConsigli = true;
  f.VaiTenta.setEnabled(false);
  f.VaiTenta.setBackColor(kFacciaPulsante);
  f.AppTenta.setEnabled(false);
  for (Button* b : {&f.Cons1, &f.Cons2, &f.Cons3}) b->setEnabled(true);
}

void AggiornaPannello(Gioco& g) {
  g.platform.repaintNow();
}

void mRicMan_Click(Gioco& g) {
  RicalcoloCandidati(g);
  g.f.Sugge1.setValue(true);
  const Font carattere = CarattereCandidati(g);
  std::string buf;
  for (int i = 0; i < kCelle; ++i) {
    if (g.HaValore(i)) continue;
    Label& l = g.f.caN[i];
    l.setCaption(TestoCandidati(g.Can.ridotto(i), buf));
    l.setFont(carattere);
    l.setForeColor(kRosso);
  }
  g.f.ListCons.clear();
  g.f.ListCons.addItem("I CANDIDATI SONO RICALCOLATI");
  for (Button* b : {&g.f.Cons1, &g.f.Cons2, &g.f.Cons3}) b->setEnabled(true);
}

std::string MotivoSchemaNonValido(std::string_view schema) {
  if (schema.size() != kCelle) return std::to_string(schema.size()) + " caratteri invece di 81";
  for (std::size_t i = 0; i < schema.size(); ++i)
    if (schema[i] != '.' && (schema[i] < '0' || schema[i] > '9'))
      return "carattere non valido in posizione " + std::to_string(i + 1);
  return {};
}

bool ScriviSchema(Gioco& g, const std::string& schema) {
  if (!MotivoSchemaNonValido(schema).empty()) return false;
  Form1& f = g.f;
  for (int c = 0; c < kCelle; ++c) f.caN[c].setVisible(true);
  f.Apri.setEnabled(false);
  f.voce("mApri").setEnabled(false);
  f.voce("mCrea").setEnabled(false);
  g.DatiIniziati = true;
  f.Salva.setEnabled(true);
  f.voce("mSalva").setEnabled(true);
  f.Gioca.setEnabled(true);
  f.DatIniz.setEnabled(false);
  for (int c = 0; c < kCelle; ++c)
    if (schema[c] != '.' && schema[c] != '0') ImpostaValore(g, c, schema[c], Origine::Nera);
  g.Riempite = g.Cifra.piene();
  f.Fatti.setCaption(std::to_string(g.Riempite));
  return true;
}

void CollegaEventi(Gioco& g) {
  Form1& f = g.f;
  f.Azzera.onClick = [&g] { Azzera(g); };
  f.voce("mAzzer").onClick = [&g] { Azzera(g); };
  f.voce("mRicMan").onClick = [&g] { mRicMan_Click(g); };
  // The correction check boxes are read when the correction ends; a click does nothing.
  f.cM[0].onClick = [] {};
  CollegaVerifica(g);
}

}  // namespace orv
