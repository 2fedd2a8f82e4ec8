#include "creation/modelli.h"

namespace orv {

const std::array<std::array<std::string_view, 9>, 6> kModelli = {{
    {"edaigfhbc", "figchbaed", "chbeadfig", "deifcgbha", "aghdbecfi", "bfchiadge", "iafgdhecb",
     "gbeafcidh", "hcdbeigaf"},
    {"fedibghca", "cgadehfbi", "ibhfacdeg", "dcebhagif", "gfiecdbah", "ahbgfiedc", "edcagfihb",
     "higcdbafe", "bafhiecgd"},
    {"ighcefabd", "bfdiagche", "eacdhbfgi", "fcghbidea", "aiegfdbch", "hdbecaifg", "geafichdb",
     "chibdegaf", "dbfagheic"},
    {"cihgbaedf", "adfhcebgi", "ebgfdihac", "habdfcgie", "icdeghafb", "gfeiabchd", "fhicegdba",
     "bgcaidfeh", "deabhficg"},
    {"cdeaibgfh", "ibhdgfeca", "fgaechbdi", "bacifdheg", "ehicbgfad", "gfdhaeibc", "dibgeachf",
     "acfbhidge", "hegfdcaib"},
    {"cfbdaiheg", "dgebchaif", "hiagfebcd", "baiehgdfc", "ghfadcibe", "ecdibfgah", "iehcgbfda",
     "fdchiaegb", "abgfedchi"},
}};

void Rietichetta(std::array<std::string, 9>& righe, std::string_view L, std::string_view D) {
  for (int i = 0; i < 9; ++i) {
    const char lettera = L[i];
    const char cifra = D[D[i] - '1'];
    for (std::string& riga : righe) {
      const std::size_t p = riga.find(lettera);
      if (p != std::string::npos) riga[p] = cifra;
    }
  }
}

void GeneraSoluzione(Gioco& g) {
  StatoCreazione& cr = g.creazione;
  cr.Modelli[0].fill(std::string(9, ' '));
  for (int m = 0; m < 6; ++m)
    for (int r = 0; r < 9; ++r) cr.Modelli[m + 1][r] = kModelli[m][r];

  Platform& p = g.platform;
  p.randomize();
  cr.NumModello = static_cast<int>(p.random() * 6 + 1);

  // Two random orders, drawn from the texts with their framing blanks, which are never drawn.
  std::string lettere = " abcdefghi ", cifre = " 123456789 ", L, D;
  p.randomize();
  for (int n = 10; n > 1; --n) {
    p.processEvents();
    std::size_t k = static_cast<std::size_t>((n - 1) * p.random() + 2);
    L += lettere[k - 1];
    lettere.erase(k - 1, 1);
    k = static_cast<std::size_t>((n - 1) * p.random() + 2);
    D += cifre[k - 1];
    cifre.erase(k - 1, 1);
  }
  Rietichetta(cr.Modelli[cr.NumModello], L, D);

  p.randomize();
  cr.Simmetria = static_cast<int>(p.random() * 3);
}

}  // namespace orv
