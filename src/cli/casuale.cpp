#include "cli/casuale.h"

#include <functional>

#include "cli/sessione.h"
#include "creation/crea.h"
#include "model/azzera.h"
#include "toolkit/scripted_platform.h"
#include "verification/verifica.h"

namespace orv {

namespace {

// A handful of schemas, each with a solution, from easy to those the verification needs trials
// for, and one it gives up on (its failure box and the reset are events worth drawing too).
constexpr std::string_view kSchemi[] = {
    // Facile, no trial.
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..",
    // Medio.
    "6......5....3.9.......16..773..........7.4.6926....4......7.......4...211..6.5..3",
    // Difficile, from two collections of hard puzzles.
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
    "85...24..72......9..4.........1.7..23.5...9...4...........8..7..17..........36.4.",
    // Diabolico: 3, 5 and 9 trials.
    "12..4......5.69.1...9...5.........7.7...52.9..3......2.9.6...5.4..9..8.1..3...9.4",
    "8......3.......9...6...1.5...7.3.....2.6..7........6233..9...8.9.15.6....82.7..9.",
    "48.3............71.2.......7.5....6....2..8.............1.76...3.....4......5....",
    // One-level trials do not solve it: the verification fails and resets the window.
    "..53.....8......2..7..1.5..4....53...1..7...6..32...8..6.5....9..4....3......97..",
};

// Every key the driver names, digits and letters included.
constexpr std::string_view kTasti[] = {
    "0",   "1",   "2",   "3",    "4",   "5",      "6",        "7",      "8",     "9",
    "Tn0", "Tn1", "Tn2", "Tn3",  "Tn4", "Tn5",    "Tn6",      "Tn7",    "Tn8",   "Tn9",
    "Su",  "Giu", "ESC", "Canc", "F1",  "F2",     "F11",      "F12",    "Invio", "a",
    "b",   "c",   "d",   "e",    "f",   "g",      "h",        "i",      "j",     "k",
    "l",   "m",   "n",   "o",    "p",   "q",      "r",        "s",      "t",     "u",
    "v",   "w",   "x",   "y",    "z",   "spazio", "Sinistra", "Destra",
};
constexpr std::string_view kModificatori[] = {"", "", "", "maiusc", "ctrl", "alt"};
constexpr std::string_view kAzioniCasella[] = {"premi", "clic", "doppio", "punta"};
constexpr std::string_view kRisposte[] = {"OK", "Annulla", "Si", "No"};
constexpr std::string_view kVedute[] = {"lavagna", "messaggi", "caselle", "finestra"};
// How the record keeps an event that reached a behaviour not built yet.
constexpr std::string_view kNonDisponibile = "# non ancora disponibile: ";
// What `scrivi` types: digits most, the space bar ('.'), letters.
constexpr std::string_view kCaratteri = "1234567890123456789....abcxyzABCXYZ";

// The number of cells holding a value, counted here rather than asked of the grid's masks.
int CelleConValore(const Gioco& g) {
  int n = 0;
  for (int c = 0; c < kCelle; ++c) n += g.griglia.Cifra[c] != 0;
  return n;
}

// Riempite moves with every value placed or taken away: by the reset, by the schema put on the
// grid, by each placement of the verification run (which also restores it with the Flash of a
// trial) and at the end of that run. Between two events it equals the cells that hold a value.
std::string ControllaRiempite(Gioco& g, const DopoEvento&) {
  const int n = CelleConValore(g);
  if (g.griglia.Riempite == n) return {};
  return "Riempite = " + std::to_string(g.griglia.Riempite) +
         ", caselle con un valore: " + std::to_string(n);
}

// The label is written wherever Riempite is settled: the reset, the schema, the end of the
// verification run. One path leaves it behind: a run that finds, before any trial, that the
// givens contradict each other stops with its placements on the grid and the label as it was.
// No schema of the random run contradicts itself, so the check does not meet that path until
// the givens are typed; it stays strict, and that path is for the program to settle.
std::string ControllaFatti(Gioco& g, const DopoEvento&) {
  const std::string atteso = std::to_string(g.griglia.Riempite);
  if (g.f.Fatti.caption() == atteso) return {};
  return "Fatti mostra \"" + g.f.Fatti.caption() + "\", Riempite = " + atteso;
}

// A candidate text is a blank, the digits ascending and a blank; "  " on a cell with a value.
// "" is a cell whose candidates were never computed: after the reset and while a schema waits for
// its verification, or a cell the record restored without them; it never holds on a cell with a
// value, which always gets "  ". "  " on a cell without a value is a cell left without
// candidates: the contradiction the error check reports, so only while the error is on show.
std::string ControllaCandidati(Gioco& g, const DopoEvento&) {
  for (int c = 0; c < kCelle; ++c) {
    const std::string& t = g.griglia.Can[c];
    const std::string motivo = [&]() -> std::string {
      if (g.HaValore(c)) return t == "  " ? "" : "casella con un valore";
      if (t.empty()) return "";
      if (t.size() < 2 || t.front() != ' ' || t.back() != ' ') return "manca uno spazio";
      if (t.size() == 2)
        return g.f.SemaLab.caption() == "ERR" ? "" : "nessun candidato senza errore segnalato";
      char prima = '0';
      for (std::size_t i = 1; i + 1 < t.size(); ++i) {
        if (t[i] < '1' || t[i] > '9') return "carattere non ammesso";
        if (t[i] <= prima) return "cifre non crescenti o ripetute";
        prima = t[i];
      }
      return "";
    }();
    if (!motivo.empty()) return "Can(" + std::to_string(c) + ") = \"" + t + "\": " + motivo;
  }
  return {};
}

// No cell outside 0..80 is ever touched: the control arrays hold no member beyond their grid,
// and every cell the model remembers is in it (or 99, none, where the program says so).
std::string ControllaCelle(Gioco& g, const DopoEvento&) {
  Form1& f = g.f;
  if (f.caN.upperBound() != kCelle) return "caN va fino a " + std::to_string(f.caN.upperBound());
  for (int c = 0; c < kCelle; ++c)
    if (!f.caN.loaded(c)) return "caN(" + std::to_string(c) + ") non caricata";
  // Ten lines and ten headings a side; a check box or a trial option per candidate of one cell.
  struct Limite {
    const char* nome;
    int limite;
    int fino;
  };
  for (const Limite& l : {Limite{"liO", 10, f.liO.upperBound()},
                          {"liV", 10, f.liV.upperBound()},
                          {"ri", 10, f.ri.upperBound()},
                          {"co", 10, f.co.upperBound()},
                          {"cM", 9, f.cM.upperBound()},
                          {"cv1", 9, f.cv1.upperBound()}})
    if (l.fino > l.limite)
      return std::string(l.nome) + " va fino a " + std::to_string(l.fino) + ", oltre " +
             std::to_string(l.limite);
  const StatoPartita& p = g.partita;
  if (!CellaValida(p.Cursore)) return "Cursore = " + std::to_string(p.Cursore);
  if (!CellaValida(p.CellaSegnalata) && p.CellaSegnalata != kNessunaCella)
    return "CellaSegnalata = " + std::to_string(p.CellaSegnalata);
  const MossaTrovata& m = g.ricerca.Mossa;
  if (m.CasellaMossa && !CellaValida(*m.CasellaMossa))
    return "CasellaMossa = " + std::to_string(*m.CasellaMossa);
  if (m.ZonaMossa && !ZonaValida(*m.ZonaMossa))
    return "ZonaMossa = " + std::to_string(*m.ZonaMossa);
  const StatoVerifica& v = g.verifica;
  if (v.NumVociTentativi < 0 || v.NumVociTentativi >= kVociTentativi)
    return "NumVociTentativi = " + std::to_string(v.NumVociTentativi);
  if (v.IndiceTentativo < 0 || v.IndiceTentativo > v.NumVociTentativi + 1)
    return "IndiceTentativo = " + std::to_string(v.IndiceTentativo);
  for (int i = 1; i <= v.NumVociTentativi; ++i) {
    const VoceTentativo& t = v.ElencoTentativi[i];
    if ((!CellaValida(t.Casella) && t.Casella != kNessunaCella) ||
        (!CellaValida(t.CasellaFallita) && t.CasellaFallita != -1))
      return "ElencoTentativi(" + std::to_string(i) + ") = " + std::to_string(t.Casella) + ", " +
             std::to_string(t.CasellaFallita);
  }
  return {};
}

// A digit the program accepts as exact is the solution's. Armed for play: when an event writes
// "- MOSSA ESATTA" on the blackboard, every cell whose value it changed holds the digit the last
// verification recorded for it (a digit that is exact but then rejected changes no cell).
std::string ControllaMossaEsatta(Gioco& g, const DopoEvento& e) {
  if (!e.prima || g.f.ListCons.revision() == e.prima->lavagna) return {};
  bool esatta = false;
  for (const std::string& s : g.f.ListCons.items())
    esatta = esatta || s.starts_with("- MOSSA ESATTA");
  if (!esatta) return {};
  const std::array<std::string, kCelle>& soluzione = GrigliaSoluzione(g);
  for (int c = 0; c < kCelle; ++c) {
    const char v = g.griglia.Cifra[c];
    if (v == 0 || v == e.prima->cifre[c]) continue;
    const std::string_view s = Trim(soluzione[c]);
    if (s.size() == 1 && s[0] != v)
      return NomeCasella(c) + " = " + std::string(1, v) + ", la soluzione ha " + std::string(s);
  }
  return {};
}

// An event on a control that cannot take it does nothing: the whole model stays. Neither does an
// event that reaches a behaviour not built yet, since a replay skips it and must still reach the
// same window; the driver stops such an event before any handler runs, and the light part of the
// model (controls, grid values, platform) tells whether one ran anyway.
std::string ControllaNulla(Gioco& g, const DopoEvento& e) {
  if (e.irraggiungibile != e.ignorato)
    return e.irraggiungibile ? "evento su un controllo irraggiungibile non ignorato"
                             : "evento ignorato su un controllo raggiungibile";
  if (!e.prima || !(e.ignorato || e.nonDisponibile)) return {};
  const std::string d = e.prima->Differenza(Istantanea::Di(g, e.prima->modello.has_value()));
  if (d.empty()) return {};
  return std::string(e.ignorato ? "evento ignorato" : "evento non ancora disponibile") +
         " ha cambiato: " + d;
}

// A created game, until the next reset: its givens are its solution's digits, and a cell is empty
// exactly when the cell its symmetry pairs it with is.
std::string ControllaCreato(Gioco& g, const DopoEvento&) {
  if (!g.partita.SchemaCreato) return {};
  const StatoCreazione& cr = g.creazione;
  if (cr.NumModello < 1 || cr.NumModello > 6) return "schema creato senza modello";
  if (g.f.caption != std::string(kTitoloFinestra) + " - " + cr.NomeSchema)
    return "il titolo non porta il nome dello schema creato " + cr.NomeSchema;
  const auto& soluzione = cr.Modelli[cr.NumModello];
  auto data = [&g](int c) { return g.HaValore(c) && g.griglia.Orig[c] == Origine::Nera; };
  for (int c = 0; c < kCelle; ++c) {
    if (data(c) && g.griglia.Cifra[c] != soluzione[c / 9][c % 9])
      return NomeCasella(c) + " ha il dato " + std::string(1, g.griglia.Cifra[c]) +
             ", la soluzione " + std::string(1, soluzione[c / 9][c % 9]);
    if (!g.HaValore(c) && data(Partner(c, cr.Simmetria)))
      return NomeCasella(c) + " vuota, la sua simmetrica no (simmetria " +
             std::to_string(cr.Simmetria) + ")";
  }
  return {};
}

// Work that holds the busy guard ends within its event.
std::string ControllaOccupato(Gioco& g, const DopoEvento&) {
  return g.Occupato ? "Occupato resta acceso dopo l'evento" : "";
}

constexpr Invariante kInvarianti[] = {
    {"Riempite", ControllaRiempite, "mostra Fatti\nmostra caselle"},
    {"Fatti", ControllaFatti, "mostra Fatti\nmostra caselle"},
    {"candidati", ControllaCandidati, "mostra caselle\nmostra lavagna"},
    {"caselle 0..80", ControllaCelle, "mostra caselle"},
    {"mossa esatta", ControllaMossaEsatta,
     "mostra lavagna\nmostra caselle\nmostra Peri\nmostra APeri"},
    {"evento senza effetto", ControllaNulla, "mostra lavagna\nmostra caselle"},
    {"lavoro finito", ControllaOccupato, "mostra lavagna"},
    {"schema creato", ControllaCreato, "mostra finestra\nmostra caselle"},
};

}  // namespace

std::span<const Invariante> Invarianti() {
  return kInvarianti;
}

std::span<const std::string_view> SchemiCasuali() {
  return kSchemi;
}

Istantanea Istantanea::Di(Gioco& g, bool completa) {
  Istantanea s;
  Form1& f = g.f;
  const std::vector<Control*> tutti = f.controlli();
  s.controlli.reserve(tutti.size());
  for (const Control* c : tutti) s.controlli.emplace_back(c, c->revision());
  f.perOgniArray([&s](auto& a) { s.strutture.push_back(a.structure()); });
  s.lavagna = f.ListCons.revision();
  s.titolo = f.caption;
  s.puntatore = f.mousePointer;
  s.superficie = f.surface.revision();
  s.cifre = g.griglia.Cifra;
  if (auto* p = dynamic_cast<ScriptedPlatform*>(&g.platform)) {
    s.messaggi = p->messages().size();
    s.dialoghi = p->fileDialogs().size();
    s.comandi = p->commands().size();
    s.beep = p->beeps();
  }
  s.occupato = g.Occupato;
  if (completa)
    s.modello = Modello{g.griglia, g.registro,         g.verifica,  g.ricerca,
                        g.partita, g.tabelle.Priorita, g.creazione, g.file};
  return s;
}

std::string Istantanea::Differenza(const Istantanea& d) const {
  if (strutture != d.strutture) return "membri di un array caricati o scaricati";
  // The same members stand, so the two lists name the same controls in the same order.
  if (controlli.size() != d.controlli.size()) return "elenco dei controlli";
  for (std::size_t i = 0; i < controlli.size(); ++i)
    if (controlli[i] != d.controlli[i]) return controlli[i].first->fullName();
  struct Parte {
    const char* nome;
    bool uguale;
  };
  for (const Parte& p : {Parte{"titolo della finestra", titolo == d.titolo},
                         {"puntatore", puntatore == d.puntatore},
                         {"disegni sulla finestra", superficie == d.superficie},
                         {"valori della griglia", cifre == d.cifre},
                         {"messaggi", messaggi == d.messaggi},
                         {"finestre di dialogo", dialoghi == d.dialoghi},
                         {"comandi", comandi == d.comandi},
                         {"beep", beep == d.beep},
                         {"Occupato", occupato == d.occupato}})
    if (!p.uguale) return p.nome;
  if (!modello || !d.modello) return {};
  const Modello& a = *modello;
  const Modello& b = *d.modello;
  for (const Parte& p : {Parte{"griglia", a.griglia == b.griglia},
                         {"registro", a.registro == b.registro},
                         {"verifica", a.verifica == b.verifica},
                         {"ricerca", a.ricerca == b.ricerca},
                         {"partita", a.partita == b.partita},
                         {"Priorita", a.priorita == b.priorita},
                         {"creazione", a.creazione == b.creazione},
                         {"file", a.file == b.file}})
    if (!p.uguale) return p.nome;
  return {};
}

SessioneCasuale::SessioneCasuale(std::uint64_t seme)
    // The draws of the events and those of the program's own random source come from the same
    // seed, but not from the same stream.
    : seme_(seme), caso_(seme ^ 0x9E3779B97F4A7C15u), sessione_(nulla_, diagnosi_, seme) {}

int SessioneCasuale::Caso(int n) {
  return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(caso_));
}

// The window as the reset leaves it: a new schema can go on it.
bool SessioneCasuale::FinestraAzzerata() {
  Gioco& g = sessione_.gioco();
  return g.f.DatIniz.enabled() && !g.partita.DatiIniziati && !g.partita.InGioco &&
         CelleConValore(g) == 0;
}

std::vector<Control*> SessioneCasuale::Controlli(const std::function<bool(Control&)>& scelta) {
  std::vector<Control*> v;
  sessione_.nomi().perOgni([&](Control& c) {
    if (scelta(c)) v.push_back(&c);
  });
  return v;
}

std::vector<Control*> SessioneCasuale::Controlli(Kind tipo) {
  return Controlli([tipo](Control& c) { return c.kind() == tipo; });
}

// A control for a click, a press or a release. Drawn evenly from every control, the 81 cells and
// the two dozen lines of the quick help would bury the few buttons that start anything; so a third
// of the draws take a single control that can take the event, a third any single control, and a
// third any control at all, disabled, hidden and array members included.
Control* SessioneCasuale::Bersaglio() {
  const int modo = Caso(3);
  std::vector<Control*> v = Controlli([this, modo](Control& c) {
    return modo == 2 || (c.index() < 0 && (modo == 1 || sessione_.Raggiungibile(c)));
  });
  if (v.empty()) v = Controlli([](Control&) { return true; });
  return v[Caso(static_cast<int>(v.size()))];
}

SessioneCasuale::Evento SessioneCasuale::SuControllo(const std::string& comando) {
  Control* c = Bersaglio();
  return {comando + " " + c->fullName(), c, false};
}

SessioneCasuale::Evento SessioneCasuale::Estrai() {
  Gioco& g = sessione_.gioco();
  // The run starts from a schema, and after a reset it puts another one soon: an empty window
  // takes few events that do anything.
  if (eventi_ == 0 || (FinestraAzzerata() && Caso(4) == 0))
    return {"schema " + std::string(Uno<std::string_view>(kSchemi)), nullptr, false};
  const int r = Caso(1000);
  if (r < 260) return SuControllo("clic");
  if (r < 300) return SuControllo("premi");
  if (r < 340) return SuControllo("rilascia");
  if (r < 540) {
    const int i = Caso(kCelle);
    std::string riga =
        "casella " + std::to_string(i) + " " + std::string(Uno<std::string_view>(kAzioniCasella));
    if (Caso(3) == 0) riga += " destro";
    if (Caso(4) == 0) riga += " maiusc";
    return {riga, &g.f.caN[i], false};
  }
  if (r < 720) {
    std::string riga = "tasto " + std::string(Uno<std::string_view>(kTasti));
    const std::string_view m = Uno<std::string_view>(kModificatori);
    if (!m.empty()) riga += " " + std::string(m);
    return {riga, nullptr, false};
  }
  if (r < 750) {
    std::string testo;
    for (int n = 1 + Caso(6); n > 0; --n)
      testo += kCaratteri[Caso(static_cast<int>(kCaratteri.size()))];
    return {"scrivi " + testo, nullptr, false};
  }
  if (r < 780) {
    std::vector<Control*> v = Controlli(Kind::ComboBox);
    if (!v.empty()) {
      auto* cb = static_cast<ComboBox*>(v[Caso(static_cast<int>(v.size()))]);
      if (!cb->items().empty()) {
        const std::string& voce = cb->items()[Caso(static_cast<int>(cb->items().size()))];
        return {"scegli " + cb->fullName() + " " + std::string(Trim(voce)), cb, false};
      }
    }
    return SuControllo("clic");
  }
  if (r < 810) {
    std::vector<Control*> v = Controlli(Kind::CheckBox);
    if (v.empty()) return SuControllo("clic");
    Control* c = v[Caso(static_cast<int>(v.size()))];
    return {"spunta " + c->fullName() + (Caso(2) ? " 1" : " 0"), c, false};
  }
  if (r < 860) return {"risposta " + std::string(Uno<std::string_view>(kRisposte)), nullptr, false};
  if (r < 880) return {"file -", nullptr, false};
  if (r < 960) {
    std::vector<Control*> v = Controlli(Kind::Timer);
    if (v.empty()) return SuControllo("clic");
    Control* c = v[Caso(static_cast<int>(v.size()))];
    return {"timer " + c->fullName(), c, true};
  }
  if (Caso(2) == 0)
    return {"mostra " + std::string(Uno<std::string_view>(kVedute)), nullptr, false};
  return {"mostra " + Bersaglio()->fullName(), nullptr, false};
}

bool SessioneCasuale::Esegui(const Evento& e) {
  ++eventi_;
  ultima_ = e.riga;
  Gioco& g = sessione_.gioco();
  DopoEvento d;
  if (e.bersaglio)
    d.irraggiungibile = e.timer ? !e.bersaglio->enabled() : !sessione_.Raggiungibile(*e.bersaglio);
  const Istantanea prima = Istantanea::Di(g, d.irraggiungibile);
  d.prima = &prima;
  // The line goes to the record before it runs: if it brings the program down, the record ends
  // with it.
  std::streampos posto;
  if (registro_) {
    posto = registro_->tellp();
    *registro_ << e.riga << std::endl;
  }
  const long ignoratiPrima = sessione_.ignorati();
  diagnosi_.str("");
  const int esito = sessione_.Riga(e.riga);
  d.ignorato = sessione_.ignorati() != ignoratiPrima;
  d.nonDisponibile = esito == kSessioneNonDisponibile;
  ignorati_ += d.ignorato;
  nonDisponibili_ += d.nonDisponibile;
  schemi_ += e.riga.starts_with("schema ");
  righe_.push_back(d.nonDisponibile ? std::string(kNonDisponibile) + e.riga : e.riga);
  // The comment is longer than the line it replaces, so it covers it whole.
  if (registro_ && d.nonDisponibile) {
    registro_->seekp(posto);
    *registro_ << righe_.back() << std::endl;
  }
  if (esito != kSessioneOk && !d.nonDisponibile) {
    std::string m = diagnosi_.str();
    while (!m.empty() && m.back() == '\n') m.pop_back();
    return Guasto("il driver rifiuta il comando: " + m, {});
  }
  for (const Invariante& i : Invarianti()) {
    std::string m = i.controlla(g, d);
    if (!m.empty()) return Guasto(std::string(i.nome) + ": " + m, i.mostra);
  }
  return true;
}

bool SessioneCasuale::Guasto(std::string guasto, std::string_view mostra) {
  guasto_ = std::move(guasto);
  mostra_ = mostra;
  if (registro_) *registro_ << Coda() << std::flush;
  return false;
}

bool SessioneCasuale::Gioca(long n) {
  for (long k = 0; k < n; ++k)
    if (!Esegui(Estrai())) return false;
  return true;
}

void SessioneCasuale::Registra(std::ostream& o) {
  registro_ = &o;
  o << Intestazione();
  for (const std::string& r : righe_) o << r << "\n";
  o << std::flush;
}

std::string SessioneCasuale::Intestazione() const {
  const std::string seme = std::to_string(seme_);
  return "# Sessione casuale di orvento-cli, seme " + seme +
         ".\n# Si ripete con: orvento-cli sessione --seme " + seme + " FILE\n";
}

std::string SessioneCasuale::Coda() const {
  if (guasto_.empty()) return {};
  std::string s = "# Evento " + std::to_string(eventi_) + " ('" + ultima_ + "'): " + guasto_ + "\n";
  if (!mostra_.empty()) s += "# Quello che il controllo legge:\n" + std::string(mostra_) + "\n";
  return s;
}

std::string SessioneCasuale::FileSessione() const {
  std::string s = Intestazione();
  for (const std::string& r : righe_) s += r + "\n";
  return s + Coda();
}

int ComandoCasuale(long eventi, std::uint64_t seme, std::ostream& out, std::ostream& err,
                   std::ostream* registro) {
  SessioneCasuale s(seme);
  if (registro) s.Registra(*registro);
  if (s.Gioca(eventi)) {
    out << "# sessione casuale, seme " << seme << ": " << s.eventi() << " eventi, " << s.ignorati()
        << " ignorati, " << s.nonDisponibili() << " non ancora disponibili, " << s.schemi()
        << " schemi\n";
    return 0;
  }
  err << "orvento-cli: sessione casuale, seme " << seme << ", evento " << s.eventi() << ": "
      << s.guasto() << "\n";
  out << s.FileSessione();
  return 1;
}

}  // namespace orv
