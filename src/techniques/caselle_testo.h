// Text forms that the technique procedures share when they describe a move.
#pragma once

#include <string>

namespace orv {

// Appends cell c as two decimal digits (cell 5 is "05"), after a comma unless the text is empty.
inline void AggiungiCasella(std::string& s, int c) {
  if (!s.empty()) s += ',';
  s += static_cast<char>('0' + c / 10);
  s += static_cast<char>('0' + c % 10);
}

}  // namespace orv
