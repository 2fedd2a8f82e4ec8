#include <algorithm>

#include "techniques/catalogo.h"
#include "verification/verifica.h"

namespace orv {

void Valutazione(Gioco& g, int mostra) {
  int contaUso = 0;
  std::string rigaUso = "  ";
  // The highest level among the rows used decides; any trial placement makes it Diabolico.
  Livello livello = Livello::Facile;
  for (int i = 0; i < kRigheUsoMetodi; ++i) {
    const int conta = g.verifica.UsoMetodiConta[i];
    if (conta == 0) continue;
    livello = std::max(livello, LivelloDellaRiga(i, g.creazione.InCreazione));
    if (g.verifica.Tentativi > 0) livello = Livello::Diabolico;
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
  g.verifica.ValutazioneTesto = TestoLivello(livello);
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
