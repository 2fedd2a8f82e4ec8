// The batch tool verifies puzzles side by side: whatever the number of workers, it must print
// exactly what one worker prints, in the order of the lines, across files and past the number of
// lines it holds at once, with the malformed lines reported where they stand.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/verifica_cli.h"

namespace orv {
namespace {

struct Risultato {
  int rc = 0;
  std::string out, err;
  bool operator==(const Risultato&) const = default;
};

Risultato Esegui(std::vector<std::string> args) {
  std::ostringstream out, err;
  Risultato r;
  r.rc = ComandoVerifica(args, out, err);
  // The report's seconds change from run to run.
  r.out = std::regex_replace(out.str(), std::regex(R"(\(in [0-9.]+ sec)"), "(in S sec");
  r.err = err.str();
  return r;
}

std::vector<std::string> Righe(const std::string& file) {
  std::ifstream in(std::string(ORVENTO_DATA_DIR) + "/" + file);
  std::vector<std::string> righe;
  for (std::string r; std::getline(in, r);)
    if (!r.empty()) righe.push_back(r);
  return righe;
}

// A collection longer than the lines the tool holds at once (1,024), with malformed and blank
// lines, puzzles that fail, and a second file.
class VerificaInParallelo : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> righe = Righe("qqwing400.txt");
    const std::vector<std::string> facili = Righe("easy50.txt");
    righe.insert(righe.end(), facili.begin(), facili.end());
    const std::vector<std::string> difficili = Righe("hardest.txt");
    righe.insert(righe.end(), difficili.begin(), difficili.end());
    righe.insert(righe.end(), facili.begin(), facili.end());
    const std::vector<std::string> qqwing = Righe("qqwing400.txt");
    for (int volte = 0; volte < 2; ++volte) righe.insert(righe.end(), qqwing.begin(), qqwing.end());
    righe.insert(righe.begin() + 3, "1234");
    righe.insert(righe.begin() + 300, "");
    righe.insert(righe.begin() + 511, std::string(81, 'x'));
    righe.insert(righe.begin() + 1100, "55" + std::string(79, '.'));
    primo_ = Scrivi("primo", righe);
    secondo_ = Scrivi("secondo", {facili[0], "55" + std::string(79, '.')});
  }
  void TearDown() override {
    std::remove(primo_.c_str());
    std::remove(secondo_.c_str());
  }
  // Tests run side by side in separate processes: each writes files of its own.
  static std::string Scrivi(const std::string& nome, const std::vector<std::string>& righe) {
    const std::string percorso = ::testing::TempDir() + "orvento_" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                                 "_" + std::to_string(std::random_device{}()) + "_" + nome + ".txt";
    std::ofstream f(percorso);
    for (const std::string& r : righe) f << r << '\n';
    return percorso;
  }
  std::string primo_, secondo_;
};

TEST_F(VerificaInParallelo, AnyNumberOfWorkersPrintsWhatOnePrints) {
  for (const std::vector<std::string>& opzioni :
       {std::vector<std::string>{"--csv"}, std::vector<std::string>{"--mosse", "--soluzione"}}) {
    std::vector<std::string> uno = opzioni;
    uno.insert(uno.end(), {"--thread", "1", primo_, "mancante.txt", secondo_});
    const Risultato atteso = Esegui(uno);
    // Some puzzles fail, a line is malformed, a file is missing.
    EXPECT_EQ(atteso.rc, 2);
    EXPECT_NE(atteso.err.find(primo_ + ":4: riga non valida"), std::string::npos) << atteso.err;
    EXPECT_LT(atteso.err.find(primo_ + ":4:"), atteso.err.find(primo_ + ":512:")) << atteso.err;
    EXPECT_LT(atteso.err.find(primo_ + ":512:"), atteso.err.find("mancante.txt")) << atteso.err;
    for (const char* n : {"2", "3", "16"}) {
      std::vector<std::string> molti = opzioni;
      molti.insert(molti.end(), {"--thread", n, primo_, "mancante.txt", secondo_});
      EXPECT_EQ(Esegui(molti), atteso) << "--thread " << n;
    }
  }
}

TEST_F(VerificaInParallelo, LinesThatAreNoPuzzleAloneStillComeOut) {
  const std::string solo = Scrivi("solo_errate", {"1234", "", std::string(81, 'x')});
  const Risultato uno = Esegui({"--thread", "1", solo, "mancante.txt"});
  EXPECT_EQ(uno.rc, 2);
  EXPECT_EQ(uno.err, solo + ":1: riga non valida (4 caratteri invece di 81)\n" + solo +
                         ":3: riga non valida (carattere non valido in posizione 1)\n"
                         "orvento-cli: non riesco a leggere mancante.txt\n");
  EXPECT_EQ(Esegui({"--thread", "2", solo, "mancante.txt"}), uno);
  std::remove(solo.c_str());
}

TEST(VerificaOpzioni, ThreadCountMustBeOneToSixteen) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--thread", "0", "f"},
                                               std::vector<std::string>{"--thread", "17", "f"},
                                               std::vector<std::string>{"--thread", "due", "f"},
                                               std::vector<std::string>{"f", "--thread"}}) {
    const Risultato r = Esegui(args);
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("--thread vuole un numero da 1 a 16"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace orv
