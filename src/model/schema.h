// The grid: cell indices and names, the 27 zones, and the candidate texts.
//
// A cell is 9 x row + column. Zones 0..8 are the rows, 9..17 the columns, 18..26 the boxes.
// Candidate texts keep the program's text form: a blank, the digits ascending, a blank.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

inline constexpr int kCelle = 81;
inline constexpr int kZone = 27;

using TabellaZone = std::array<std::array<int, 9>, kZone>;

namespace detail {
constexpr TabellaZone CostruisciZone() {
  TabellaZone z{};
  for (int r = 0; r < 9; ++r)
    for (int j = 0; j < 9; ++j) z[r][j] = 9 * r + j;
  for (int k = 0; k < 9; ++k)
    for (int j = 0; j < 9; ++j) z[9 + k][j] = k + 9 * j;
  for (int b = 0; b < 9; ++b)
    for (int j = 0; j < 9; ++j) z[18 + b][j] = 27 * (b / 3) + 3 * (b % 3) + 9 * (j / 3) + j % 3;
  return z;
}
inline constexpr TabellaZone kZona = CostruisciZone();
}  // namespace detail

// The zone table, built at compile time.
inline const TabellaZone& Zona() {
  return detail::kZona;
}

inline constexpr bool CellaValida(int c) {
  return c >= 0 && c < kCelle;
}
inline constexpr bool ZonaValida(int z) {
  return z >= 0 && z < kZone;
}

// The three zones of a cell; a cell outside 0..80 gives -1.
inline constexpr int ZonaRiga(int c) {
  return CellaValida(c) ? c / 9 : -1;
}
inline constexpr int ZonaColonna(int c) {
  return CellaValida(c) ? 9 + c % 9 : -1;
}
inline constexpr int ZonaQuadro(int c) {
  return CellaValida(c) ? 18 + 3 * ((c / 9) / 3) + (c % 9) / 3 : -1;
}
// The j-th cell of zone z; -1 when z or j is out of range.
int CellaZona(int z, int j);

// Where a cell stands in its three zones: the row, the column and the box, and its position
// inside each of them (Zona(zona[i])(posizione[i]) is the cell). The masks that the grid and the
// candidate texts keep per zone are updated through it.
struct PostoCella {
  std::array<int, 3> zona;
  std::array<int, 3> posizione;
};

namespace detail {
constexpr std::array<PostoCella, kCelle> CostruisciPosti() {
  std::array<PostoCella, kCelle> p{};
  for (int c = 0; c < kCelle; ++c) {
    const int r = c / 9, k = c % 9;
    p[c] = {{r, 9 + k, 18 + 3 * (r / 3) + k / 3}, {k, r, 3 * (r % 3) + k % 3}};
  }
  return p;
}
inline constexpr std::array<PostoCella, kCelle> kPosti = CostruisciPosti();
}  // namespace detail

// The cell must be in 0..80.
inline const PostoCella& PostiCella(int c) {
  return detail::kPosti[c];
}

namespace detail {
// The first stamp of a thread: each thread counts in its own range, so two threads never hand
// out the same number and none waits for another.
std::uint64_t PrimoTimbro();
}  // namespace detail

// A number never handed out before. The grid and the candidate texts stamp each zone at every
// change, so a stamp names what a zone holds, in copies of the board too: the searches remember
// the stamps of the zones where they found nothing, and skip them while the stamps stay.
inline std::uint64_t NuovoTimbro() {
  thread_local std::uint64_t ultimo = detail::PrimoTimbro();
  return ++ultimo;
}

// "Aa" for cell 0 .. "Ii" for cell 80; empty for an index outside the grid.
std::string NomeCasella(int c);

namespace detail {
inline constexpr auto kBitDi = [] {
  std::array<std::uint8_t, 1024> t{};
  for (unsigned i = 1; i < t.size(); ++i) t[i] = static_cast<std::uint8_t>(t[i / 2] + (i & 1));
  return t;
}();
}  // namespace detail

// Bits set in a 16-bit mask. The portable build has no popcount instruction, and the library
// call it falls back on cost a tenth of a verification run; the masks of digits and of zone
// positions have ten bits at most, and a table answers for them.
inline constexpr int ContaBit(unsigned m) {
  m &= 0xFFFFu;
  if (m < detail::kBitDi.size()) return detail::kBitDi[m];
  m = m - ((m >> 1) & 0x5555u);
  m = (m & 0x3333u) + ((m >> 2) & 0x3333u);
  m = (m + (m >> 4)) & 0x0F0Fu;
  return static_cast<int>((m + (m >> 8)) & 0x1Fu);
}

// Trim of blanks only, at both ends.
inline std::string_view Trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.substr(b, e - b);
}

// Candidate helpers on a text such as " 1357 ".
inline constexpr const char* kTuttiCandidati = " 123456789 ";
// Removes the first occurrence of d; the text is unchanged when d is absent.
void TogliCandidato(std::string& can, char d);
// Length of the text trimmed of its blanks.
inline int NumCandidati(std::string_view can) {
  return static_cast<int>(Trim(can).size());
}
// A plain loop over a dozen characters beats a call to memchr.
inline bool HaCandidato(std::string_view can, char d) {
  for (char ch : can)
    if (ch == d) return true;
  return false;
}
// " " + digits + " ".
std::string Incornicia(std::string_view digits);

}  // namespace orv
