// Placeholder until the batch verification lands.
#include "verification/verifica_cli.h"

namespace orv {
int ComandoVerifica(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "orvento-cli: verifica non ancora disponibile\n";
  return 3;
}
}  // namespace orv
