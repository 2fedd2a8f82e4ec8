#include "verification/verifica.h"

namespace orv {

void Valutazione(Gioco& g, int mostra) {
  int contaUso = 0;
  std::string rigaUso = "  ";
  g.verifica.ValutazioneTesto = " Facile";
  // Rows are visited in ascending order and every test only raises the word, so the highest
  // row used decides.
  for (int i = 0; i < kRigheUsoMetodi; ++i) {
    const int conta = g.verifica.UsoMetodiConta[i];
    if (conta == 0) continue;
    if (!g.creazione.InCreazione && i > 2) g.verifica.ValutazioneTesto = " Medio";
    if (g.creazione.InCreazione && i > 3) g.verifica.ValutazioneTesto = " Medio";
    if (i > 4) g.verifica.ValutazioneTesto = " Difficile";
    if (i > 8) g.verifica.ValutazioneTesto = " Diabolico";
    if (g.verifica.Tentativi > 0) g.verifica.ValutazioneTesto = " Diabolico";
    if (mostra == 1) {
      rigaUso += g.tabelle.UsoMetodiEtichetta[i] + "=" + std::to_string(conta) + "   ";
      if (++contaUso == 3) {
        g.f.ListCons.addItem(rigaUso);
        rigaUso = "  ";
        contaUso = 0;
      }
    }
  }
  if (contaUso > 0) g.f.ListCons.addItem(rigaUso);
}

void mValuta_Click(Gioco& g) {
  ListBox& l = g.f.ListCons;
  l.clear();
  g.f.Applica.setEnabled(false);
  g.f.mApplica.setEnabled(false);
  l.addItem("METODI USATI NELLA VERIFICA:");
  Valutazione(g, 1);
  l.addItem("  Valutazione Complessiva=" + g.verifica.ValutazioneTesto);
  l.addItem(" ");
  l.addItem("ORA PUOI GIOCARE");
}

}  // namespace orv
