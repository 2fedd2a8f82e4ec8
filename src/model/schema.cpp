#include "model/schema.h"

namespace orv {

namespace {

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

constexpr TabellaZone kZona = CostruisciZone();

}  // namespace

const TabellaZone& Zona() {
  return kZona;
}

int CellaZona(int z, int j) {
  if (!ZonaValida(z) || j < 0 || j > 8) return -1;
  return kZona[z][j];
}

std::string NomeCasella(int c) {
  if (!CellaValida(c)) return {};
  return {static_cast<char>('A' + c / 9), static_cast<char>('a' + c % 9)};
}

std::string_view Trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.substr(b, e - b);
}

void TogliCandidato(std::string& can, char d) {
  std::size_t p = can.find(d);
  if (p != std::string::npos) can.erase(p, 1);
}

int NumCandidati(std::string_view can) {
  return static_cast<int>(Trim(can).size());
}

bool HaCandidato(std::string_view can, char d) {
  return can.find(d) != std::string_view::npos;
}

std::string Incornicia(std::string_view digits) {
  std::string s;
  s.reserve(digits.size() + 2);
  s += ' ';
  s += digits;
  s += ' ';
  return s;
}

}  // namespace orv
