// The values of the 81 cells, with the masks of where they stand kept beside them.
#pragma once

#include <array>
#include <cstdint>

#include "model/schema.h"

namespace orv {

// A cell's value is 0 for none, else the character shown ('1'..'9'; a restored record may hold
// any other character and it is kept as it stands).
//
// Every step of a verification run asks which cells of a zone are empty and where each value
// already stands; rebuilding that from the 81 cells each time cost a tenth of a run, so the
// masks follow each change instead. A zone may hold a value twice on a faulty grid: the counts
// keep the mask bit until the last copy goes.
class Cifre {
 public:
  Cifre() { azzera(); }

  char operator[](int c) const { return v_[c]; }
  const std::array<char, kCelle>& valori() const { return v_; }
  auto begin() const { return v_.begin(); }
  auto end() const { return v_.end(); }
  bool operator==(const Cifre& o) const { return v_ == o.v_; }

  void set(int c, char v) {
    if (!CellaValida(c) || v_[c] == v) return;
    const bool eraVuota = v_[c] == 0;
    togli(c);
    v_[c] = v;
    metti(c);
    const std::uint64_t t = NuovoTimbro();
    for (int z : PostiCella(c).zona) timbri_[z] = t;
    if (eraVuota != (v == 0)) {
      for (int z : PostiCella(c).zona) {
        const unsigned m = vuote_[z];
        if (m != 0 && (m & (m - 1)) == 0)
          unaVuota_ |= 1u << z;
        else
          unaVuota_ &= ~(1u << z);
      }
    }
  }
  Cifre& operator=(const std::array<char, kCelle>& a) {
    for (int c = 0; c < kCelle; ++c) set(c, a[c]);
    return *this;
  }
  void azzera() {
    v_.fill(0);
    vuote_.fill(0x1FF);
    unaVuota_ = 0;
    righe_.fill(0);
    colonne_.fill(0);
    quadri_.fill(0);
    cifre_.fill(0);
    conta_ = {};
    timbri_.fill(NuovoTimbro());
  }

  // Per zone, bit j set when cell Zona(z)(j) is empty.
  const std::array<std::uint16_t, kZone>& vuote() const { return vuote_; }
  // Bit z set when zone z has exactly one empty cell.
  std::uint32_t zoneConUnaVuota() const { return unaVuota_; }
  // For value v (1..9): bit r when row r holds it, bit k when column k does, bit b when box b
  // does.
  std::uint16_t righe(int v) const { return righe_[v]; }
  std::uint16_t colonne(int v) const { return colonne_[v]; }
  std::uint16_t quadri(int v) const { return quadri_[v]; }
  // The values zone z holds, as bits 1..9.
  std::uint16_t cifre(int z) const { return cifre_[z]; }
  // The stamp of zone z's values: it moves at every change of one of them.
  std::uint64_t timbro(int z) const { return timbri_[z]; }
  // Cells with a value (any character).
  int piene() const {
    int vuote = 0;
    for (int r = 0; r < 9; ++r) vuote += ContaBit(vuote_[r]);
    return kCelle - vuote;
  }
  // Every row, column and box holds the nine digits: the grid is a solution.
  bool risolta() const {
    for (std::uint16_t z : cifre_)
      if (z != 0x3FE) return false;
    return true;
  }

 private:
  static int Numero(char d) { return d >= '1' && d <= '9' ? d - '0' : 0; }

  // Cell c leaves the masks (as empty, or as its value); metti puts it back.
  void togli(int c) { conta(c, false); }
  void metti(int c) { conta(c, true); }

  void conta(int c, bool entra) {
    const PostoCella& p = PostiCella(c);
    if (v_[c] == 0) {
      for (int i = 0; i < 3; ++i) {
        const auto bit = static_cast<std::uint16_t>(1u << p.posizione[i]);
        vuote_[p.zona[i]] =
            static_cast<std::uint16_t>(entra ? vuote_[p.zona[i]] | bit : vuote_[p.zona[i]] & ~bit);
      }
      return;
    }
    const int v = Numero(v_[c]);
    if (v == 0) return;
    // Row r, column k and box b of the cell are bit r, k and b of the value's masks.
    std::uint16_t* maschere[3] = {&righe_[v], &colonne_[v], &quadri_[v]};
    const int indici[3] = {p.zona[0], p.zona[1] - 9, p.zona[2] - 18};
    for (int i = 0; i < 3; ++i) {
      std::uint8_t& n = conta_[v][p.zona[i]];
      const auto bit = static_cast<std::uint16_t>(1u << indici[i]);
      const auto cifra = static_cast<std::uint16_t>(1u << v);
      if (entra) {
        if (n++ != 0) continue;
        *maschere[i] |= bit;
        cifre_[p.zona[i]] |= cifra;
      } else if (--n == 0) {
        *maschere[i] &= static_cast<std::uint16_t>(~bit);
        cifre_[p.zona[i]] &= static_cast<std::uint16_t>(~cifra);
      }
    }
  }

  std::array<char, kCelle> v_{};
  std::array<std::uint16_t, kZone> vuote_{};
  std::uint32_t unaVuota_ = 0;
  std::array<std::uint16_t, 10> righe_{}, colonne_{}, quadri_{};
  std::array<std::uint16_t, kZone> cifre_{};
  std::array<std::array<std::uint8_t, kZone>, 10> conta_{};
  std::array<std::uint64_t, kZone> timbri_{};
};

}  // namespace orv
