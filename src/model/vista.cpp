#include "model/vista.h"

#include "model/celle.h"

namespace orv {

std::string_view TestoCandidati(std::string_view ridotto, std::string& buf) {
  if (ridotto.size() <= 5) return ridotto;
  buf.assign(ridotto.data(), 5);
  buf += ' ';
  buf.append(ridotto.data() + 5, ridotto.size() - 5);
  return buf;
}

void ScaricaOpzioniTentativo(Gioco& g) {
  for (int i = g.f.cv1.upperBound() - 1; i >= 1; --i) g.f.cv1.unload(i);
  g.partita.NumOpzioniTentativo = 0;
}

void MostraCandidati(Gioco& g) {
  const ModoVista v = g.Vista();
  if (!(g.partita.Livello == LivelloConsiglio::Dove || v == ModoVista::Tutti ||
        v == ModoVista::SuDoppiette || v == ModoVista::SuTutti))
    return;
  ScriviCandidati(g);
}

void ScriviCandidati(Gioco& g) {
  const Font carattere = CarattereCandidati(g);
  std::string buf;
  for (int i = 0; i < kCelle; ++i) {
    if (g.HaValore(i)) continue;
    Label& l = g.f.caN[i];
    l.setCaption(TestoCandidati(g.griglia.Can.ridotto(i), buf));
    l.setFont(carattere);
  }
}

void PulisciCaselle(Gioco& g) {
  for (int i = 0; i < kCelle; ++i) {
    g.f.caN[i].setBackColor(kBianco);
    g.f.caN[i].setBorder(false);
  }
  g.partita.SfondoCursore = kBianco;
}

void ProntoConsigli(Gioco& g) {
  Form1& f = g.f;
  for (int i = 0; i < kCelle; ++i) {
    Label& l = f.caN[i];
    if (g.HaValore(i)) {
      l.setCaption(std::string(1, g.griglia.Cifra[i]));
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
  g.partita.ModoConsigli = true;
  f.VaiTenta.setEnabled(false);
  f.VaiTenta.setBackColor(kFacciaPulsante);
  f.AppTenta.setEnabled(false);
  for (Button* b : {&f.Cons1, &f.Cons2, &f.Cons3}) b->setEnabled(true);
}

void AggiornaPannello(Gioco& g) {
  g.platform.repaintNow();
}

}  // namespace orv
