#include "model/gioco.h"

namespace orv {

ModoVista Gioco::Vista() const {
  if (f.Sugge1.value()) return ModoVista::Tutti;
  if (f.Sugge2.value()) return ModoVista::SoloSe;
  if (f.Sugge6.value()) return ModoVista::SuDoppiette;
  if (f.Sugge8.value()) return ModoVista::SuTutti;
  return ModoVista::Nessuno;
}

}  // namespace orv
