#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orv {

// `orvento-cli crea N [--cartella DIR] [--seme S]`; args are the words after "crea". Creates N
// schemas none of which rates " Facile", as the hidden key F11 does, each into DIR/NAME.sud.
// Returns the exit status.
int ComandoCrea(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orv
