// The session driver itself: a window on a scripted platform, the table of control names and the
// commands of the session language. `EseguiSessione` reads a whole file through it; the random
// session feeds it lines it makes up, so that whatever it plays a session file replays.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "model/gioco.h"
#include "toolkit/scripted_platform.h"

namespace orv {

// The driver's names for the controls, built once: every single control and menu item by its
// name, and each control array by its name, whose members are looked up when asked for since
// they are loaded and unloaded as the game goes.
class NomiControlli {
 public:
  explicit NomiControlli(Form1& f);

  // "Gioca", "mRicMan", "caN(3)"; nullptr when there is no such control.
  Control* trova(const std::string& nome) const;

  // Every control the table names as things stand: the single ones in the order of their names,
  // then the loaded members of each array, arrays in the order of their names.
  void perOgni(const std::function<void(Control&)>& f) const;

 private:
  struct Array {
    std::function<Control*(int)> membro;  // nullptr for a member not loaded
    std::function<int()> limite;          // one past the highest loaded index
  };
  std::map<std::string, Control*> singoli_;
  std::map<std::string, Array> array_;
};

class Sessione {
 public:
  Sessione(std::ostream& out, std::ostream& err, std::uint64_t seme);

  // Every line of `in`; stops at the first that does not end with kSessioneOk.
  int Esegui(std::istream& in);
  // One line, numbered as the next line of the session; blank lines and comments do nothing.
  int Riga(std::string riga);

  Gioco& gioco() { return g_; }
  ScriptedPlatform& platform() { return platform_; }
  const NomiControlli& nomi() const { return nomi_; }

  // A control reaches events only when it and every container above it are visible and
  // enabled; a menu item only when it and its parent menus are enabled.
  bool Raggiungibile(Control& c);
  // How many events the driver has ignored so far (on disabled or hidden controls, stopped
  // timers).
  long ignorati() const { return ignorati_; }

 private:
  int Errore(const std::string& m);
  int NonDisponibile();
  void Ignorato(const std::string& perche);
  Control* Trova(const std::string& nome) { return nomi_.trova(nome); }

  int Comando(const std::string& riga);
  int Clic(const std::string& nome);
  int Pulsante(const std::string& nome, bool premuto);
  int Casella(const std::vector<std::string>& w);
  struct Tasto {
    int codice = 0;
    int ascii = -1;  // -1: the key produces no character
  };
  static bool DecodificaTasto(const std::string& t, bool maiuscolo, Tasto& k);
  int Premi(const Tasto& k, int shift);
  int TastoCmd(const std::vector<std::string>& w);
  int Scegli(const std::string& nome, const std::string& testo);
  int Spunta(const std::string& nome, bool si);
  int TimerCmd(const std::string& nome);
  int Mostra(const std::string& cosa);

  ScriptedPlatform platform_;
  Gioco g_;
  NomiControlli nomi_;
  std::ostream& out_;
  std::ostream& err_;
  int numero_ = 0;
  std::string testo_;
  long ignorati_ = 0;
};

}  // namespace orv
