// `orvento-cli verifica`: the verification run of "Gioca" over whole collections of puzzles, one
// per line, in one window reset between puzzles, with a silent platform.
#include "cli/verifica_cli.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <sstream>
#include <string_view>
#include <thread>

#include "cli/cli.h"
#include "model/celle.h"
#include "model/gioco.h"
#include "toolkit/scripted_platform.h"
#include "ui/finestra.h"
#include "verification/verifica.h"

namespace orv {

namespace {

const char* const kUsoVerifica =
    "uso: orvento-cli verifica [--csv] [--mosse] [--soluzione] [--thread N] FILE...\n";

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
        << (riuscita ? std::string(Trim(g->verifica.ValutazioneTesto)) : "") << ','
        << esito.tentativi << ',';
    if (esito.consigli) out << *esito.consigli;
    out << ',' << g->verifica.NumMosse << ',' << TestoEsito(esito.tipo) << '\n';
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
    for (int i = 0; i < g->verifica.NumMosse; ++i) out << g->verifica.ElencoMosse[i] << '\n';
  if (o.soluzione && riuscita) out << Soluzione(*g) << '\n';
  return riuscita;
}

// One line of the input (a puzzle, or why it is none) or a file that could not be read; then
// what its verification printed.
struct Voce {
  std::string nome;
  int numero = 0;
  std::string riga;
  std::string motivo;
  // A message for standard error that is no line of a file (a file that cannot be read).
  std::string avviso;
  std::string uscita;
  bool riuscita = false;
  bool fatta = false;
  bool schema() const { return motivo.empty() && avviso.empty(); }
};

// The puzzles go to the workers as they are read, and come out in their order as soon as every
// one before them is done. Each worker has its own window (a Banco), and a puzzle's run touches
// nothing outside it; each prints into its own text. No more than kFinestra lines are in hand at
// once, so a long collection needs little memory, and a slow puzzle holds up no worker: the
// others go on with the lines after it. With one worker there is no thread: each puzzle is
// verified and printed as it is read.
class Flusso {
 public:
  Flusso(int n, const Opzioni& o, std::ostream& out, std::ostream& err)
      : n_(n), o_(o), out_(out), err_(err) {}
  ~Flusso() { Ferma(); }
  Flusso(const Flusso&) = delete;
  Flusso& operator=(const Flusso&) = delete;

  void Aggiungi(Voce v) {
    if (n_ == 1) {
      if (v.schema()) Verifica(Principale(), v);
      Stampa(v);
      return;
    }
    if (!v.schema()) v.fatta = true;
    if (fili_.empty() && v.schema()) Avvia();
    {
      std::lock_guard<std::mutex> lk(m_);
      coda_.push_back(std::move(v));
    }
    lavoro_.notify_one();
    // The calling thread reads ahead until the queue is full, then works through it too.
    while (Avanza(kFinestra)) {
    }
  }

  // No more lines: waits for the last puzzles and prints them. False when some line did not
  // verify.
  bool Chiudi() {
    while (Avanza(1)) {
    }
    Ferma();
    if (errore_) std::rethrow_exception(errore_);
    return tutte_;
  }

 private:
  // Lines waiting or in hand at once.
  static constexpr std::size_t kFinestra = 1024;

  Banco& Principale() {
    if (!banco_) banco_ = std::make_unique<Banco>();
    return *banco_;
  }

  void Verifica(Banco& banco, Voce& v) {
    std::ostringstream uscita;
    v.riuscita = VerificaSchema(banco, v.riga, o_, uscita);
    v.uscita = std::move(uscita).str();
  }

  // One step of the calling thread while `limite` or more lines are in hand: prints the done
  // lines at the front, or verifies the next line no worker has taken, or waits for the front.
  // False when fewer lines are in hand.
  bool Avanza(std::size_t limite) {
    std::vector<Voce> pronte;
    Voce* mia = nullptr;
    {
      std::unique_lock<std::mutex> lk(m_);
      if (coda_.size() < limite) return false;
      Pronte(pronte);
      if (pronte.empty()) {
        mia = Prossima();
        if (!mia) {
          pronto_.wait(lk);
          return true;
        }
      }
    }
    // Printing waits for no worker.
    for (const Voce& v : pronte) Stampa(v);
    if (mia) Svolgi(Principale(), *mia);
    return true;
  }

  // The next line no worker has taken, or null (the caller holds the lock).
  Voce* Prossima() {
    if (prossima_ >= base_ + coda_.size()) return nullptr;
    return &coda_[prossima_++ - base_];
  }

  // Verifies a taken line, unless it needed no verifying, and marks it done. True when it is the
  // front line, the only one the calling thread waits for.
  bool Svolgi(Banco& banco, Voce& v) {
    if (!v.fatta) {
      try {
        Verifica(banco, v);
      } catch (...) {
        // The first failure reaches the caller; the line counts as not verified.
        std::lock_guard<std::mutex> lk(m_);
        if (!errore_) errore_ = std::current_exception();
      }
    }
    std::lock_guard<std::mutex> lk(m_);
    v.fatta = true;
    return &v == &coda_.front();
  }

  // The calling thread is a worker too.
  void Avvia() {
    for (int k = 1; k < n_; ++k) fili_.emplace_back([this] { Lavora(); });
  }

  void Ferma() {
    {
      std::lock_guard<std::mutex> lk(m_);
      fine_ = true;
    }
    lavoro_.notify_all();
    for (std::thread& t : fili_) t.join();
    fili_.clear();
  }

  void Lavora() {
    Banco banco;
    for (;;) {
      Voce* v = nullptr;
      {
        std::unique_lock<std::mutex> lk(m_);
        lavoro_.wait(lk, [this] { return fine_ || prossima_ < base_ + coda_.size(); });
        v = Prossima();
        if (!v) return;
      }
      if (Svolgi(banco, *v)) pronto_.notify_one();
    }
  }

  // Takes the done lines off the front of the queue (the caller holds the lock). A line in a
  // worker's hands is not done; a line that needed no worker may go before any took it.
  void Pronte(std::vector<Voce>& pronte) {
    while (!coda_.empty() && coda_.front().fatta) {
      pronte.push_back(std::move(coda_.front()));
      coda_.pop_front();
      ++base_;
    }
    if (prossima_ < base_) prossima_ = base_;
  }

  void Stampa(const Voce& v) {
    if (!v.avviso.empty()) {
      err_ << v.avviso;
      return;
    }
    if (!v.motivo.empty()) {
      err_ << v.nome << ':' << v.numero << ": riga non valida (" << v.motivo << ")\n";
      tutte_ = false;
      return;
    }
    out_ << v.uscita;
    tutte_ = tutte_ && v.riuscita;
  }

  const int n_;
  const Opzioni& o_;
  std::ostream& out_;
  std::ostream& err_;
  bool tutte_ = true;
  std::unique_ptr<Banco> banco_;
  std::vector<std::thread> fili_;
  std::mutex m_;
  std::condition_variable lavoro_, pronto_;
  // The lines in hand; coda_[0] is line number base_ of the stream, and the workers have taken
  // every line before prossima_.
  std::deque<Voce> coda_;
  std::size_t base_ = 0;
  std::size_t prossima_ = 0;
  bool fine_ = false;
  std::exception_ptr errore_;
};

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
      const std::optional<std::uint64_t> n =
          i + 1 < args.size() ? NumeroIntero(args[++i]) : std::nullopt;
      if (!n || *n < 1 || *n > static_cast<std::uint64_t>(kMaxThread))
        return err << "orvento-cli: --thread vuole un numero da 1 a " << kMaxThread << '\n'
                   << kUsoVerifica,
               2;
      o.thread = static_cast<int>(*n);
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
  Flusso flusso(o.thread, o, out, err);
  for (const std::string& nome : o.file) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (nome != "-") {
      file.open(nome);
      if (!file) {
        Voce v;
        v.avviso = "orvento-cli: non riesco a leggere " + nome + "\n";
        flusso.Aggiungi(std::move(v));
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
      v.motivo = MotivoSchemaNonValido(riga);
      flusso.Aggiungi(std::move(v));
    }
    if (in->bad()) {
      Voce v;
      v.avviso = "orvento-cli: errore di lettura in " + nome + "\n";
      flusso.Aggiungi(std::move(v));
      illeggibile = true;
    }
  }
  const bool tutteVerificate = flusso.Chiudi();
  out.flush();
  if (illeggibile) return 2;
  return tutteVerificate ? 0 : 1;
}

}  // namespace orv
