#include "cli/crea_cli.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "cli/cli.h"
#include "creation/crea.h"
#include "model/azzera.h"
#include "model/registro.h"
#include "toolkit/scripted_platform.h"
#include "ui/finestra.h"

namespace orv {

namespace {

constexpr const char* kUsoCrea = "uso: orvento-cli crea N [--cartella DIR] [--seme S]\n";

// A file of the folder that does not exist yet: NAME.sud, else NAME-2.sud, NAME-3.sud ...
std::filesystem::path NuovoFile(const std::filesystem::path& cartella, const std::string& nome) {
  std::filesystem::path p = cartella / (nome + ".sud");
  for (int i = 2; std::filesystem::exists(p); ++i)
    p = cartella / (nome + "-" + std::to_string(i) + ".sud");
  return p;
}

}  // namespace

int ComandoCrea(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::uint64_t> quanti;
  std::uint64_t seme = 1;
  std::filesystem::path cartella = ".";
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--cartella" || a == "--seme") {
      if (i + 1 >= args.size()) {
        err << "orvento-cli: " << a << " vuole un valore\n" << kUsoCrea;
        return 2;
      }
      const std::string& v = args[++i];
      if (a == "--cartella") {
        cartella = v;
      } else if (const auto n = NumeroIntero(v)) {
        seme = *n;
      } else {
        err << "orvento-cli: seme non valido: " << v << "\n";
        return 2;
      }
    } else if (!quanti) {
      quanti = NumeroIntero(a);
      if (!quanti || *quanti == 0 || *quanti > 100000) {
        err << "orvento-cli: crea vuole il numero di schemi (da 1 a 100000)\n" << kUsoCrea;
        return 2;
      }
    } else {
      err << kUsoCrea;
      return 2;
    }
  }
  if (!quanti) {
    err << kUsoCrea;
    return 2;
  }
  // The folder must take files before any work is done.
  {
    std::error_code ec;
    const std::filesystem::path prova = NuovoFile(cartella, ".orvento-prova");
    std::ofstream f(prova);
    const bool scrivibile = f.good() && std::filesystem::is_directory(cartella, ec);
    f.close();
    std::filesystem::remove(prova, ec);
    if (!scrivibile) {
      err << "orvento-cli: non posso scrivere nella cartella " << cartella.string() << "\n";
      return 2;
    }
  }

  ScriptedPlatform piattaforma(seme);
  Gioco g(piattaforma);
  CollegaEventi(g);
  Form_Load(g);
  for (std::uint64_t n = 0; n < *quanti; ++n) {
    do {
      Azzera(g);
      mCrea_click(g);
    } while (g.verifica.ValutazioneTesto == " Facile");
    const std::filesystem::path file = NuovoFile(cartella, g.creazione.NomeSchema);
    std::ofstream f(file, std::ios::binary);
    for (int r = 0; r < 9; ++r) f << '"' << RigaValori(g, r) << "\"\r\n";
    f.close();
    if (!f) {
      err << "orvento-cli: non riesco a scrivere " << file.string() << "\n";
      return 2;
    }
    out << file.filename().string() << " " << g.verifica.ValutazioneTesto.substr(1) << " "
        << g.griglia.Riempite << " dati\n";
  }
  return 0;
}

}  // namespace orv
