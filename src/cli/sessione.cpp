#include "cli/sessione.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

#include "cli/sessione_driver.h"
#include "model/gioco.h"
#include "toolkit/scripted_platform.h"
#include "ui/finestra.h"

namespace orv {

std::string TestoColore(std::uint32_t c) {
  char b[8];
  std::snprintf(b, sizeof b, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
  return b;
}

namespace {

std::string Numero(double v) {
  char b[32];
  std::snprintf(b, sizeof b, "%.2f", v);
  std::string s = b;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s;
}

const char* SiNo(bool b) {
  return b ? "si" : "no";
}

std::string Virgolette(const std::string& s) {
  return "\"" + s + "\"";
}

const char* NomeOrigine(Origine o) {
  switch (o) {
    case Origine::Nera:
      return "nera";
    case Origine::Blu:
      return "blu";
    case Origine::Provvisoria:
      return "provvisoria";
    case Origine::Nessuna:
      break;
  }
  return "-";
}

std::string Carattere(const Font& f) {
  std::string s = Virgolette(f.name) + " " + Numero(f.size);
  if (f.bold) s += " grassetto";
  if (f.italic) s += " corsivo";
  return s;
}

// Splits a line into words; the rest of the line after `n` words is kept whole as the last one.
std::vector<std::string> Parole(const std::string& riga, std::size_t n) {
  std::vector<std::string> v;
  std::size_t i = 0;
  while (i < riga.size()) {
    while (i < riga.size() && std::isspace(static_cast<unsigned char>(riga[i]))) ++i;
    if (i >= riga.size()) break;
    if (v.size() + 1 == n) {
      std::size_t e = riga.find_last_not_of(" \t\r");
      v.push_back(riga.substr(i, e + 1 - i));
      break;
    }
    std::size_t j = i;
    while (j < riga.size() && !std::isspace(static_cast<unsigned char>(riga[j]))) ++j;
    v.push_back(riga.substr(i, j - i));
    i = j;
  }
  return v;
}

}  // namespace

bool Sessione::DecodificaTasto(const std::string& t, bool maiuscolo, Tasto& k) {
  struct Nome {
    const char* nome;
    int codice;
    int ascii;
  };
  static const Nome nomi[] = {
      {"ESC", tasti::Esc, 27},       {"Canc", tasti::Canc, -1}, {"Invio", tasti::Invio, 13},
      {"Su", tasti::Su, -1},         {"Giu", tasti::Giu, -1},   {"Sinistra", tasti::Sinistra, -1},
      {"Destra", tasti::Destra, -1}, {"F1", tasti::F1, -1},     {"F2", tasti::F2, -1},
      {"F11", tasti::F11, -1},       {"F12", tasti::F12, -1},   {"spazio", tasti::Spazio, ' '},
  };
  for (const Nome& n : nomi)
    if (t == n.nome) {
      k = {n.codice, n.ascii};
      return true;
    }
  if (t.size() == 3 && t.compare(0, 2, "Tn") == 0 &&
      std::isdigit(static_cast<unsigned char>(t[2]))) {
    k = {tasti::Tn0 + (t[2] - '0'), t[2]};
    return true;
  }
  if (t.size() != 1) return false;
  unsigned char ch = static_cast<unsigned char>(t[0]);
  if (std::isdigit(ch)) {
    k = {ch, ch};
  } else if (std::isalpha(ch)) {
    k = {std::toupper(ch), maiuscolo ? std::toupper(ch) : std::tolower(ch)};
  } else if (std::isprint(ch)) {
    k = {ch, ch};
  } else {
    return false;
  }
  return true;
}

NomiControlli::NomiControlli(Form1& f) {
  for (Control* c : f.controlli())
    if (c->index() < 0) singoli_.emplace(c->name(), c);
  f.perOgniArray([this](auto& a) {
    array_.emplace(a.name(), Array{[&a](int i) -> Control* {
                                     return i >= 0 && i < a.upperBound() && a.loaded(i) ? &a[i]
                                                                                        : nullptr;
                                   },
                                   [&a] { return a.upperBound(); }});
  });
}

Control* NomiControlli::trova(const std::string& nome) const {
  const std::size_t p = nome.find('(');
  if (p == std::string::npos) {
    auto it = singoli_.find(nome);
    return it == singoli_.end() ? nullptr : it->second;
  }
  auto it = array_.find(nome.substr(0, p));
  if (it == array_.end() || nome.size() < p + 3 || nome.back() != ')') return nullptr;
  int i = 0;
  for (std::size_t k = p + 1; k + 1 < nome.size(); ++k) {
    if (!std::isdigit(static_cast<unsigned char>(nome[k])) || i > 1000) return nullptr;
    i = i * 10 + (nome[k] - '0');
  }
  return it->second.membro(i);
}

void NomiControlli::perOgni(const std::function<void(Control&)>& f) const {
  for (const auto& [nome, c] : singoli_) f(*c);
  for (const auto& [nome, a] : array_)
    for (int i = 0, n = a.limite(); i < n; ++i)
      if (Control* c = a.membro(i)) f(*c);
}

Sessione::Sessione(std::ostream& out, std::ostream& err, std::uint64_t seme)
    : platform_(seme), g_(platform_), nomi_(g_.f), out_(out), err_(err) {
  CollegaEventi(g_);
  Form_Load(g_);
}

int Sessione::Esegui(std::istream& in) {
  std::string riga;
  while (std::getline(in, riga)) {
    int esito = Riga(std::move(riga));
    if (esito != kSessioneOk) return esito;
  }
  return kSessioneOk;
}

int Sessione::Riga(std::string riga) {
  ++numero_;
  if (!riga.empty() && riga.back() == '\r') riga.pop_back();
  std::size_t p = riga.find_first_not_of(" \t");
  if (p == std::string::npos || riga[p] == '#') return kSessioneOk;
  testo_ = riga.substr(p);
  return Comando(testo_);
}

int Sessione::Errore(const std::string& m) {
  err_ << "orvento-cli: riga " << numero_ << ": '" << testo_ << "': " << m << "\n";
  return kSessioneErrore;
}

int Sessione::NonDisponibile() {
  err_ << "orvento-cli: riga " << numero_ << ": '" << testo_ << "': non ancora disponibile\n";
  return kSessioneNonDisponibile;
}

void Sessione::Ignorato(const std::string& perche) {
  ++ignorati_;
  err_ << "orvento-cli: riga " << numero_ << ": '" << testo_ << "': ignorato (" << perche << ")\n";
}

bool Sessione::Raggiungibile(Control& c) {
  if (c.kind() == Kind::MenuItem) {
    const MenuItem* m = static_cast<const MenuItem*>(&c);
    while (m) {
      if (!m->enabled() || !m->visible()) return false;
      m = m->parent().empty() ? nullptr : static_cast<const MenuItem*>(Trova(m->parent()));
    }
    return true;
  }
  Control* x = &c;
  while (x) {
    if (!x->enabled() || !x->visible()) return false;
    x = x->container().empty() ? nullptr : Trova(x->container());
  }
  return true;
}

int Sessione::Comando(const std::string& riga) {
  std::vector<std::string> w = Parole(riga, 0);
  const std::string& cmd = w[0];
  if (cmd == "clic") return w.size() == 2 ? Clic(w[1]) : Errore("uso: clic NOME");
  if (cmd == "premi" || cmd == "rilascia") {
    if (w.size() != 2) return Errore("uso: " + cmd + " NOME");
    return Pulsante(w[1], cmd == "premi");
  }
  if (cmd == "casella") return Casella(w);
  if (cmd == "tasto") return TastoCmd(w);
  if (cmd == "scrivi") {
    std::vector<std::string> v = Parole(riga, 2);
    if (v.size() != 2) return Errore("uso: scrivi TESTO");
    for (char ch : v[1]) {
      Tasto k;
      std::string t = ch == '.' ? std::string("spazio") : std::string(1, ch);
      bool maiusc = std::isupper(static_cast<unsigned char>(ch)) != 0;
      if (!DecodificaTasto(t, maiusc, k)) return Errore("carattere non valido");
      int e = Premi(k, maiusc ? kShift : 0);
      if (e != kSessioneOk) return e;
    }
    return kSessioneOk;
  }
  if (cmd == "scegli") {
    std::vector<std::string> v = Parole(riga, 3);
    if (v.size() != 3) return Errore("uso: scegli NOME TESTO");
    return Scegli(v[1], v[2]);
  }
  if (cmd == "spunta") {
    if (w.size() != 3 || (w[2] != "0" && w[2] != "1")) return Errore("uso: spunta NOME 0|1");
    return Spunta(w[1], w[2] == "1");
  }
  if (cmd == "risposta") {
    if (w.size() != 2) return Errore("uso: risposta OK|Annulla|Si|No");
    if (w[1] == "OK")
      platform_.queueAnswer(MsgResult::Ok);
    else if (w[1] == "Annulla")
      platform_.queueAnswer(MsgResult::Cancel);
    else if (w[1] == "Si")
      platform_.queueAnswer(MsgResult::Yes);
    else if (w[1] == "No")
      platform_.queueAnswer(MsgResult::No);
    else
      return Errore("risposta sconosciuta");
    return kSessioneOk;
  }
  if (cmd == "file") {
    std::vector<std::string> v = Parole(riga, 2);
    if (v.size() != 2) return Errore("uso: file PERCORSO|-");
    if (v[1] == "-") {
      platform_.queueFile(std::nullopt);
    } else {
      std::filesystem::path p(v[1]);
      if (p.is_relative()) p = std::filesystem::path(platform_.currentFolder()) / p;
      platform_.queueFile(p.lexically_normal().string());
    }
    return kSessioneOk;
  }
  if (cmd == "schema") {
    // Stands for "Dati Iniziali" followed by the givens typed one by one.
    if (w.size() != 2) return Errore("uso: schema RIGA (81 caratteri, '.' o '0' per vuota)");
    if (!ScriviSchema(g_, w[1])) return Errore("schema non valido: 81 caratteri 1-9, '.' o '0'");
    return kSessioneOk;
  }
  if (cmd == "timer") return w.size() == 2 ? TimerCmd(w[1]) : Errore("uso: timer NOME");
  if (cmd == "mostra") return w.size() == 2 ? Mostra(w[1]) : Errore("uso: mostra COSA");
  return Errore("comando sconosciuto");
}

int Sessione::Clic(const std::string& nome) {
  Control* c = Trova(nome);
  if (!c) return Errore("controllo sconosciuto");
  if (!Raggiungibile(*c)) {
    Ignorato("controllo disabilitato o nascosto");
    return kSessioneOk;
  }
  if (c->kind() == Kind::OptionButton) {
    auto* o = static_cast<OptionButton*>(c);
    if (!o->onClick) return NonDisponibile();
    o->setValue(true);
    return kSessioneOk;
  }
  if (c->kind() == Kind::CheckBox) {
    auto* k = static_cast<CheckBox*>(c);
    if (!k->onClick) return NonDisponibile();
    k->setChecked(!k->checked());
    k->onClick();
    return kSessioneOk;
  }
  if (c->kind() == Kind::MenuItem) {
    // Opening a menu that holds items does nothing by itself.
    auto* m = static_cast<MenuItem*>(c);
    bool haFigli = false;
    for (const MenuItem* x : g_.f.menu) haFigli = haFigli || x->parent() == m->name();
    if (haFigli) return kSessioneOk;
    if (!m->onClick) return NonDisponibile();
    m->onClick();
    return kSessioneOk;
  }
  if (!c->onClick && !c->onMouseDown && !c->onMouseUp) return NonDisponibile();
  const double x = c->width() / 2.0, y = c->height() / 2.0;
  if (c->onMouseDown) c->onMouseDown(MouseButton::Left, 0, x, y);
  if (c->onMouseUp) c->onMouseUp(MouseButton::Left, 0, x, y);
  if (c->onClick) c->onClick();
  return kSessioneOk;
}

int Sessione::Pulsante(const std::string& nome, bool premuto) {
  Control* c = Trova(nome);
  if (!c) return Errore("controllo sconosciuto");
  if (!Raggiungibile(*c)) {
    Ignorato("controllo disabilitato o nascosto");
    return kSessioneOk;
  }
  MouseHandler& h = premuto ? c->onMouseDown : c->onMouseUp;
  if (!h) return NonDisponibile();
  h(MouseButton::Left, 0, c->width() / 2.0, c->height() / 2.0);
  return kSessioneOk;
}

int Sessione::Casella(const std::vector<std::string>& w) {
  if (w.size() < 3) return Errore("uso: casella I premi|clic|doppio|punta [destro] [maiusc]");
  int i = -1;
  try {
    std::size_t n = 0;
    i = std::stoi(w[1], &n);
    if (n != w[1].size()) i = -1;
  } catch (...) {
    i = -1;
  }
  if (!CellaValida(i)) return Errore("casella fuori dallo schema (0..80)");
  MouseButton b = MouseButton::Left;
  int shift = 0;
  for (std::size_t k = 3; k < w.size(); ++k) {
    if (w[k] == "destro")
      b = MouseButton::Right;
    else if (w[k] == "maiusc")
      shift |= kShift;
    else
      return Errore("opzione sconosciuta");
  }
  Label& l = g_.f.caN[i];
  const std::string& a = w[2];
  if (a != "premi" && a != "clic" && a != "doppio" && a != "punta")
    return Errore("azione sconosciuta");
  if (!Raggiungibile(l)) {
    Ignorato("casella nascosta o disabilitata");
    return kSessioneOk;
  }
  const double x = l.width() / 2.0, y = l.height() / 2.0;
  if (a == "punta") {
    if (!l.onMouseMove) return NonDisponibile();
    l.onMouseMove(b, shift, x, y);
    return kSessioneOk;
  }
  if (a == "premi") {
    if (!l.onMouseDown) return NonDisponibile();
    l.onMouseDown(b, shift, x, y);
    return kSessioneOk;
  }
  bool doppio = a == "doppio";
  if (!l.onMouseDown && !l.onMouseUp && !l.onClick && !(doppio && l.onDblClick))
    return NonDisponibile();
  if (l.onMouseDown) l.onMouseDown(b, shift, x, y);
  if (l.onMouseUp) l.onMouseUp(b, shift, x, y);
  if (l.onClick) l.onClick();
  if (doppio) {
    if (l.onDblClick) l.onDblClick();
    if (l.onMouseUp) l.onMouseUp(b, shift, x, y);
  }
  return kSessioneOk;
}

int Sessione::Premi(const Tasto& k, int shift) {
  Form1& f = g_.f;
  bool premuto = k.ascii >= 0 && f.onKeyPress;
  if (!f.onKeyDown && !f.onKeyUp && !premuto) return NonDisponibile();
  if (f.onKeyDown) f.onKeyDown(k.codice, shift);
  if (k.ascii >= 0 && f.onKeyPress) f.onKeyPress(k.ascii);
  if (f.onKeyUp) f.onKeyUp(k.codice, shift);
  return kSessioneOk;
}

int Sessione::TastoCmd(const std::vector<std::string>& w) {
  if (w.size() < 2 || w.size() > 3) return Errore("uso: tasto T [maiusc|ctrl|alt]");
  int shift = 0;
  if (w.size() == 3) {
    if (w[2] == "maiusc")
      shift = kShift;
    else if (w[2] == "ctrl")
      shift = kCtrl;
    else if (w[2] == "alt")
      shift = kAlt;
    else
      return Errore("modificatore sconosciuto");
  }
  Tasto k;
  if (!DecodificaTasto(w[1], shift == kShift, k)) return Errore("tasto sconosciuto");
  return Premi(k, shift);
}

int Sessione::Scegli(const std::string& nome, const std::string& testo) {
  Control* c = Trova(nome);
  if (!c) return Errore("controllo sconosciuto");
  if (c->kind() != Kind::ComboBox) return Errore("non e' una casella combinata");
  auto* cb = static_cast<ComboBox*>(c);
  bool c_e = false;
  for (const std::string& s : cb->items()) c_e = c_e || s == testo || Trim(s) == testo;
  if (!c_e) return Errore("voce sconosciuta");
  if (!Raggiungibile(*c)) {
    Ignorato("controllo disabilitato o nascosto");
    return kSessioneOk;
  }
  if (!cb->onChange && !cb->onClick) return NonDisponibile();
  for (const std::string& s : cb->items())
    if (s == testo || Trim(s) == testo) cb->setText(s);
  if (cb->onClick) cb->onClick();
  if (cb->onChange) cb->onChange();
  return kSessioneOk;
}

int Sessione::Spunta(const std::string& nome, bool si) {
  Control* c = Trova(nome);
  if (!c) return Errore("controllo sconosciuto");
  if (c->kind() != Kind::CheckBox) return Errore("non e' una casella di spunta");
  if (!Raggiungibile(*c)) {
    Ignorato("controllo disabilitato o nascosto");
    return kSessioneOk;
  }
  auto* k = static_cast<CheckBox*>(c);
  if (!k->onClick) return NonDisponibile();
  if (k->checked() != si) {
    k->setChecked(si);
    k->onClick();
  }
  return kSessioneOk;
}

int Sessione::TimerCmd(const std::string& nome) {
  Control* c = Trova(nome);
  if (!c) return Errore("controllo sconosciuto");
  if (c->kind() != Kind::Timer) return Errore("non e' un timer");
  auto* t = static_cast<Timer*>(c);
  if (!t->enabled()) {
    Ignorato("timer fermo");
    return kSessioneOk;
  }
  if (!t->onTimer) return NonDisponibile();
  t->onTimer();
  return kSessioneOk;
}

int Sessione::Mostra(const std::string& cosa) {
  if (cosa == "lavagna") {
    for (const std::string& s : g_.f.ListCons.items()) out_ << "| " << s << "\n";
    return kSessioneOk;
  }
  if (cosa == "messaggi") {
    for (const ShownMessage& m : platform_.takeMessages()) {
      std::string t;
      for (char ch : m.text) {
        if (ch == '\r') continue;
        if (ch == '\n')
          t += "\\n";
        else
          t += ch;
      }
      out_ << "[" << m.title << "] " << t << "\n";
    }
    return kSessioneOk;
  }
  if (cosa == "caselle") {
    for (int i = 0; i < kCelle; ++i) out_ << DescriviCasella(g_, i) << "\n";
    return kSessioneOk;
  }
  if (cosa == "finestra") {
    out_ << "finestra " << Virgolette(g_.f.caption) << "\n";
    return kSessioneOk;
  }
  Control* c = Trova(cosa);
  if (!c) return Errore("controllo sconosciuto");
  out_ << DescriviControllo(*c) << "\n";
  // What a picture box has printed, one line each.
  if (c->kind() == Kind::PictureBox)
    for (const std::string& l : static_cast<PictureBox*>(c)->lines()) out_ << "> " << l << "\n";
  return kSessioneOk;
}

std::string DescriviCasella(Gioco& g, int i) {
  if (!CellaValida(i)) return {};
  const Label& l = g.f.caN[i];
  std::ostringstream s;
  s << i << " " << Virgolette(l.caption()) << " " << NomeOrigine(g.griglia.Orig[i])
    << " sfondo=" << TestoColore(l.backColor()) << " testo=" << TestoColore(l.foreColor())
    << " dim=" << Numero(l.font().size) << " bordo=" << SiNo(l.border()) << " "
    << (l.visible() ? "visibile" : "nascosta");
  return s.str();
}

std::string DescriviControllo(Control& controllo) {
  Control* c = &controllo;
  std::ostringstream s;
  s << c->fullName() << " testo=" << Virgolette(c->caption());
  s << " abilitato=" << SiNo(c->enabled()) << " visibile=" << SiNo(c->visible());
  switch (c->kind()) {
    case Kind::OptionButton:
      s << " selezionato=" << SiNo(static_cast<OptionButton*>(c)->value());
      break;
    case Kind::CheckBox:
      s << " spuntato=" << SiNo(static_cast<CheckBox*>(c)->checked());
      break;
    case Kind::MenuItem: {
      auto* m = static_cast<MenuItem*>(c);
      s << " spuntato=" << SiNo(m->checked());
      if (!m->shortcut().empty()) s << " scorciatoia=" << m->shortcut();
      return s.str();
    }
    case Kind::Timer:
      s << " intervallo=" << static_cast<Timer*>(c)->interval();
      return s.str();
    case Kind::ListBox:
      s << " voci=" << static_cast<ListBox*>(c)->count();
      break;
    case Kind::ComboBox:
      s << " voci=" << static_cast<ComboBox*>(c)->items().size();
      break;
    case Kind::PictureBox:
      s << " righe=" << static_cast<PictureBox*>(c)->lines().size();
      break;
    case Kind::Line: {
      auto* l = static_cast<Line*>(c);
      s << " da=" << l->x1() << "," << l->y1() << " a=" << l->x2() << "," << l->y2()
        << " spessore=" << l->borderWidth();
      return s.str();
    }
    default:
      break;
  }
  if (c->kind() == Kind::Shape) {
    s << " riempimento=" << TestoColore(c->backColor());
  } else {
    s << " sfondo=" << TestoColore(c->backColor()) << " colore=" << TestoColore(c->foreColor());
  }
  s << " carattere=" << Carattere(c->font());
  if (c->border()) s << " bordo=si";
  if (!c->tooltip().empty()) s << " suggerimento=" << Virgolette(c->tooltip());
  s << " pos=" << c->left() << "," << c->top() << "," << c->width() << "," << c->height();
  if (!c->container().empty()) s << " in=" << c->container();
  return s.str();
}

int EseguiSessione(std::istream& in, std::ostream& out, std::ostream& err, std::uint64_t seme) {
  Sessione s(out, err, seme);
  return s.Esegui(in);
}

}  // namespace orv
