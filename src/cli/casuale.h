// The random session: `orvento-cli sessione --casuale N --seme S` plays N events drawn from every
// event the session driver knows, and checks the model after each one. The events are lines of the
// session language played through the driver, so the lines played so far are a session file that
// replays a failure with `orvento-cli sessione --seme S FILE`.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/sessione_driver.h"
#include "model/gioco.h"

namespace orv {

// The model as far as an event may change it. The light part is taken before every event; the
// whole model only before an event aimed at a control that cannot take it, where the check of
// the ignored event compares it all. (Copying every part of the model before each event was most
// of the cost of a run; the light part still tells whether an event reached any control, the
// grid or the platform.)
struct Istantanea {
  // Every control the window lists, with its change count. Each setter of a control counts a
  // change, so equal counts mean equal properties, without building the text of each one.
  std::vector<std::pair<const Control*, std::uint64_t>> controlli;
  // The load and unload counts of the control arrays: while they stay, so do the members above.
  std::vector<std::uint64_t> strutture;
  // The blackboard's change count, to tell whether the event wrote on it.
  std::uint64_t lavagna = 0;
  std::string titolo;
  MousePointer puntatore = MousePointer::Normal;
  std::uint64_t superficie = 0;
  Cifre cifre;
  // What the scripted platform has shown, asked or run.
  std::size_t messaggi = 0;
  std::size_t dialoghi = 0;
  std::size_t comandi = 0;
  int beep = 0;
  bool occupato = false;

  // The whole model: its parts (the creation and file parts have no comparison of their own,
  // and only their flags and names are kept).
  struct Modello {
    Griglia griglia;
    RegistroFlash registro;
    StatoVerifica verifica;
    StatoRicerca ricerca;
    StatoPartita partita;
    std::array<std::string, kVociPriorita> priorita;
    StatoCreazione creazione;
    StatoFile file;
  };
  std::optional<Modello> modello;

  static Istantanea Di(Gioco& g, bool completa);
  // Empty when `dopo` is the same model, as far as both were taken; else the first difference
  // found, in words.
  std::string Differenza(const Istantanea& dopo) const;
};

// What the checks know of the event just played, beside the model as it is now.
struct DopoEvento {
  // The model before the event.
  const Istantanea* prima = nullptr;
  // The event was aimed at a control that could not take it (disabled, hidden, a stopped timer).
  bool irraggiungibile = false;
  // The driver said it ignored the event.
  bool ignorato = false;
  // The event reached a behaviour not built yet.
  bool nonDisponibile = false;
};

// One property of the model that every event must leave true.
struct Invariante {
  std::string_view nome;
  // Empty when the property holds; else what broke.
  std::string (*controlla)(Gioco& g, const DopoEvento& e);
  // The commands that show, at the end of a replay, what the check reads.
  std::string_view mostra;
};

// The checks, in the order they run: an issue that adds a behaviour adds its checks here.
std::span<const Invariante> Invarianti();

// The schemas a random session starts from and puts back after a reset.
std::span<const std::string_view> SchemiCasuali();

class SessioneCasuale {
 public:
  explicit SessioneCasuale(std::uint64_t seme);

  // Plays up to n more events; false at the first broken check, which guasto() then tells.
  bool Gioca(long n);

  // The lines played so far, a session of the driver's language. An event that reached a
  // behaviour not built yet is kept as a comment: it changed nothing (a check makes sure), and a
  // plain session would stop there.
  const std::vector<std::string>& righe() const { return righe_; }
  // The session file that replays the run: a header, the lines played and, after a broken check,
  // what broke and the `mostra` commands that show what the check read.
  std::string FileSessione() const;
  // Writes the session file to `o` as the run goes, each line before it runs: a run that brings
  // the program down leaves a file that ends with the event that did. `o` must be seekable.
  void Registra(std::ostream& o);

  const std::string& guasto() const { return guasto_; }
  long eventi() const { return eventi_; }
  long ignorati() const { return ignorati_; }
  long nonDisponibili() const { return nonDisponibili_; }
  long schemi() const { return schemi_; }
  Sessione& sessione() { return sessione_; }

 private:
  struct Evento {
    std::string riga;
    // The control the event is aimed at, if any, and whether it is a timer (a stopped timer
    // takes no tick: timers sit on no container and are never shown).
    Control* bersaglio = nullptr;
    bool timer = false;
  };

  bool Esegui(const Evento& e);
  bool Guasto(std::string guasto, std::string_view mostra);
  std::string Intestazione() const;
  std::string Coda() const;
  Evento Estrai();
  bool FinestraAzzerata();
  int Caso(int n);
  template <class T>
  const T& Uno(std::span<const T> v) {
    return v[Caso(static_cast<int>(v.size()))];
  }
  // The controls of the driver's table that `scelta` takes, in the table's order.
  std::vector<Control*> Controlli(const std::function<bool(Control&)>& scelta);
  std::vector<Control*> Controlli(Kind tipo);
  Control* Bersaglio();
  Evento SuControllo(const std::string& comando);

  std::uint64_t seme_;
  std::mt19937_64 caso_;
  std::ostream nulla_{nullptr};
  std::ostringstream diagnosi_;
  Sessione sessione_;
  std::vector<std::string> righe_;
  std::ostream* registro_ = nullptr;
  std::string ultima_;
  std::string guasto_;
  std::string_view mostra_;
  long eventi_ = 0;
  long ignorati_ = 0;
  long nonDisponibili_ = 0;
  long schemi_ = 0;
};

// `orvento-cli sessione --casuale N --seme S [--salva FILE]`: a summary (a comment line) on `out`
// and status 0 when every check held; else what broke on `err`, the replaying session file on
// `out`, status 1. `registro`, when given, receives the session file as the run goes.
int ComandoCasuale(long eventi, std::uint64_t seme, std::ostream& out, std::ostream& err,
                   std::ostream* registro = nullptr);

}  // namespace orv
