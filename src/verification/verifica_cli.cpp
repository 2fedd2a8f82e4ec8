// `orvento-cli verifica`: the verification run of "Gioca" over whole collections of puzzles, one
// per line, in one window reset between puzzles, with a silent platform.
#include "verification/verifica_cli.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <sstream>
#include <string_view>
#include <thread>

#include "model/celle.h"
#include "model/gioco.h"
#include "toolkit/scripted_platform.h"
#include "ui/finestra.h"
#include "verification/verifica.h"

namespace orv {

namespace {

const char* const kUsoVerifica =
    "uso: orvento-cli verifica [--csv] [--mosse] [--soluzione] [--thread N] FILE...\n";

// The puzzles are verified a block at a time: the block's lines are read, verified side by side,
// then printed in their order, so a long collection needs no more memory than one block.
constexpr std::size_t kRigheBlocco = 512;
// More workers than this would each hold a window for little gain.
constexpr int kMaxThread = 16;

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
  // Puzzles verified side by side: one per processor unless told.
  int thread = 0;
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

// One line of the input: a puzzle, or why it is none; then what its verification printed.
struct Voce {
  std::string nome;
  int numero = 0;
  std::string riga;
  std::string motivo;
  std::string uscita;
  bool riuscita = false;
};

// The workers of a batch. Each has its own window (a Banco), and a puzzle's run touches nothing
// outside it, so the puzzles of a block go to whichever worker is free and each prints into its
// own text; the calling thread works too. The threads start with the first block that has
// puzzles for more than one of them.
class Squadra {
 public:
  Squadra(int n, const Opzioni& o) : o_(o) {
    for (int k = 0; k < n; ++k) banchi_.push_back(std::make_unique<Banco>());
  }
  ~Squadra() {
    {
      std::lock_guard<std::mutex> lk(m_);
      fine_ = true;
    }
    via_.notify_all();
    for (std::thread& t : fili_) t.join();
  }
  Squadra(const Squadra&) = delete;
  Squadra& operator=(const Squadra&) = delete;

  void Verifica(std::vector<Voce>& voci) {
    std::size_t schemi = 0;
    for (const Voce& v : voci) schemi += v.motivo.empty();
    prossima_ = 0;
    if (banchi_.size() == 1 || schemi < 2) {
      Lavora(*banchi_[0], voci);
    } else {
      if (fili_.empty())
        for (std::size_t k = 1; k < banchi_.size(); ++k)
          fili_.emplace_back([this, k] { Ciclo(k); });
      {
        std::lock_guard<std::mutex> lk(m_);
        voci_ = &voci;
        restanti_ = static_cast<int>(fili_.size());
        ++giro_;
      }
      via_.notify_all();
      Lavora(*banchi_[0], voci);
      std::unique_lock<std::mutex> lk(m_);
      fatto_.wait(lk, [this] { return restanti_ == 0; });
      voci_ = nullptr;
    }
    if (errore_) std::rethrow_exception(errore_);
  }

 private:
  void Ciclo(std::size_t k) {
    std::uint64_t visto = 0;
    for (;;) {
      std::vector<Voce>* voci;
      {
        std::unique_lock<std::mutex> lk(m_);
        via_.wait(lk, [&] { return fine_ || giro_ != visto; });
        if (fine_) return;
        visto = giro_;
        voci = voci_;
      }
      Lavora(*banchi_[k], *voci);
      std::lock_guard<std::mutex> lk(m_);
      if (--restanti_ == 0) fatto_.notify_one();
    }
  }

  void Lavora(Banco& banco, std::vector<Voce>& voci) {
    try {
      for (std::size_t i; (i = prossima_.fetch_add(1)) < voci.size();) {
        Voce& v = voci[i];
        if (!v.motivo.empty()) continue;
        std::ostringstream uscita;
        v.riuscita = VerificaSchema(banco, v.riga, o_, uscita);
        v.uscita = std::move(uscita).str();
      }
    } catch (...) {
      // The first failure stops the block and reaches the caller.
      std::lock_guard<std::mutex> lk(m_);
      if (!errore_) errore_ = std::current_exception();
      prossima_ = voci.size();
    }
  }

  const Opzioni& o_;
  std::vector<std::unique_ptr<Banco>> banchi_;
  std::vector<std::thread> fili_;
  std::mutex m_;
  std::condition_variable via_, fatto_;
  std::vector<Voce>* voci_ = nullptr;
  std::atomic<std::size_t> prossima_{0};
  int restanti_ = 0;
  std::uint64_t giro_ = 0;
  bool fine_ = false;
  std::exception_ptr errore_;
};

// Prints a verified block in its order; false when some line did not verify.
bool StampaBlocco(const std::vector<Voce>& voci, std::ostream& out, std::ostream& err) {
  bool tutte = true;
  for (const Voce& v : voci) {
    if (!v.motivo.empty()) {
      err << v.nome << ':' << v.numero << ": riga non valida (" << v.motivo << ")\n";
      tutte = false;
      continue;
    }
    out << v.uscita;
    tutte = tutte && v.riuscita;
  }
  return tutte;
}

}  // namespace

int ComandoVerifica(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Opzioni o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--csv") {
      o.csv = true;
    } else if (a == "--mosse") {
      o.mosse = true;
    } else if (a == "--soluzione") {
      o.soluzione = true;
    } else if (a == "--thread") {
      int n = 0;
      if (i + 1 < args.size()) {
        const std::string& v = args[++i];
        n = v.size() <= 3 && v.find_first_not_of("0123456789") == std::string::npos && !v.empty()
                ? std::stoi(v)
                : 0;
      }
      if (n < 1 || n > kMaxThread)
        return err << "orvento-cli: --thread vuole un numero da 1 a " << kMaxThread << '\n'
                   << kUsoVerifica,
               2;
      o.thread = n;
    } else if (a.size() > 1 && a[0] == '-') {
      return err << "orvento-cli: opzione sconosciuta: " << a << '\n' << kUsoVerifica, 2;
    } else {
      o.file.push_back(a);
    }
  }
  if (o.file.empty()) return err << kUsoVerifica, 2;
  if (o.thread == 0)
    o.thread = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxThread);

  if (o.csv) out << "puzzle,soluzione,valutazione,tentativi,consigli,mosse,esito\n";
  bool illeggibile = false;
  bool tutteVerificate = true;
  Squadra squadra(o.thread, o);
  std::vector<Voce> blocco;
  const auto verifica = [&] {
    squadra.Verifica(blocco);
    if (!StampaBlocco(blocco, out, err)) tutteVerificate = false;
    blocco.clear();
  };
  for (const std::string& nome : o.file) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (nome != "-") {
      file.open(nome);
      if (!file) {
        // What was read before is printed first, as the lines come.
        verifica();
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
      Voce v;
      v.nome = nome;
      v.numero = numero;
      v.riga = std::string(riga);
      v.motivo = MotivoRigaNonValida(riga);
      blocco.push_back(std::move(v));
      if (blocco.size() == kRigheBlocco) verifica();
    }
    if (in->bad()) {
      verifica();
      err << "orvento-cli: errore di lettura in " << nome << '\n';
      illeggibile = true;
    }
  }
  verifica();
  out.flush();
  if (illeggibile) return 2;
  return tutteVerificate ? 0 : 1;
}

}  // namespace orv
