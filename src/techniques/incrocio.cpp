#include "techniques/incrocio.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "model/candidati.h"
#include "model/celle.h"

namespace orv {

namespace {

// Shows the marks: grey where a cell is excluded, white elsewhere.
void MostraEsclusioni(Gioco& g) {
  for (int c = 0; c < kCelle; ++c)
    g.f.caN[c].setBackColor(g.ricerca.Esclusa[c] ? kGrigioEsclusione : kBianco);
}

// The closing rule shared by the crossing and the exclusion display: a single value keeps its
// marks and adds every cell that holds a value; a range leaves no mark behind.
void ChiudiEsclusioni(Gioco& g) {
  if (g.ricerca.ValoreIniziale != g.ricerca.ValoreFinale) {
    CancellaEsclusioni(g);
    return;
  }
  for (int c = 0; c < kCelle; ++c)
    if (g.HaValore(c)) g.ricerca.Esclusa[c] = true;
  MostraEsclusioni(g);
}

constexpr bool UnoSolo(unsigned m) {
  return m != 0 && (m & (m - 1)) == 0;
}

std::string Incorniciato(int v) {
  return " " + std::to_string(v) + " ";
}

}  // namespace

void CancellaEsclusioni(Gioco& g) {
  g.ricerca.Esclusa.fill(false);
  SfondiBianchi(g);
}

std::optional<int> PrimoCandidatoPuro(const Gioco& g) {
  const int c = g.griglia.Can.primoSolo();
  if (c < 0) return std::nullopt;
  return c;
}

namespace {

// The grid keeps, per value, the rows, columns and boxes that hold it. A cell is excluded for v
// exactly when its row, its column or its box holds v, so the crossing needs no cell-by-cell
// marks: each zone's free places for v are one mask operation.
bool Esclusa(const Cifre& cifre, int c, int v) {
  const int r = c / 9, k = c % 9;
  return (cifre.righe(v) >> r & 1) || (cifre.colonne(v) >> k & 1) ||
         (cifre.quadri(v) >> (3 * (r / 3) + k / 3) & 1);
}

// Three bits, one per group of three positions of a zone, widened to those positions.
constexpr std::array<std::uint16_t, 8> kTerne = {0, 0x7, 0x38, 0x3F, 0x1C0, 0x1C7, 0x1F8, 0x1FF};

// The first zone, from 26 down to 0, where v has exactly one free place (in `liberi`); -1 when
// there is none. A zone that holds v has none: all its cells are excluded.
int ZonaConUnPosto(const Cifre& cifre, int v, unsigned& liberi) {
  const unsigned righe = cifre.righe(v), colonne = cifre.colonne(v), quadri = cifre.quadri(v);
  const std::array<std::uint16_t, kZone>& vuote = cifre.vuote();
  // A value in every row has no free place left anywhere.
  if (righe == 0x1FF) return -1;
  // A box: its three rows across, its three columns down.
  for (int b = 8; b >= 0; --b) {
    if (quadri >> b & 1) continue;
    liberi = vuote[18 + b] &
             ~(kTerne[righe >> (3 * (b / 3)) & 7] | ((colonne >> (3 * (b % 3)) & 7) * 0x49u));
    if (UnoSolo(liberi)) return 18 + b;
  }
  // A column: the rows with v, and the boxes of its stack.
  std::array<unsigned, 3> pila;
  for (int s = 0; s < 3; ++s) {
    const unsigned q = quadri >> s;
    pila[s] = kTerne[(q & 1) | (q >> 2 & 2) | (q >> 4 & 4)];
  }
  for (int k = 8; k >= 0; --k) {
    if (colonne >> k & 1) continue;
    liberi = vuote[9 + k] & ~(righe | pila[k / 3]);
    if (UnoSolo(liberi)) return 9 + k;
  }
  // A row: the columns with v, and the boxes of its band.
  for (int r = 8; r >= 0; --r) {
    if (righe >> r & 1) continue;
    liberi = vuote[r] & ~(colonne | kTerne[quadri >> (3 * (r / 3)) & 7]);
    if (UnoSolo(liberi)) return r;
  }
  return -1;
}

// The crossing without its closing rule: the move search paints the grid white right after it.
void Incroci(Gioco& g) {
  if (!g.ricerca.SoloRicerca) return;
  // Values outside 1..9 can be neither placed nor found.
  const int da = std::max(g.ricerca.ValoreIniziale, 1), a = std::min(g.ricerca.ValoreFinale, 9);
  for (int v = da; v <= a; ++v) {
    unsigned liberi = 0;
    const int z = ZonaConUnPosto(g.griglia.Cifra, v, liberi);
    if (z < 0) continue;
    MossaTrovata& m = g.ricerca.Mossa;
    m.CodiceMetodo = UnoSolo(g.griglia.Cifra.vuote()[z]) ? "USO" : z < 18 ? "ZOC" : "ZOB";
    m.CasellaMossa = Zona()[z][std::countr_zero(liberi)];
    m.ValoreMossa = Incorniciato(v);
    m.ZonaMossa = z;
    m.DaTogliere.clear();
    m.Gruppo.clear();
    g.ricerca.Trovata = true;
    if (g.ricerca.InRisoluzione) break;
  }
}

}  // namespace

void RicercaIncroci(Gioco& g) {
  if (g.ricerca.ValoreIniziale == 0) return;
  Incroci(g);
}

void ColpoOcchio(Gioco& g) {
  if (g.ricerca.ValoreIniziale == 0) return;
  Incroci(g);
  // One value keeps the marks of its places (the closing rule adds the cells with a value).
  if (g.ricerca.ValoreIniziale == g.ricerca.ValoreFinale) {
    const int v = g.ricerca.ValoreIniziale;
    for (int c = 0; c < kCelle; ++c)
      g.ricerca.Esclusa[c] = v >= 1 && v <= 9 && Esclusa(g.griglia.Cifra, c, v);
  }
  ChiudiEsclusioni(g);
}

void CasellaSola(Gioco& g) {
  const TabellaZone& zona = Zona();
  bool cambiato;
  do {
    cambiato = false;
    const std::array<std::uint16_t, kZone>& vuote = g.griglia.Cifra.vuote();
    for (std::uint32_t zone = g.griglia.Cifra.zoneConUnaVuota(); zone != 0; zone &= zone - 1) {
      const int z = std::countr_zero(zone);
      const int cella = zona[z][std::countr_zero(unsigned{vuote[z]})];
      int somma = 0;
      for (int c : zona[z]) {
        const char d = g.griglia.Cifra[c];
        if (d >= '1' && d <= '9') somma += d - '0';
      }
      const int v = 45 - somma;
      if (g.ricerca.SoloRicerca) {
        MossaTrovata& m = g.ricerca.Mossa;
        m.CodiceMetodo = "USO";
        m.CasellaMossa = cella;
        m.ValoreMossa = Incorniciato(v);
        m.ZonaMossa = z;
        m.DaTogliere.clear();
        g.ricerca.Trovata = true;
        return;
      }
      // A zone with a repeated value leaves no digit to place; the error check of the other
      // placements is what reports such a grid.
      if (v < 1 || v > 9) continue;
      PiazzaProvvisoria(g, cella, static_cast<char>('0' + v));
      cambiato = true;
      break;
    }
    if (g.verifica.InTentativo && !g.verifica.NessunErrore) return;
  } while (cambiato);
}

void Incrocia(Gioco& g) {
  if (g.ricerca.ValoreIniziale == 0) return;
  for (int v = g.ricerca.ValoreIniziale; v <= g.ricerca.ValoreFinale; ++v) {
    const char d = v >= 1 && v <= 9 ? static_cast<char>('0' + v) : '\0';
    for (int k = 0; k < kCelle; ++k)
      g.ricerca.Esclusa[k] = d == '\0' || !HaCandidato(g.griglia.Can[k], d);
  }
  ChiudiEsclusioni(g);
}

}  // namespace orv
