#include "model/registro.h"

#include "model/celle.h"

namespace orv {

namespace {

// The second block tells how a cell's text shows: a move (or candidates corrected by hand) in
// blue, a value of the verification run in white, anything else as it comes.
char CarattereOrigine(const Gioco& g, int c) {
  if (g.HaValore(c)) {
    if (g.griglia.Orig[c] == Origine::Blu) return 'b';
    if (g.griglia.Orig[c] == Origine::Provvisoria) return 'c';
    return ' ';
  }
  return g.f.caN[c].foreColor() == kBluMossa ? 'b' : ' ';
}

// Character j of a row trimmed of blanks: 0 when the row is shorter or the character is a blank.
char Carattere(const std::string& riga, int j) {
  if (j >= static_cast<int>(riga.size())) return 0;
  return riga[j] == ' ' ? 0 : riga[j];
}

// Reads the record into the grid: values, origins, candidates and the four label properties the
// restore owns (caption, font, text and background colour).
void Leggi(Gioco& g) {
  g.griglia.Can.svuota();
  for (int r = 0; r < 9; ++r) {
    for (int j = 0; j < 9; ++j) {
      const int c = Zona()[r][j];
      const char t = Carattere(g.registro.RigheDati[r], j);
      // Every cell loses what it showed; whatever character the record holds is placed as it
      // stands, on a white background.
      if (t == 0) {
        SvuotaCella(g, c);
      } else {
        g.f.caN[c].setBackColor(kBianco);
        ImpostaValore(g, c, t, Origine::Nera);
      }
    }
  }

  if (g.registro.RigheUsate > 9) {
    for (int r = 9; r < 18; ++r) {
      for (int j = 0; j < 9; ++j) {
        const int c = Zona()[r - 9][j];
        const char t = Carattere(g.registro.RigheDati[r], j);
        Label& l = g.f.caN[c];
        if (t == 'b') {
          l.setForeColor(kBluMossa);
          if (g.HaValore(c)) g.griglia.Orig[c] = Origine::Blu;
        } else if (t == 'c') {
          l.setForeColor(kBianco);
          if (g.HaValore(c)) g.griglia.Orig[c] = Origine::Provvisoria;
        }
      }
    }
  }

  if (g.registro.RigheUsate > 18) {
    // The k-th comma-terminated piece of the block belongs to cell k, counted over all nine rows;
    // pieces beyond cell 80 are ignored.
    int k = -1;
    for (int r = 18; r < 27; ++r) {
      std::string_view resto = g.registro.RigheDati[r];
      for (;;) {
        const std::size_t virgola = resto.find(',');
        if (virgola == std::string_view::npos) break;
        ++k;
        std::string_view pezzo = Trim(resto.substr(0, virgola));
        resto.remove_prefix(virgola + 1);
        if (!pezzo.empty() && CellaValida(k)) g.griglia.Can.set(k, Incornicia(pezzo));
      }
    }
    // The cells without a value already show in the candidate font: they were emptied above.
  }
}

// Only the blocks the restore reads tell apart two row counts.
int Blocchi(int righeUsate) {
  return righeUsate > 18 ? 3 : righeUsate > 9 ? 2 : 1;
}

// Between the trials of a verification run the same Flash is restored again and again, and
// reading it took a tenth of the run. What the reading leaves depends on nothing but its inputs
// (see LetturaRecord), so a restore of the same inputs takes the kept result instead: the grid
// state is copied and each cell label is given the caption, font and colours it had after the
// reading, through its setters so that a renderer still sees what changed. The inputs are
// compared whole at every restore, so whatever wrote the rows in between, the result cannot be
// an old one.
bool StessaLettura(const Gioco& g) {
  const LetturaRecord& u = g.cache.UltimaLettura;
  return u.valida && u.blocchi == Blocchi(g.registro.RigheUsate) &&
         u.dimValore == g.geometria.DimValore && u.dimCandidati == g.geometria.DimCandidati &&
         u.righe == g.registro.RigheDati;
}

void RicordaLettura(Gioco& g) {
  LetturaRecord& u = g.cache.UltimaLettura;
  u.valida = true;
  u.righe = g.registro.RigheDati;
  u.blocchi = Blocchi(g.registro.RigheUsate);
  u.dimValore = g.geometria.DimValore;
  u.dimCandidati = g.geometria.DimCandidati;
  u.cifra = g.griglia.Cifra;
  u.orig = g.griglia.Orig;
  u.can = g.griglia.Can;
  for (int c = 0; c < kCelle; ++c) {
    const Label& l = g.f.caN[c];
    u.etichette[c] = {l.caption(), l.font(), l.foreColor(), l.backColor()};
  }
}

void RiportaLettura(Gioco& g) {
  const LetturaRecord& u = g.cache.UltimaLettura;
  g.griglia.Cifra = u.cifra;
  g.griglia.Orig = u.orig;
  g.griglia.Can = u.can;
  for (int c = 0; c < kCelle; ++c) {
    const LetturaRecord::Etichetta& e = u.etichette[c];
    Label& l = g.f.caN[c];
    l.setCaption(e.caption);
    l.setFont(e.font);
    l.setForeColor(e.testo);
    l.setBackColor(e.sfondo);
  }
}

void Ripristina(Gioco& g) {
  if (StessaLettura(g)) {
    RiportaLettura(g);
  } else {
    Leggi(g);
    RicordaLettura(g);
  }

  g.griglia.Riempite = g.griglia.Cifra.piene();

  if (g.verifica.InTentativo) {
    g.verifica.NumConsigli = g.registro.ConsigliInizioTentativi;
    g.griglia.Riempite = g.registro.RiempiteRegistrate;
    g.verifica.UsoMetodiConta = g.verifica.UsoMetodiSalvati;
  }
}

}  // namespace

std::string RigaValori(const Gioco& g, int r) {
  std::string riga(9, ' ');
  for (int j = 0; j < 9; ++j) {
    const int c = Zona()[r][j];
    if (g.HaValore(c)) riga[j] = g.griglia.Cifra[c];
  }
  return riga;
}

void RegistraStato(Gioco& g) {
  if (!g.registro.CandidatiModificati && g.verifica.NumVociTentativi == 0)
    g.registro.DatiRegistrati = true;

  for (int r = 0; r < 9; ++r) g.registro.RigheDati[r] = RigaValori(g, r);
  for (int c = 0; c < kCelle; ++c)
    if (g.HaValore(c) && g.griglia.Orig[c] == Origine::Blu) g.registro.DatiRegistrati = false;
  g.registro.RigheUsate = 9;
  if (!g.partita.InGioco) return;

  bool conCandidati = true;
  if (g.registro.InSalvataggio) {
    if (g.registro.DatiRegistrati) return;
    conCandidati = g.platform.messageBox("Salvare anche i Candidati ?", "Salvataggio",
                                         MsgButtons::YesNo, false) == MsgResult::Yes;
  }

  for (int r = 9; r < 18; ++r) {
    std::string riga(9, ' ');
    for (int j = 0; j < 9; ++j) riga[j] = CarattereOrigine(g, Zona()[r - 9][j]);
    g.registro.RigheDati[r] = std::move(riga);
  }
  g.registro.RigheUsate = 18;
  if (g.registro.InSalvataggio && !conCandidati) return;

  for (int r = 18; r < 27; ++r) {
    std::string riga;
    for (int j = 0; j < 9; ++j) {
      const int c = Zona()[r - 18][j];
      if (g.HaValore(c))
        riga += ' ';
      else
        riga += g.griglia.Can.ridotto(c);
      riga += ',';
    }
    g.registro.RigheDati[r] = std::move(riga);
  }
  g.registro.RigheUsate = 27;

  g.registro.RiempiteRegistrate = g.griglia.Riempite;
  g.verifica.UsoMetodiSalvati = g.verifica.UsoMetodiConta;
}

void RipristinaFlash(Gioco& g) {
  Ripristina(g);
}

void RipristinaFile(Gioco& g) {
  Ripristina(g);
}

}  // namespace orv
