#include "model/tabelle.h"

namespace orv {

const std::array<const char*, 16> kPrioritaStandard = {
    "        ELENCO METODI",
    "01    - Colpo d'occhio",
    "02/03 - Casella sola/Candidato puro",
    "04    - Candidato nascosto",
    "05    - Coppia pura",
    "06    - Coppia nascosta",
    "07    - Quadro imprigiona Candidato",
    "08    - Rig/Col imprigiona Candidato",
    "09    - 3 Candidati per 3 Caselle",
    "10    - 4 Candidati per 4 Caselle",
    "11   - Terna pura",
    "12   - Terna nascosta",
    "13   - Rettangolo X-Wing",
    "14   - Farfalla Swordfish",
    "15   - Quaterna pura",
    "16   - Quaterna nascosta",
};

void InizializzaTabelle(Gioco& g) {
  for (int i = 0; i < kRigheUsoMetodi; ++i)
    g.tabelle.UsoMetodiEtichetta[i] = i < 17 ? "N." + std::to_string(i + 1) + " " : std::string();
  for (int i = 0; i < kVociPriorita; ++i)
    g.tabelle.Priorita[i] =
        i < static_cast<int>(kPrioritaStandard.size()) ? kPrioritaStandard[i] : "";
  g.tabelle.NumMetodi = 15;
}

}  // namespace orv
