// `orvento-cli verifica`: the verification run of "Gioca" over whole collections of puzzles, one
// per line, in one window reset between puzzles, with a silent platform.
#include "verification/verifica_cli.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <string_view>

#include "model/celle.h"
#include "model/gioco.h"
#include "toolkit/scripted_platform.h"
#include "ui/finestra.h"
#include "verification/verifica.h"

namespace orv {

namespace {

const char* const kUsoVerifica =
    "uso: orvento-cli verifica [--csv] [--mosse] [--soluzione] FILE...\n";

// The scripted platform answers every box with its first button; only the clock is real, so
// the report shows the seconds the run took.
class PiattaformaBatch : public ScriptedPlatform {
 public:
  double secondsSinceMidnight() override {
    using namespace std::chrono;
    const auto adesso = system_clock::now();
    const std::time_t t = system_clock::to_time_t(adesso);
    std::tm locale{};
    localtime_r(&t, &locale);
    const double frazione =
        duration<double>(adesso.time_since_epoch()).count() - static_cast<double>(t);
    return locale.tm_hour * 3600.0 + locale.tm_min * 60.0 + locale.tm_sec + frazione;
  }
};

struct Opzioni {
  bool csv = false;
  bool mosse = false;
  bool soluzione = false;
  std::vector<std::string> file;
};

std::string_view SenzaSpazi(std::string_view s) {
  const auto spazio = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && spazio(s.front())) s.remove_prefix(1);
  while (!s.empty() && spazio(s.back())) s.remove_suffix(1);
  return s;
}

// Why a line is no puzzle (81 characters, digits 1..9 and '.' or '0' for an empty cell); empty
// when it is one.
std::string MotivoRigaNonValida(std::string_view riga) {
  if (riga.size() != kCelle) return std::to_string(riga.size()) + " caratteri invece di 81";
  for (std::size_t i = 0; i < riga.size(); ++i)
    if (riga[i] != '.' && (riga[i] < '0' || riga[i] > '9'))
      return "carattere non valido in posizione " + std::to_string(i + 1);
  return {};
}

std::string Soluzione(const Gioco& g) {
  std::string s;
  for (const std::string& v : GrigliaSoluzione(g)) s += Trim(v);
  return s;
}

const char* TestoEsito(EsitoVerifica::Tipo t) {
  switch (t) {
    case EsitoVerifica::Tipo::Riuscita:
      return "ok";
    case EsitoVerifica::Tipo::Fallita:
      return "fallita";
    case EsitoVerifica::Tipo::ErroreDati:
      return "errore-dati";
  }
  return "";
}

// One window for the whole batch: "Azzera Tutto" between two puzzles gives the next one the
// window as it is after start-up, and saves rebuilding every control each time.
struct Banco {
  PiattaformaBatch piattaforma;
  std::unique_ptr<Gioco> g;
  bool usato = false;
  Banco() : g(std::make_unique<Gioco>(piattaforma)) {
    CollegaEventi(*g);
    Form_Load(*g);
  }
};

// Verifies one puzzle and prints it; true when it verified.
bool VerificaSchema(Banco& banco, const std::string& riga, const Opzioni& o, std::ostream& out) {
  PiattaformaBatch& piattaforma = banco.piattaforma;
  std::unique_ptr<Gioco>& g = banco.g;
  if (banco.usato) Azzera(*g);
  banco.usato = true;
  ScriviSchema(*g, riga);
  const EsitoVerifica esito = Gioca_Click(*g);
  const bool riuscita = esito.tipo == EsitoVerifica::Tipo::Riuscita;

  if (o.csv) {
    out << riga << ',' << (riuscita ? Soluzione(*g) : "") << ','
        << (riuscita ? std::string(Trim(g->ValutazioneTesto)) : "") << ',' << esito.tentativi
        << ',';
    if (esito.consigli) out << *esito.consigli;
    out << ',' << g->NumMosse << ',' << TestoEsito(esito.tipo) << '\n';
    return riuscita;
  }

  out << "# " << riga << '\n';
  for (const ShownMessage& m : piattaforma.takeMessages()) {
    std::string_view testo = m.text;
    for (;;) {
      const std::size_t a_capo = testo.find('\n');
      out << "! " << testo.substr(0, a_capo) << '\n';
      if (a_capo == std::string_view::npos) break;
      testo.remove_prefix(a_capo + 1);
    }
  }
  for (const std::string& l : g->f.ListCons.items()) out << "| " << l << '\n';
  if (o.mosse)
    for (int i = 0; i < g->NumMosse; ++i) out << g->ElencoMosse[i] << '\n';
  if (o.soluzione && riuscita) out << Soluzione(*g) << '\n';
  return riuscita;
}

}  // namespace

int ComandoVerifica(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Opzioni o;
  for (const std::string& a : args) {
    if (a == "--csv")
      o.csv = true;
    else if (a == "--mosse")
      o.mosse = true;
    else if (a == "--soluzione")
      o.soluzione = true;
    else if (a.size() > 1 && a[0] == '-')
      return err << "orvento-cli: opzione sconosciuta: " << a << '\n' << kUsoVerifica, 2;
    else
      o.file.push_back(a);
  }
  if (o.file.empty()) return err << kUsoVerifica, 2;

  if (o.csv) out << "puzzle,soluzione,valutazione,tentativi,consigli,mosse,esito\n";
  bool illeggibile = false;
  bool tutteVerificate = true;
  Banco banco;
  for (const std::string& nome : o.file) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (nome != "-") {
      file.open(nome);
      if (!file) {
        err << "orvento-cli: non riesco a leggere " << nome << '\n';
        illeggibile = true;
        continue;
      }
      in = &file;
    }
    std::string testo;
    for (int numero = 1; std::getline(*in, testo); ++numero) {
      const std::string_view riga = SenzaSpazi(testo);
      if (riga.empty()) continue;
      const std::string motivo = MotivoRigaNonValida(riga);
      if (!motivo.empty()) {
        err << nome << ':' << numero << ": riga non valida (" << motivo << ")\n";
        tutteVerificate = false;
        continue;
      }
      if (!VerificaSchema(banco, std::string(riga), o, out)) tutteVerificate = false;
    }
    if (in->bad()) {
      err << "orvento-cli: errore di lettura in " << nome << '\n';
      illeggibile = true;
    }
  }
  out.flush();
  if (illeggibile) return 2;
  return tutteVerificate ? 0 : 1;
}

}  // namespace orv
