// `orvento-cli crea`: schemas none of which rates " Facile", written as game files that never
// replace one already there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/crea_cli.h"
#include "risolutore.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

struct Cartella {
  fs::path p =
      fs::temp_directory_path() /
      ("orvento-crea-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  Cartella() {
    fs::remove_all(p);
    fs::create_directories(p);
  }
  ~Cartella() { fs::remove_all(p); }
};

// The schema of a game file of nine quoted rows: a digit or '.' per cell.
std::string LeggiSchema(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string riga, schema;
  while (std::getline(in, riga)) {
    EXPECT_EQ(riga.size(), 12u) << riga;  // quote, nine cells, quote, CR
    EXPECT_EQ(riga.back(), '\r');
    for (char c : riga.substr(1, 9)) schema += c == ' ' ? '.' : c;
  }
  return schema;
}

TEST(CreaCli, SchemasThatAreNotEasyWrittenAsGameFilesNeverOverwritten) {
  Cartella c;
  for (int giro = 0; giro < 2; ++giro) {
    std::ostringstream out, err;
    ASSERT_EQ(ComandoCrea({"4", "--seme", "5", "--cartella", c.p.string()}, out, err), 0);
    EXPECT_EQ(err.str(), "");
    std::istringstream righe(out.str());
    std::string file, valutazione, dati;
    int n = 0, date = 0;
    while (righe >> file >> valutazione >> date >> dati) {
      ++n;
      EXPECT_NE(valutazione, "Facile");
      EXPECT_EQ(dati, "dati");
      // The second run makes the same schemas under the same names: they go beside the first.
      EXPECT_EQ(file.find("-2.sud") != std::string::npos, giro == 1) << file;
      const std::string schema = LeggiSchema(c.p / file);
      ASSERT_EQ(schema.size(), 81u);
      EXPECT_EQ(81 - static_cast<int>(std::count(schema.begin(), schema.end(), '.')), date);
      EXPECT_EQ(test::ContaSoluzioni(schema).Conta(), 1) << schema;
    }
    EXPECT_EQ(n, 4);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(c.p), fs::directory_iterator()), 8);
}

TEST(CreaCli, RefusesWhatItCannotDo) {
  struct Caso {
    std::vector<std::string> args;
    std::string errore;
  };
  const std::vector<Caso> casi = {
      {{"2", "--cartella", "/proc/orvento-nessuna"},
       "orvento-cli: non posso scrivere nella cartella /proc/orvento-nessuna\n"},
      {{"0"}, "orvento-cli: crea vuole il numero di schemi (da 1 a 100000)\n"},
      {{"2", "--seme", "x"}, "orvento-cli: seme non valido: x\n"},
      {{}, ""},
  };
  for (const Caso& k : casi) {
    std::ostringstream out, err;
    EXPECT_EQ(ComandoCrea(k.args, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_TRUE(err.str().starts_with(k.errore)) << err.str();
  }
}

}  // namespace
}  // namespace orv
