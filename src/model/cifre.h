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
    if (eraVuota != (v == 0)) {
      const int r = c / 9, k = c % 9;
      for (int z : {r, 9 + k, 18 + 3 * (r / 3) + k / 3}) {
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
    conta_ = {};
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

 private:
  static int Numero(char d) { return d >= '1' && d <= '9' ? d - '0' : 0; }

  void togli(int c) {
    const int r = c / 9, k = c % 9, b = 3 * (r / 3) + k / 3;
    if (v_[c] == 0) {
      vuote_[r] &= static_cast<std::uint16_t>(~(1u << k));
      vuote_[9 + k] &= static_cast<std::uint16_t>(~(1u << r));
      vuote_[18 + b] &= static_cast<std::uint16_t>(~(1u << (3 * (r % 3) + k % 3)));
      return;
    }
    const int v = Numero(v_[c]);
    if (v == 0) return;
    if (--conta_[v][r] == 0) righe_[v] &= static_cast<std::uint16_t>(~(1u << r));
    if (--conta_[v][9 + k] == 0) colonne_[v] &= static_cast<std::uint16_t>(~(1u << k));
    if (--conta_[v][18 + b] == 0) quadri_[v] &= static_cast<std::uint16_t>(~(1u << b));
  }

  void metti(int c) {
    const int r = c / 9, k = c % 9, b = 3 * (r / 3) + k / 3;
    if (v_[c] == 0) {
      vuote_[r] |= static_cast<std::uint16_t>(1u << k);
      vuote_[9 + k] |= static_cast<std::uint16_t>(1u << r);
      vuote_[18 + b] |= static_cast<std::uint16_t>(1u << (3 * (r % 3) + k % 3));
      return;
    }
    const int v = Numero(v_[c]);
    if (v == 0) return;
    ++conta_[v][r];
    ++conta_[v][9 + k];
    ++conta_[v][18 + b];
    righe_[v] |= static_cast<std::uint16_t>(1u << r);
    colonne_[v] |= static_cast<std::uint16_t>(1u << k);
    quadri_[v] |= static_cast<std::uint16_t>(1u << b);
  }

  std::array<char, kCelle> v_{};
  std::array<std::uint16_t, kZone> vuote_{};
  std::uint32_t unaVuota_ = 0;
  std::array<std::uint16_t, 10> righe_{}, colonne_{}, quadri_{};
  std::array<std::array<std::uint8_t, kZone>, 10> conta_{};
};

}  // namespace orv
