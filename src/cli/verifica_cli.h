#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orv {

// `orvento-cli verifica [--csv] [--mosse] [--soluzione] FILE...`; args are the words after
// "verifica". Returns the exit status.
int ComandoVerifica(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orv
