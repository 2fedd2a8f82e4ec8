// The candidate texts of the 81 cells, with the digits of each text kept beside it as masks.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/schema.h"

namespace orv {

// A text keeps the program's form: a blank, the digits ascending, a blank (" 1357 "); "  " for a
// cell with a value or without candidates, "" for a cell not yet computed. A restored record may
// leave any other text, and it is kept as it stands.
//
// The techniques ask, zone by zone, which cells list a digit; parsing the texts for that at every
// step was the largest cost of a verification run. So every change of a text goes through here,
// and the masks follow it:
// - maschera(c): bit d when the digit d appears anywhere in the text of cell c;
// - posti(z, d): bit j when the text of cell Zona(z)(j) holds d;
// - ridotto(c): the text trimmed of its blanks, and conLunghezza(z, n): the positions of zone z
//   whose trimmed text has n characters;
// - primoSolo(): the first cell whose text, trimmed of its blanks, is one character long;
// - canonico(c): the text is in the program's form ("" and "  " included), so its masks say
//   all there is to say about it: no digit twice, no other character.
class TestiCandidati {
 public:
  TestiCandidati() { svuota(); }

  const std::string& operator[](int c) const {
    if (scaduto_[c]) scrivi(c);
    return t_[c];
  }
  auto begin() const { return testi().begin(); }
  auto end() const { return testi().end(); }
  static constexpr std::size_t size() { return kCelle; }
  bool operator==(const TestiCandidati& o) const { return testi() == o.testi(); }
  bool operator==(const std::array<std::string, kCelle>& o) const { return testi() == o; }
  const std::array<std::string, kCelle>& testi() const {
    for (int c = 0; c < kCelle; ++c)
      if (scaduto_[c]) scrivi(c);
    return t_;
  }

  void set(int c, std::string_view t) {
    if (!CellaValida(c)) return;
    t_[c].assign(t.data(), t.size());
    scaduto_[c] = false;
    aggiorna(c);
    timbra(c);
  }
  // The text of the digits of `m` (bits 1..9) in the program's form: " 1357 ", or "  " for none.
  void setDaMaschera(int c, std::uint16_t m) {
    if (!CellaValida(c)) return;
    // The text is in the program's form by construction: nothing needs reading, and it is
    // written out only when somebody reads it.
    const auto cifre = static_cast<std::uint16_t>(m & 0x3FEu);
    const auto n = static_cast<std::uint32_t>(ContaBit(cifre));
    nuovaForma(c, true);
    scaduto_[c] = true;
    inizio_[c] = n == 0 ? 2 : 1;
    nuovaLunghezza(c, n);
    nuovaMaschera(c, cifre);
    timbra(c);
  }
  TestiCandidati& operator=(const std::array<std::string, kCelle>& a) {
    for (int c = 0; c < kCelle; ++c) set(c, a[c]);
    return *this;
  }
  // Removes the first occurrence of d; nothing changes when d is absent.
  void togli(int c, char d) {
    if (!CellaValida(c)) return;
    if (canonico_[c] && d >= '1' && d <= '9') {
      // A digit out of a text in the program's form leaves one in that form: " 13 " gives
      // " 3 ", " 3 " gives "  ". Nothing needs reading again, and the text is written out only
      // when somebody reads it.
      const auto bit = static_cast<std::uint16_t>(1u << (d - '0'));
      if (!(maschera_[c] & bit)) return;
      scaduto_[c] = true;
      const std::uint32_t lunghezza = lunghezza_[c] - 1;
      if (lunghezza == 0) inizio_[c] = 2;
      nuovaLunghezza(c, lunghezza);
      nuovaMaschera(c, static_cast<std::uint16_t>(maschera_[c] & ~bit));
      timbra(c);
      return;
    }
    if (scaduto_[c]) scrivi(c);
    std::string& t = t_[c];
    const std::size_t p = t.find(d);
    if (p == std::string::npos) return;
    t.erase(p, 1);
    timbra(c);
    aggiorna(c);
  }
  // Every text empty.
  void svuota() {
    for (std::string& t : t_) t.clear();
    scaduto_.fill(false);
    soli_.fill(0);
    inizio_.fill(0);
    lunghezza_.fill(0);
    for (auto& l : lunghe_) l.fill(0);
    maschera_.fill(0);
    for (auto& z : posti_) z.fill(0);
    canonico_.fill(true);
    nonCanonici_ = 0;
    timbri_.fill(NuovoTimbro());
  }

  std::uint16_t maschera(int c) const { return maschera_[c]; }
  // The text of c trimmed of its blanks.
  std::string_view ridotto(int c) const {
    // A text in the program's form, written out or not, trimmed is its digits in order.
    if (canonico_[c]) return CifreDellaMaschera(maschera_[c]);
    return std::string_view(t_[c].data() + inizio_[c], lunghezza_[c]);
  }
  // The length of the whole text, blanks included.
  std::size_t dimensione(int c) const {
    // A text in the program's form, written out or not: "" or its digits between two blanks.
    if (canonico_[c]) return inizio_[c] == 0 ? 0 : lunghezza_[c] + 2;
    return t_[c].size();
  }
  // The positions of zone z whose trimmed text is n characters long, for n = 2, 3, 4 (0 for any
  // other n): the subset searches skip the zones that have too few.
  std::uint16_t conLunghezza(int z, int n) const {
    return n >= 2 && n <= 4 ? lunghe_[n - 2][z] : 0;
  }
  // The first cell whose trimmed text has length 1; -1 when there is none.
  int primoSolo() const {
    for (int w = 0; w < 2; ++w)
      if (soli_[w] != 0) return 64 * w + std::countr_zero(soli_[w]);
    return -1;
  }
  // The stamp of zone z's texts: it moves at every change of one of them.
  std::uint64_t timbro(int z) const { return timbri_[z]; }
  std::uint16_t posti(int z, int d) const { return posti_[z][d]; }
  bool canonico(int c) const { return canonico_[c]; }
  // True when every text is in the program's form.
  bool tuttiCanonici() const { return nonCanonici_ == 0; }
  // Whether d ('1'..'9') appears in the text of c; any other character is looked up in the text.
  bool ha(int c, char d) const {
    if (d >= '1' && d <= '9') return maschera_[c] >> (d - '0') & 1;
    // As the text reads now: until it is written out, a text rewritten by its digits still holds
    // the old one, with whatever character that had.
    return HaCandidato((*this)[c], d);
  }

 private:
  // The digits of a mask (bits 1..9) in ascending order, as text.
  static std::string_view CifreDellaMaschera(std::uint16_t m) {
    static constexpr auto kTesti = [] {
      std::array<std::array<char, 10>, 512> t{};
      for (unsigned i = 0; i < 512; ++i) {
        int n = 0;
        for (int d = 1; d <= 9; ++d)
          if (i >> (d - 1) & 1) t[i][n++] = static_cast<char>('0' + d);
        t[i][9] = static_cast<char>(n);
      }
      return t;
    }();
    const auto& t = kTesti[m >> 1 & 0x1FF];
    return std::string_view(t.data(), static_cast<std::size_t>(t[9]));
  }

  // Writes out the text of c from its mask: "" when it was never computed (inizio_ 0).
  void scrivi(int c) const {
    scaduto_[c] = false;
    if (inizio_[c] == 0) {
      t_[c].clear();
      return;
    }
    char testo[11];
    std::size_t n = 0;
    testo[n++] = ' ';
    for (char d : CifreDellaMaschera(maschera_[c])) testo[n++] = d;
    testo[n++] = ' ';
    t_[c].assign(testo, n);
  }

  void timbra(int c) {
    const std::uint64_t t = NuovoTimbro();
    for (int z : PostiCella(c).zona) timbri_[z] = t;
  }

  void aggiorna(int c) {
    const std::string& t = t_[c];
    const std::string_view ridotto = Trim(t);
    inizio_[c] = static_cast<std::uint32_t>(ridotto.data() - t.data());
    nuovaLunghezza(c, static_cast<std::uint32_t>(ridotto.size()));
    std::uint16_t m = 0;
    bool forma = t.empty() || (t.size() >= 2 && t.front() == ' ' && t.back() == ' ');
    int ultima = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
      const char ch = t[i];
      if (ch >= '1' && ch <= '9') {
        const int d = ch - '0';
        m |= static_cast<std::uint16_t>(1u << d);
        // Inside the frame the digits rise strictly.
        if (d <= ultima || i == 0 || i + 1 == t.size()) forma = false;
        ultima = d;
      } else if (i != 0 && i + 1 != t.size()) {
        forma = false;
      }
    }
    nuovaForma(c, forma);
    nuovaMaschera(c, m);
  }

  // Whether the text of c is in the program's form, and the count of those that are not.
  void nuovaForma(int c, bool forma) {
    if (canonico_[c] == forma) return;
    canonico_[c] = forma;
    nonCanonici_ += forma ? -1 : 1;
  }

  // The trimmed length of c is now `dopo`: the single-candidate set and the per-zone lengths.
  void nuovaLunghezza(int c, std::uint32_t dopo) {
    const std::uint64_t bit = std::uint64_t{1} << (c % 64);
    if (dopo == 1)
      soli_[c / 64] |= bit;
    else
      soli_[c / 64] &= ~bit;
    const std::uint32_t prima = lunghezza_[c];
    if (prima == dopo) return;
    lunghezza_[c] = dopo;
    const PostoCella& p = PostiCella(c);
    for (int i = 0; i < 3; ++i) {
      const auto b = static_cast<std::uint16_t>(1u << p.posizione[i]);
      if (prima >= 2 && prima <= 4) lunghe_[prima - 2][p.zona[i]] &= static_cast<std::uint16_t>(~b);
      if (dopo >= 2 && dopo <= 4) lunghe_[dopo - 2][p.zona[i]] |= b;
    }
  }

  // The digits of c are now `m`: the zone positions of the digits that changed.
  void nuovaMaschera(int c, std::uint16_t m) {
    const std::uint16_t cambiati = maschera_[c] ^ m;
    if (cambiati == 0) return;
    maschera_[c] = m;
    const PostoCella& p = PostiCella(c);
    for (int i = 0; i < 3; ++i) {
      std::array<std::uint16_t, 10>& zona = posti_[p.zona[i]];
      const auto bit = static_cast<std::uint16_t>(1u << p.posizione[i]);
      for (unsigned d = cambiati; d != 0; d &= d - 1) zona[std::countr_zero(d)] ^= bit;
    }
  }

  // A text whose flag in scaduto_ is set is in the program's form and has not been written out
  // since its digits changed: its masks say what it is.
  mutable std::array<std::string, kCelle> t_;
  mutable std::array<bool, kCelle> scaduto_{};
  std::array<std::uint16_t, kCelle> maschera_{};
  std::array<std::array<std::uint16_t, 10>, kZone> posti_{};
  std::array<bool, kCelle> canonico_{};
  std::array<std::uint64_t, 2> soli_{};
  std::array<std::uint32_t, kCelle> inizio_{}, lunghezza_{};
  std::array<std::array<std::uint16_t, kZone>, 3> lunghe_{};
  int nonCanonici_ = 0;
  std::array<std::uint64_t, kZone> timbri_{};
};

}  // namespace orv
