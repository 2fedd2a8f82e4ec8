#include "model/schema.h"

#include <atomic>

namespace orv {

std::uint64_t detail::PrimoTimbro() {
  // The high 16 bits tell the thread, the low 48 count its stamps: more than a run could use.
  static std::atomic<std::uint64_t> fili{0};
  return (fili.fetch_add(1, std::memory_order_relaxed) + 1) << 48;
}

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
