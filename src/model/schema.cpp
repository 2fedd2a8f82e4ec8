#include "model/schema.h"

namespace orv {

int CellaZona(int z, int j) {
  if (!ZonaValida(z) || j < 0 || j > 8) return -1;
  return detail::kZona[z][j];
}

std::string NomeCasella(int c) {
  if (!CellaValida(c)) return {};
  return {static_cast<char>('A' + c / 9), static_cast<char>('a' + c % 9)};
}

void TogliCandidato(std::string& can, char d) {
  std::size_t p = can.find(d);
  if (p != std::string::npos) can.erase(p, 1);
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
