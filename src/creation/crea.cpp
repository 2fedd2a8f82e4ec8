#include "creation/crea.h"

#include <cstdio>

#include "creation/modelli.h"
#include "model/azzera.h"
#include "model/registro.h"
#include "verification/verifica.h"

namespace orv {

namespace {

// Fresh solutions a creation may take when it keeps nothing. With the usual 27 to 33 givens, 2,000
// creations needed none in 94 cases out of 100 and never more than 3.
constexpr int kNuoveSoluzioni = 20;

void MostraRimaste(Gioco& g) {
  g.f.Fatti.setCaption(std::to_string(kCelle - g.creazione.NumRimosse));
}

// A fresh solution, and the schema starts full.
void NuovaSoluzione(Gioco& g) {
  StatoCreazione& cr = g.creazione;
  cr.UltimaRimossa = -1;
  cr.CaselleRimosse.fill(0);
  cr.CifreRimosse.fill(0);
  cr.NumRimosse = 0;
  cr.CopiaValida = false;
  cr.Ripristini = 0;
  GeneraSoluzione(g);
  cr.SchemaNuovo = cr.Modelli[cr.NumModello];
}

void Rimuovi(Gioco& g, int k) {
  StatoCreazione& cr = g.creazione;
  char& cella = cr.SchemaNuovo[k / 9][k % 9];
  cr.CaselleRimosse[cr.NumRimosse] = k;
  cr.CifreRimosse[cr.NumRimosse] = cella;
  cella = ' ';
  ++cr.NumRimosse;
}

// A random cell that still holds its digit, and its partner. A pair never takes the schema
// below MinDati givens: with one cell left to remove, only a cell that is its own partner may go,
// and false, with nothing removed, when there is none.
bool RimuoviCoppia(Gioco& g) {
  StatoCreazione& cr = g.creazione;
  const bool unaSola = cr.NumRimosse + 2 > cr.SogliaMax;
  auto piena = [&cr](int k) { return cr.SchemaNuovo[k / 9][k % 9] != ' '; };
  if (unaSola) {
    bool c_e = false;
    for (int k = 0; k < kCelle && !c_e; ++k) c_e = piena(k) && Partner(k, cr.Simmetria) == k;
    if (!c_e) return false;
  }
  g.verifica.ElencoMosse.clear();
  g.verifica.NumMosse = 0;
  int k;
  do {
    k = static_cast<int>(g.platform.random() * kCelle);
    g.platform.processEvents();
  } while (!piena(k) || (unaSola && Partner(k, cr.Simmetria) != k));
  Rimuovi(g, k);
  if (const int p = Partner(k, cr.Simmetria); p != k) Rimuovi(g, p);
  MostraRimaste(g);
  return true;
}

// The last cell removed gets back the digit recorded with it.
void RimettiCella(Gioco& g) {
  StatoCreazione& cr = g.creazione;
  --cr.NumRimosse;
  const int k = cr.CaselleRimosse[cr.NumRimosse];
  cr.SchemaNuovo[k / 9][k % 9] = cr.CifreRimosse[cr.NumRimosse];
  ++cr.Ripristini;
}

// The last removal undone: its cell, and the partner removed just before it.
void RimettiUltima(Gioco& g) {
  StatoCreazione& cr = g.creazione;
  cr.UltimaRimossa = cr.NumRimosse - 1;
  const int k = cr.CaselleRimosse[cr.UltimaRimossa];
  RimettiCella(g);
  if (Partner(k, cr.Simmetria) != k) RimettiCella(g);
  MostraRimaste(g);
}

// The schema under construction placed on the grid as givens, as a game read from a record.
void CaricaSchema(Gioco& g) {
  StatoCreazione& cr = g.creazione;
  RegistroFlash& r = g.registro;
  cr.InCreazione = true;
  for (int i = 0; i < 9; ++i) r.RigheDati[i] = cr.SchemaNuovo[i];
  r.RigheUsate = 8;
  RipristinaFlash(g);
  r.Ricaricato = true;
  for (int i = 0; i < 9; ++i) r.RigheDatiCopia[i] = r.RigheDati[i];
  int ultima = 8;
  while (ultima >= 0 && r.RigheDati[ultima].find_first_not_of(' ') == std::string::npos) --ultima;
  r.RigheLette = ultima;
  for (int i = 9; i < 18; ++i) r.RigheDati[i] = r.RigheDatiCopia[i] = std::string(9, ' ');
}

// The silent verification of the schema under construction.
void ProvaSchema(Gioco& g) {
  CaricaSchema(g);
  DatIniz_Click(g);
  g.creazione.CreazioneFallita = false;
  Gioca_Click(g);
}

}  // namespace

int Partner(int k, int simmetria) {
  const int r = k / 9, c = k % 9;
  switch (simmetria) {
    case 0:
      return kCelle - 1 - k;
    case 1:
      return r * 9 + (8 - c);
    case 2:
      return (8 - r) * 9 + c;
    default:
      return k;
  }
}

std::string NomeCreato(std::string_view valutazione, int numSchemi, int modello, int simmetria) {
  char numero[16];
  std::snprintf(numero, sizeof numero, "%03d", numSchemi);
  return std::string(valutazione.substr(1, 3)) + numero + "Cr" + std::to_string(modello) +
         std::to_string(simmetria);
}

void DatIniz_Click(Gioco& g) {
  Form1& f = g.f;
  if (!g.creazione.InCreazione)
    for (int c = 0; c < kCelle; ++c) f.caN[c].setVisible(true);
  for (Control* c : std::initializer_list<Control*>{&f.Apri, &f.mApri, &f.mCrea})
    c->setEnabled(false);
  g.partita.DatiIniziati = true;
  for (Control* c : std::initializer_list<Control*>{&f.Salva, &f.mSalva, &f.Gioca})
    c->setEnabled(true);
  f.DatIniz.setEnabled(false);
  f.ListCons.clear();
  f.ListCons.addItem("- Al termine dei Dati Iniziali");
  f.ListCons.addItem("  clic su 'Gioca', per iniziare la prova.");
  if (!g.creazione.InCreazione && !g.registro.Ricaricato) {
    StatoCreazione& cr = g.creazione;
    ++cr.NumSchemi;
    cr.NomeSchema = "Nuovo" + std::to_string(cr.NumSchemi);
    f.caption = std::string(kTitoloFinestra) + " - " + cr.NomeSchema;
  }
}

void mCrea_click(Gioco& g) {
  StatoCreazione& cr = g.creazione;
  Azzera(g);
  g.f.Fatti.setCaption("0");
  cr.SogliaMin = kCelle - cr.MaxDati;
  cr.SogliaMax = kCelle - cr.MinDati;
  cr.NuoveSoluzioni = 0;
  NuovaSoluzione(g);

  for (;;) {
    if (!RimuoviCoppia(g)) {
      // As many cells gone as MinDati allows: the schema as it stands, solvable, rated again.
      ProvaSchema(g);
      break;
    }
    ProvaSchema(g);
    if (cr.CreazioneFallita) {
      RimettiUltima(g);
      if (cr.NumRimosse + cr.Ripristini + 6 > kCelle) {
        if (cr.CopiaValida) {
          // The last solvable schema with enough cells removed.
          cr.SchemaNuovo = cr.CopiaSchema;
          cr.NumRimosse = cr.NumRimosseCopia;
          MostraRimaste(g);
          ProvaSchema(g);
          break;
        }
        // Nothing kept and the removals keep failing: no end is in sight with this solution.
        // After kNuoveSoluzioni such solutions the schema as it stands (solvable, as the last
        // removal is undone) is taken, so that a creation always ends.
        if (cr.NuoveSoluzioni >= kNuoveSoluzioni) {
          ProvaSchema(g);
          break;
        }
        ++cr.NuoveSoluzioni;
        NuovaSoluzione(g);
      }
      continue;
    }
    if (cr.NumRimosse >= cr.SogliaMin) {
      cr.CopiaSchema = cr.SchemaNuovo;
      cr.CopiaValida = true;
      cr.NumRimosseCopia = cr.NumRimosse;
    }
    const std::string& v = g.verifica.ValutazioneTesto;
    if (v == " Difficile" || v == " Diabolico" || cr.NumRimosse >= cr.SogliaMax) break;
  }

  g.registro.Ricaricato = false;
  ++cr.NumSchemi;
  cr.NomeSchema =
      NomeCreato(g.verifica.ValutazioneTesto, cr.NumSchemi, cr.NumModello, cr.Simmetria);
  g.f.caption = std::string(kTitoloFinestra) + " - " + cr.NomeSchema;
  cr.InCreazione = false;
  g.partita.SchemaCreato = true;
  Gioca_Click(g);
}

}  // namespace orv
