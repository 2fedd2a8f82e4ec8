// An independent backtracking solver for the tests: it knows nothing of the program's techniques.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/schema.h"

namespace orv::test {

// Counts the solutions of a schema (up to a limit) by plain backtracking on bit masks; knows
// nothing of the program's techniques.
class ContaSoluzioni {
 public:
  explicit ContaSoluzioni(std::string_view schema) {
    for (int c = 0; c < kCelle; ++c) {
      const char ch = c < static_cast<int>(schema.size()) ? schema[c] : '.';
      griglia_[c] = ch >= '1' && ch <= '9' ? ch - '0' : 0;
      if (griglia_[c] != 0) {
        if (Occupato(c, griglia_[c])) contraddittorio_ = true;
        Segna(c, griglia_[c], true);
      }
    }
  }
  int Conta(int limite = 2) {
    if (contraddittorio_) return 0;
    limite_ = limite;
    trovate_ = 0;
    Cerca();
    return trovate_;
  }
  // The first solution found, 81 digits.
  const std::string& Soluzione() const { return soluzione_; }

 private:
  static int Q(int c) { return 3 * (c / 27) + (c % 9) / 3; }
  bool Occupato(int c, int d) const {
    const unsigned b = 1u << d;
    return (righe_[c / 9] | colonne_[c % 9] | quadri_[Q(c)]) & b;
  }
  void Segna(int c, int d, bool si) {
    const unsigned b = 1u << d;
    if (si) {
      righe_[c / 9] |= b;
      colonne_[c % 9] |= b;
      quadri_[Q(c)] |= b;
    } else {
      righe_[c / 9] &= ~b;
      colonne_[c % 9] &= ~b;
      quadri_[Q(c)] &= ~b;
    }
  }
  void Cerca() {
    // The empty cell with the fewest possibilities.
    int migliore = -1, minimo = 10;
    for (int c = 0; c < kCelle; ++c) {
      if (griglia_[c] != 0) continue;
      int n = 0;
      for (int d = 1; d <= 9; ++d) n += !Occupato(c, d);
      if (n < minimo) {
        minimo = n;
        migliore = c;
      }
    }
    if (migliore < 0) {
      if (trovate_++ == 0)
        for (int c = 0; c < kCelle; ++c) soluzione_ += static_cast<char>('0' + griglia_[c]);
      return;
    }
    for (int d = 1; d <= 9 && trovate_ < limite_; ++d) {
      if (Occupato(migliore, d)) continue;
      griglia_[migliore] = d;
      Segna(migliore, d, true);
      Cerca();
      Segna(migliore, d, false);
      griglia_[migliore] = 0;
    }
  }
  std::array<int, kCelle> griglia_{};
  std::array<unsigned, 9> righe_{}, colonne_{}, quadri_{};
  bool contraddittorio_ = false;
  int limite_ = 2;
  int trovate_ = 0;
  std::string soluzione_;
};

}  // namespace orv::test
