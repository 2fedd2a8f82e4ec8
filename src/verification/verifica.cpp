#include "verification/verifica.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "model/azzera.h"
#include "model/candidati.h"
#include "model/celle.h"
#include "model/registro.h"
#include "model/vista.h"
#include "techniques/catalogo.h"
#include "techniques/tecniche.h"

namespace orv {

namespace {

constexpr double kSecondiGiorno = 86400.0;

std::string SuffissoZona(const std::optional<int>& z) {
  if (!z) return " ";
  if (*z < 9) return "-R";
  if (*z > 17) return "-Q";
  return "-C";
}

// The grid as it stands, into a solution table: each cell's digit, or a blank.
void RegistraGriglia(const Gioco& g, std::array<std::string, kCelle>& griglia) {
  for (int c = 0; c < kCelle; ++c)
    griglia[c] = g.HaValore(c) ? std::string(1, g.griglia.Cifra[c]) : std::string(" ");
}

// Prints a solution grid into a picture box, one row a line, each entry followed by a blank.
void StampaGriglia(PictureBox& p, const std::array<std::string, kCelle>& griglia) {
  p.clear();
  for (int r = 0; r < 9; ++r) {
    std::string riga;
    for (int k = 0; k < 9; ++k) riga += griglia[9 * r + k] + " ";
    p.print(riga);
  }
}

// "##0.00": at least one digit before the point, two after it.
std::string FormatoSecondi(double s) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", s);
  return buf;
}

void MostraCaselle(Gioco& g, bool visibili) {
  for (int c = 0; c < kCelle; ++c) g.f.caN[c].setVisible(visibili);
}

// The hint buttons, the play menus and the view options, as play starts.
void AbilitaGioco(Gioco& g) {
  Form1& f = g.f;
  for (Button* b : {&f.Cons1, &f.Cons2, &f.Cons3}) b->setEnabled(true);
  for (MenuItem* m :
       {&f.mCanMoss, &f.mNuoVal, &f.mRicMan, &f.mSoluz, &f.mValuta, &f.mSugge0, &f.mSugge1})
    m->setEnabled(true);
  f.Sugge0.setEnabled(true);
  f.Sugge1.setEnabled(true);
  f.mSugge0.setChecked(true);
  f.mSugge1.setChecked(false);
}

// Two equal values in one zone: both digits red and the run does not start.
bool TrovaDoppione(Gioco& g) {
  for (int z = 0; z < kZone; ++z) {
    // Most zones hold no two equal digits: one pass over them tells, and only a zone with a
    // repeat, or with a character that is no digit, is searched pair by pair.
    unsigned viste = 0;
    bool cerca = false;
    for (int c : Zona()[z]) {
      const char d = g.griglia.Cifra[c];
      if (d == 0) continue;
      if (d < '1' || d > '9' || (viste >> (d - '0') & 1)) {
        cerca = true;
        break;
      }
      viste |= 1u << (d - '0');
    }
    if (!cerca) continue;
    for (int j = 0; j < 8; ++j) {
      const int a = Zona()[z][j];
      if (!g.HaValore(a)) continue;
      for (int k = j + 1; k < 9; ++k) {
        const int b = Zona()[z][k];
        if (!g.HaValore(b) || g.griglia.Cifra[a] != g.griglia.Cifra[b]) continue;
        g.f.caN[a].setForeColor(kRosso);
        g.f.caN[b].setForeColor(kRosso);
        g.f.ListCons.clear();
        g.f.ListCons.addItem("ERRORE NEI DATI CORRENTI!");
        g.f.ListCons.addItem("- correggi o Azzera.");
        return true;
      }
    }
  }
  return false;
}

enum class Passo { Trovato, TentativoFallito, Niente };

// One iteration of pass 1: the techniques in their fixed order, the first that finds something
// ends it. Its first two places, the last free cell and single candidate (key "02") and the
// hidden single (key "04"), wait for the first computation of the candidates.
Passo Iterazione(Gioco& g) {
  auto fallito = [&g] { return !g.verifica.NessunErrore && g.verifica.InTentativo; };
  g.ricerca.Trovata = false;

  CasellaSola(g);
  if (fallito()) return Passo::TentativoFallito;
  if (g.ricerca.Trovata) return Passo::Trovato;

  if (g.verifica.CandidatiPronti) {
    if (const int c = g.griglia.Can.primoSolo(); c >= 0) {
      PiazzaProvvisoria(g, c, g.griglia.Can.ridotto(c)[0]);
    }
    if (fallito()) return Passo::TentativoFallito;
    if (g.ricerca.Trovata) return Passo::Trovato;

    Nascosti(g, 1);
    if (fallito()) return Passo::TentativoFallito;
    if (g.ricerca.Trovata) return Passo::Trovato;
  } else {
    RicalcoloCandidati(g);
    g.verifica.CandidatiPronti = true;
    g.ricerca.Trovata = true;
    return Passo::Trovato;
  }

  // The rest of the pass in the catalogue's order, after the two places run above.
  for (const Metodo* m : PrimoPasso().subspan(2)) {
    m->ricerca(g);
    // The techniques mark the cells they work on; nothing of that must stay.
    SfondiBianchi(g);
    if (m->controllaTentativo && fallito()) return Passo::TentativoFallito;
    if (g.ricerca.Trovata) return Passo::Trovato;
  }
  return Passo::Niente;
}

void SegnaFallito(Gioco& g) {
  VoceTentativo& v = g.verifica.ElencoTentativi[g.verifica.IndiceTentativo];
  v.CasellaFallita = v.Casella;
  v.Casella = kNessunaCella;
}

// The next trial, from the Flash of the first stall; a placement that contradicts at once is a
// failed trial too. False when every row of the table has been tried.
bool ProssimoTentativo(Gioco& g) {
  for (;;) {
    ++g.verifica.Tentativi;
    if (!g.verifica.InTentativo) {
      PreparaTentativi(g);
      RegistraStato(g);
      RegistraGriglia(g, g.verifica.Soluzione);
    } else {
      RipristinaFlash(g);
    }
    g.verifica.InTentativo = true;
    ++g.verifica.IndiceTentativo;
    if (g.verifica.IndiceTentativo > g.verifica.NumVociTentativi) return false;
    const VoceTentativo& v = g.verifica.ElencoTentativi[g.verifica.IndiceTentativo];
    PiazzaProvvisoria(g, v.Casella, v.Cifra);
    if (g.verifica.NessunErrore) return true;
    SegnaFallito(g);
  }
}

// Pass 1: solves the grid in place with Provvisoria values. A contradiction reported outside a
// trial ends it: the givens have no solution, and going on would only report it again.
void Passata1(Gioco& g) {
  const int errori = g.partita.NumErrori;
  for (;;) {
    Passo p = Iterazione(g);
    if (g.partita.NumErrori > errori) return;
    if (p == Passo::Trovato) continue;
    if (p == Passo::Niente) {
      if (g.griglia.Riempite < kCelle && g.creazione.InCreazione) return;
      if (g.griglia.Riempite >= kCelle) {
        // The last-free-cell rule writes 45 minus the sum of the zone without looking at the
        // cell's column or box, so a "complete" grid is a solution only if every zone holds
        // nine different digits.
        if (g.griglia.Cifra.risolta()) return;
        if (!g.verifica.InTentativo) {
          // Givens without a solution: reported as the error check reports a contradiction.
          SegnalaErrore(g);
          return;
        }
        p = Passo::TentativoFallito;
      }
    }
    if (p == Passo::TentativoFallito) SegnaFallito(g);
    if (!ProssimoTentativo(g)) return;
  }
}

// Pass 2: the replay with the move search, in the player's priority order. Counts the methods
// and lists the moves.
void Passata2(Gioco& g) {
  const Cifre cifrePrima = g.griglia.Cifra;
  const std::array<Origine, kCelle> originiPrima = g.griglia.Orig;
  // The candidate texts go back whole, with their masks.
  const TestiCandidati testiPrima = g.griglia.Can;
  MostraCaselle(g, false);
  g.partita.Livello = LivelloConsiglio::Dove;
  int totale = g.griglia.Riempite;
  // Each replay lists its own moves: a second verification of the same game starts afresh.
  g.verifica.ElencoMosse.clear();
  g.verifica.NumMosse = 0;
  bool tentativoGiocato = false;

  for (;;) {
    g.ricerca.Trovata = false;
    g.ricerca.Mossa.CodiceMetodo.clear();
    CercaMossa(g);
    // Where the methods stall, the trial that solved pass 1 is the move, once.
    if (!g.ricerca.Trovata && totale < kCelle && g.verifica.IndiceTentativo > 0 &&
        !tentativoGiocato) {
      const VoceTentativo& v = g.verifica.ElencoTentativi[g.verifica.IndiceTentativo];
      tentativoGiocato = true;
      if (CellaValida(v.Casella) && !g.HaValore(v.Casella)) {
        g.ricerca.Mossa.CodiceMetodo = kCodiceTentativo.codice;
        g.ricerca.Mossa.ValoreMossa = std::string(1, v.Cifra);
        g.ricerca.Mossa.CasellaMossa = v.Casella;
        g.ricerca.Mossa.ZonaMossa.reset();
        g.ricerca.Trovata = true;
      }
    }
    if (!g.ricerca.Trovata || !g.ricerca.Mossa.CasellaMossa ||
        !CellaValida(*g.ricerca.Mossa.CasellaMossa))
      break;

    const int cella = *g.ricerca.Mossa.CasellaMossa;
    const std::string valore(Trim(g.ricerca.Mossa.ValoreMossa));
    // The search is deterministic: a move that changes nothing would be found again forever.
    if (valore.size() == 1 ? g.HaValore(cella) : Incornicia(valore) == g.griglia.Can[cella]) break;

    ++g.verifica.NumMosse;
    if (valore.size() == 1) {
      ImpostaValore(g, cella, valore[0], Origine::Provvisoria);
      ++totale;
      ControlloErrori(g, cella, valore[0]);
    } else {
      g.griglia.Can.set(cella, Incornicia(valore));
      g.f.caN[cella].setFontSize(g.geometria.DimCandidati);
    }

    const CodiceMetodo v = DatiDelCodice(g.ricerca.Mossa.CodiceMetodo);
    if (v.riga >= 0) ++g.verifica.UsoMetodiConta[v.riga];
    std::string voce(v.sigla);
    voce += SuffissoZona(g.ricerca.Mossa.ZonaMossa);
    voce += ": '";
    voce += NomeCasella(cella);
    voce += "' =";
    voce += valore;
    g.verifica.ElencoMosse.push_back(std::move(voce));
    g.platform.processEvents();
  }

  for (int c = 0; c < kCelle; ++c) {
    if (cifrePrima[c] != 0)
      ImpostaValore(g, c, cifrePrima[c],
                    originiPrima[c] == Origine::Blu ? Origine::Blu : Origine::Nera);
    else
      SvuotaCella(g, c);
  }
  if (!g.creazione.InCreazione) MostraCaselle(g, true);
  g.griglia.Can = testiPrima;
}

}  // namespace

void PreparaTentativi(Gioco& g) {
  g.verifica.ElencoTentativi.fill(VoceTentativo{});
  g.verifica.NumVociTentativi = 0;
  for (int c = 0; c < kCelle; ++c) {
    for (char d : g.griglia.Can.ridotto(c)) {
      if (g.verifica.NumVociTentativi + 1 >= kVociTentativi) break;
      ++g.verifica.NumVociTentativi;
      g.verifica.ElencoTentativi[g.verifica.NumVociTentativi] = {c, d, -1};
    }
  }
  g.registro.ConsigliInizioTentativi = g.verifica.NumConsigli;
}

EsitoVerifica Gioca_Click(Gioco& g) {
  // Events let through by the replay must not start a second run.
  Occupazione occupato(g);
  Form1& f = g.f;
  EsitoVerifica esito;

  // 1. Preparation: the givens are recorded (every value on the grid, moves included).
  if (!g.registro.Ricaricato) {
    for (int r = 0; r < 9; ++r)
      g.registro.RigheDati[r] = g.registro.RigheDatiCopia[r] = RigaValori(g, r);
    g.registro.DatiRegistrati = true;
    g.registro.RigheUsate = 9;
  }
  if (g.creazione.InCreazione) MostraCaselle(g, false);
  if (TrovaDoppione(g)) {
    esito.tipo = EsitoVerifica::Tipo::ErroreDati;
    return esito;
  }

  // 2. Start of pass 1.
  g.ricerca.SoloRicerca = false;
  g.partita.InGioco = true;
  f.DatIniz.setEnabled(false);
  f.Gioca.setEnabled(false);
  for (Control* c :
       std::initializer_list<Control*>{&f.ListCons, &f.Cons0, &f.Cons1, &f.Cons2, &f.Cons3,
                                       &f.Applica, &f.Tenta0, &f.VaiTenta, &f.AppTenta})
    c->setVisible(true);
  g.verifica.NumVociTentativi = 0;
  g.verifica.IndiceTentativo = 0;
  g.verifica.InTentativo = false;
  g.ricerca.ValoreIniziale = 1;
  g.ricerca.ValoreFinale = 9;
  const int erroriInizio = g.partita.NumErrori;
  g.verifica.ColoreMossa = kBianco;
  f.ListCons.clear();
  g.verifica.UsoMetodiConta.fill(0);
  if (!g.creazione.InCreazione)
    f.ListCons.addItem("VERIFICA IN CORSO");
  else
    f.ListCons.addItem("CREAZIONE IN CORSO - M." + std::to_string(g.creazione.NumModello) + "/S." +
                       std::to_string(g.creazione.Simmetria));
  g.verifica.NumConsigli = 0;
  f.Peri.clear();
  const double inizio = g.platform.secondsSinceMidnight();
  g.verifica.Tentativi = 0;
  g.verifica.CandidatiPronti = false;
  g.ricerca.InRisoluzione = true;

  Passata1(g);
  esito.tentativi = g.verifica.Tentativi;

  // 5. Outcome of pass 1.
  if (g.partita.NumErrori > erroriInizio) {
    // The error report stays on the blackboard.
    g.verifica.InTentativo = false;
    g.ricerca.InRisoluzione = false;
    esito.tipo = EsitoVerifica::Tipo::ErroreDati;
    return esito;
  }
  if (g.griglia.Riempite < kCelle) {
    g.verifica.InTentativo = false;
    g.ricerca.InRisoluzione = false;
    g.creazione.CreazioneFallita = true;
    if (g.creazione.InCreazione) return esito;
    f.ListCons.clear();
    f.ListCons.addItem("ESITO CREAZIONE-VERIFICA");
    f.ListCons.addItem("  riprovare o controllare.");
    g.platform.messageBox(
        "La Verifica non riuscita: se si era richiesta la\n"
        "creazione a programma, fare una nuova richiesta,\n"
        "se, invece, lo Schema è stato preso da un'altra\n"
        "fonte, controllare i Valori digitati.",
        "", MsgButtons::Ok, false);
    Azzera(g);
    return esito;
  }
  esito.tipo = EsitoVerifica::Tipo::Riuscita;
  if (!g.creazione.InCreazione) {
    f.ListCons.clear();
    if (g.verifica.InCancellazione) {
      f.ListCons.addItem("DOPO CANCELLAZIONE");
    } else {
      double secondi = g.platform.secondsSinceMidnight() - inizio;
      // A run that crosses midnight.
      if (secondi < 0) secondi += kSecondiGiorno;
      f.ListCons.addItem(g.registro.Ricaricato ? "GIOCO RICARICATO E VERIFICATO"
                                               : "ESITO DELLA VERIFICA");
      std::string tempo = "  (in " + FormatoSecondi(secondi) + " sec.";
      if (g.verifica.Tentativi == 0)
        tempo += ")";
      else
        tempo += " con " + std::to_string(g.verifica.Tentativi) +
                 (g.verifica.Tentativi == 1 ? " Tentativo)" : " Tentativi)");
      f.ListCons.addItem(tempo);
    }
    f.ListCons.addItem("- ho " + std::to_string(g.verifica.NumConsigli) +
                       " consigli, per risolverlo,");
    esito.consigli = g.verifica.NumConsigli;
  }

  // 6. Recording the solution and clearing pass 1.
  const bool conTentativi = g.verifica.InTentativo;
  if (conTentativi) {
    g.verifica.UsoMetodiSalvati = g.verifica.UsoMetodiConta;
    // The record of the schema as it was before the run replaces the Flash.
    if (g.registro.RigheUsate == 27) g.registro.RigheDati = g.registro.RigheDatiCopia;
    RegistraGriglia(g, g.verifica.SoluzioneTentativi);
    StampaGriglia(f.APeri, g.verifica.SoluzioneTentativi);
    RipristinaFlash(g);
    f.mPerSuCom.setEnabled(true);
  }
  for (int c = 0; c < kCelle; ++c)
    if (!g.HaValore(c)) f.caN[c].setCaption("");
  f.Sugge1.setValue(false);
  f.mSoluz.setEnabled(true);

  if (g.verifica.Tentativi == 0) {
    RegistraGriglia(g, g.verifica.Soluzione);
    // Without trials there is no trial solution: one left by an earlier run must not be shown.
    for (auto& s : g.verifica.SoluzioneTentativi) s.clear();
  }
  StampaGriglia(f.Peri, GrigliaSoluzione(g));

  for (int c = 0; c < kCelle; ++c)
    if (g.HaValore(c) && g.griglia.Orig[c] == Origine::Provvisoria) SvuotaCella(g, c);
  if (!(conTentativi && g.registro.RigheLette >= 18)) RicalcoloCandidati(g);
  g.verifica.InTentativo = false;
  g.ricerca.InRisoluzione = false;
  g.verifica.ColoreMossa = kBluMossa;
  f.ImaCompl.setVisible(false);
  if (g.verifica.InCancellazione) AbilitaGioco(g);

  for (auto& v : g.verifica.ValoriInizio) v.clear();
  for (int c = 0; c < kCelle; ++c) {
    if (g.HaValore(c))
      g.verifica.ValoriInizio[c] = std::string(1, g.griglia.Cifra[c]);
    else
      f.caN[c].setCaption("");
  }
  f.Sugge0.setValue(true);
  f.mSugge0.setChecked(true);
  g.griglia.Riempite = g.griglia.Cifra.piene();
  f.Fatti.setCaption(std::to_string(g.griglia.Riempite));
  if (g.verifica.InCancellazione) return esito;

  // 7. Pass 2.
  Passata2(g);
  Valutazione(g, 0);
  if (g.creazione.InCreazione) return esito;
  f.ListCons.addItem("  valutazione Complessiva=" + g.verifica.ValutazioneTesto + ".");
  if (g.griglia.Riempite == kCelle) {
    f.ListCons.clear();
    f.ListCons.addItem("IL GIOCO E' GIA' RISOLTO");
  } else {
    f.ListCons.addItem("ORA PUOI GIOCARE");
    f.ListCons.addItem("- usa i tasti qui sotto per i consigli.");
  }
  AbilitaGioco(g);
  return esito;
}

const std::array<std::string, kCelle>& GrigliaSoluzione(const Gioco& g) {
  return g.verifica.SoluzioneTentativi[0].empty() ? g.verifica.Soluzione
                                                  : g.verifica.SoluzioneTentativi;
}

void VerificaSolvibilita(Gioco& g) {
  g.f.Sugge1.setValue(false);
  const Font carattere = CarattereCandidati(g);
  for (int c = 0; c < kCelle; ++c) {
    if (g.HaValore(c)) continue;
    Label& l = g.f.caN[c];
    l.setFont(carattere);
    l.setForeColor(kRosso);
    l.setCaption("");
  }
  Gioca_Click(g);
}

}  // namespace orv
