// The layers of the source tree: a file includes only from its own folder or from the folders
// below it, so that the engine never depends on the window or the tools built on top of it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

// The folders of src/ from the bottom up; cli and qt stand side by side and never meet.
const std::vector<std::string> kStrati[] = {
    {"toolkit"}, {"model"}, {"techniques"}, {"verification"}, {"creation"}, {"coach"},
    {"trials"},  {"files"}, {"ui"},         {"cli", "qt"},    {"app"},
};

std::optional<std::size_t> Strato(const std::string& cartella) {
  for (std::size_t i = 0; i < std::size(kStrati); ++i)
    for (const std::string& c : kStrati[i])
      if (c == cartella) return i;
  return std::nullopt;
}

// Why a file of `cartella` may not include `incluso` (a path as written between quotes); empty
// when it may.
std::string Motivo(const std::string& cartella, const std::string& incluso) {
  if (incluso.find("..") != std::string::npos) return "un percorso con '..' sfugge al controllo";
  const std::size_t barra = incluso.find('/');
  if (barra == std::string::npos) return {};  // beside the file itself
  const std::string destinazione = incluso.substr(0, barra);
  if (destinazione == cartella) return {};
  const auto da = Strato(cartella), a = Strato(destinazione);
  if (!da) return "la cartella " + cartella + " non ha uno strato";
  if (!a) return destinazione + " non e' una cartella di src/";
  if (*a < *da) return {};
  if (*a == *da) return cartella + " e " + destinazione + " non si includono a vicenda";
  return destinazione + " sta sopra " + cartella;
}

TEST(Strati, TheRuleItself) {
  struct Caso {
    const char* cartella;
    const char* incluso;
    bool ammesso;
  };
  const Caso casi[] = {
      {"model", "toolkit/controls.h", true},
      {"model", "model/gioco.h", true},
      {"model", "celle.h", true},
      {"verification", "techniques/catalogo.h", true},
      {"ui", "verification/verifica.h", true},
      {"cli", "ui/finestra.h", true},
      {"qt", "ui/finestra.h", true},
      {"app", "cli/cli.h", true},
      {"app", "qt/program.h", true},
      {"model", "ui/finestra.h", false},
      {"verification", "ui/finestra.h", false},
      {"techniques", "verification/verifica.h", false},
      {"toolkit", "model/form1.h", false},
      {"ui", "cli/sessione.h", false},
      {"cli", "qt/widgets.h", false},
      {"qt", "cli/sessione.h", false},
      {"cli", "app/x.h", false},
      {"model", "altro/x.h", false},
      {"model", "model/../ui/finestra.h", false},
  };
  for (const Caso& k : casi)
    EXPECT_EQ(Motivo(k.cartella, k.incluso).empty(), k.ammesso)
        << k.cartella << " -> " << k.incluso << ": " << Motivo(k.cartella, k.incluso);
}

TEST(Strati, EveryIncludeOfTheSourceTreePointsDown) {
  namespace fs = std::filesystem;
  const fs::path src = ORVENTO_SRC_DIR;
  int file = 0;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(src)) {
    if (!e.is_regular_file()) continue;
    const std::string ext = e.path().extension().string();
    if (ext != ".h" && ext != ".cpp") continue;
    ++file;
    const std::string cartella = fs::relative(e.path(), src).begin()->string();
    std::ifstream in(e.path());
    std::string riga;
    for (int n = 1; std::getline(in, riga); ++n) {
      // "#include", "# include"; quotes, or angle brackets around a path of our own folders
      // (src/ is on the include path, so <ui/finestra.h> would compile too).
      std::size_t p = riga.find_first_not_of(" \t");
      if (p == std::string::npos || riga[p] != '#') continue;
      p = riga.find_first_not_of(" \t", p + 1);
      if (p == std::string::npos || riga.compare(p, 7, "include") != 0) continue;
      const std::size_t a = riga.find_first_of("\"<", p + 7);
      if (a == std::string::npos) continue;
      const std::size_t b = riga.find(riga[a] == '"' ? '"' : '>', a + 1);
      const std::string incluso = riga.substr(a + 1, b - a - 1);
      if (riga[a] == '<' && !Strato(incluso.substr(0, incluso.find('/')))) continue;
      const std::string motivo = Motivo(cartella, incluso);
      EXPECT_TRUE(motivo.empty()) << fs::relative(e.path(), src).string() << ":" << n << ": "
                                  << incluso << " (" << motivo << ")";
    }
  }
  EXPECT_GT(file, 50);
}

}  // namespace
