// The game model: one object, owned by the main window, holding the grid, every per-game field
// and the window's controls. Each subsystem is a set of functions that take it by reference.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/cifre.h"
#include "model/form1.h"
#include "model/schema.h"
#include "model/testi_candidati.h"
#include "toolkit/platform.h"

namespace orv {

enum class Origine : char { Nessuna, Nera, Blu, Provvisoria };

enum class ModoVista { Nessuno, Tutti, SoloSe, SuDoppiette, SuTutti };

enum class LivelloConsiglio { Nessuno, Metodo, Valore, Dove };

// The move a search found. Fields a method does not write keep what they held.
struct MossaTrovata {
  std::string CodiceMetodo;
  std::string ValoreMossa;
  std::optional<int> CasellaMossa;
  std::optional<int> ZonaMossa;
  std::string DaTogliere;
  std::string Gruppo;
  std::string CaselleGruppo;
  std::optional<int> SecondaZona;
  std::array<int, 8> Rettangoli{};
  bool operator==(const MossaTrovata&) const = default;
};

// One row of the trial table: the cell and the candidate tried. A trial that failed keeps its
// cell in CasellaFallita and has Casella = kNessunaCella.
struct VoceTentativo {
  int Casella = -1;
  char Cifra = 0;
  int CasellaFallita = -1;
  bool operator==(const VoceTentativo&) const = default;
};

inline constexpr int kVociTentativi = 801;

inline constexpr int kRigheUsoMetodi = 21;
inline constexpr int kVociPriorita = 21;
inline constexpr int kNessunaCella = 99;

// The zones where one zone-by-zone search found nothing, by the stamps their values and texts
// had then (see NuovoTimbro).
struct ZoneSenzaEsito {
  std::array<std::uint64_t, kZone> valori{};
  std::array<std::uint64_t, kZone> testi{};
};
// The searches that remember them: a method, a group size and search or apply mode.
inline constexpr int kRicercheZona = 18;

// What the last restore of the record (RipristinaFlash, RipristinaFile) read, and what it left:
// the trials of a verification run restore the same Flash again and again. Its inputs are the
// record rows, how many blocks of them are used and the two cell font sizes; the result is the
// grid state and the caption, font and colours of each cell label.
struct LetturaRecord {
  struct Etichetta {
    std::string caption;
    Font font;
    Colore testo = 0;
    Colore sfondo = 0;
  };
  bool valida = false;
  std::array<std::string, 27> righe;
  int blocchi = 0;
  double dimValore = 0;
  double dimCandidati = 0;
  Cifre cifra;
  std::array<Origine, kCelle> orig{};
  TestiCandidati can;
  std::array<Etichetta, kCelle> etichette;
};

// The parts of the game model. Each is plain data, grouped by the subsystem that owns it. The
// reset "Azzera Tutto" makes each per-game part anew, as a freshly built one, so a field added to
// them later is reset too; the parts that outlive a game (the method tables, the grid
// geometry, the creation in progress, the file names, the caches, the techniques' options) are
// left alone by it.

// The grid: the value, origin and candidate text of each cell.
struct Griglia {
  // The value of each cell: 0 for none, else the character shown.
  Cifre Cifra;
  std::array<Origine, kCelle> Orig{};
  TestiCandidati Can;
  int Riempite = 0;

  bool HaValore(int c) const { return CellaValida(c) && Cifra[c] != 0; }
  // The value as 1..9, 0 when the cell has none or holds something else.
  int Valore(int c) const {
    return HaValore(c) && Cifra[c] >= '1' && Cifra[c] <= '9' ? Cifra[c] - '0' : 0;
  }
  bool operator==(const Griglia&) const = default;
};

// The state record (RigheDati) and the Flash, and what the game files read from them.
struct RegistroFlash {
  std::array<std::string, 27> RigheDati;
  std::array<std::string, 27> RigheDatiCopia;
  int RigheUsate = 0;
  int RiempiteRegistrate = 0;
  int ConsigliInizioTentativi = 0;
  bool DatiRegistrati = true;
  bool InSalvataggio = false;
  bool CandidatiModificati = false;
  // The schema came from a file or from creation: its givens are already in RigheDati.
  bool Ricaricato = false;
  // Last non-empty row of the record opened or created; 18 or more: it carries candidates.
  int RigheLette = 0;
  bool operator==(const RegistroFlash&) const = default;
};

// The verification run behind "Gioca": its trials, its replay, the solution and the rating.
struct StatoVerifica {
  std::array<std::string, kCelle> Soluzione;
  std::array<std::string, kCelle> SoluzioneTentativi;
  std::array<int, kRigheUsoMetodi> UsoMetodiConta{};
  std::array<int, kRigheUsoMetodi> UsoMetodiSalvati{};
  int RigaMetodo = 0;
  // The run follows the deletion of a move: short report, no replay.
  bool InCancellazione = false;
  bool CandidatiPronti = false;
  // Rows 1..NumVociTentativi are used; row IndiceTentativo is the trial being tried (0: none).
  std::array<VoceTentativo, kVociTentativi> ElencoTentativi{};
  int NumVociTentativi = 0;
  int IndiceTentativo = 0;
  std::array<std::string, kCelle> ValoriInizio;
  // The replay's moves: entry i (1..NumMosse) is ElencoMosse[i - 1]. No limit on their number.
  std::vector<std::string> ElencoMosse;
  int NumMosse = 0;
  bool NessunErrore = true;
  bool InTentativo = false;
  int NumConsigli = 0;
  int Tentativi = 0;
  Colore ColoreMossa = kBluMossa;
  std::string ValutazioneTesto = "??";
  bool operator==(const StatoVerifica&) const = default;
};

// The move search and the techniques: the mode flags, the found move, the crossing's marks.
struct StatoRicerca {
  bool SoloRicerca = false;
  bool InRisoluzione = false;
  bool Trovata = false;
  MossaTrovata Mossa;
  int ValoreIniziale = 0;
  int ValoreFinale = 0;
  std::array<bool, kCelle> Esclusa{};
  bool operator==(const StatoRicerca&) const = default;
};

// Play: the cursor, the hint level, the errors and the last change.
struct StatoPartita {
  std::string UltimaModifica;
  int CellaSegnalata = kNessunaCella;
  int NumErrori = 0;
  bool ModoConsigli = true;
  bool InGioco = false;
  bool DatiIniziati = false;
  bool FlashPreso = false;
  LivelloConsiglio Livello = LivelloConsiglio::Nessuno;
  int Cursore = 0;
  Colore SfondoCursore = kBianco;
  // Trial options cv1 loaded beyond member 0.
  int NumOpzioniTentativo = 0;
  // The game on the grid was made by "Crea un Sudoku nuovo" (its solution is the creation's).
  bool SchemaCreato = false;
  bool operator==(const StatoPartita&) const = default;
};

// The creation of a schema: the templates, the schema under construction and what it has lost,
// the schema kept as a fallback, and the running number of the schemas made. It outlives the
// resets that the creation itself makes, and the failed verification tells it so through
// CreazioneFallita after resetting the window.
struct StatoCreazione {
  bool InCreazione = false;
  bool CreazioneFallita = false;
  // Entry 0: nine rows of blanks; 1..6 the templates in letters, the chosen one relabelled into
  // a solution by GeneraSoluzione.
  std::array<std::array<std::string, 9>, 7> Modelli;
  // Template and symmetry of the creation in progress, shown while creating.
  int NumModello = 0;
  int Simmetria = 0;
  // The schema under construction, a digit or a blank per cell.
  std::array<std::string, 9> SchemaNuovo;
  // The cells removed and their solution digits, in order of removal.
  std::array<int, kCelle> CaselleRimosse{};
  std::array<char, kCelle> CifreRimosse{};
  int NumRimosse = 0;
  int UltimaRimossa = -1;
  int MinDati = 27;
  int MaxDati = 33;
  int SogliaMin = kCelle - 33;
  int SogliaMax = kCelle - 27;
  // The last solvable schema with at least SogliaMin cells removed.
  std::array<std::string, 9> CopiaSchema;
  bool CopiaValida = false;
  int NumRimosseCopia = 0;
  // Cells put back in this creation, and fresh solutions taken because too many were.
  int Ripristini = 0;
  int NuoveSoluzioni = 0;
  // Running number of the new schemas of this program run, and the current schema's name.
  int NumSchemi = 0;
  std::string NomeSchema;
  bool operator==(const StatoCreazione&) const = default;
};

// The names of the game file and of the help file.
struct StatoFile {
  std::string NomeFile = " ";
  std::string FileGuida;
  bool operator==(const StatoFile&) const = default;
};

// The grid's geometry (twips) and the two cell font sizes.
struct Geometria {
  int Righe = 9;
  int Colonne = 9;
  int PassoCasella = 640;
  int OrigineSinistra = 0;
  int OrigineAlto = 0;
  bool GrigliaCostruita = false;
  int GrigliaDestra = 0;
  int GrigliaBasso = 0;
  double DimValore = 0;
  double DimCandidati = 0;
};

// The tables built at start-up: the labels of UsoMetodi and the method list, whose order the
// priority dialog changes and which outlives every game.
struct Tabelle {
  std::array<std::string, kRigheUsoMetodi> UsoMetodiEtichetta;
  std::array<std::string, kVociPriorita> Priorita;
  int NumMetodi = 0;
};

// What only speeds things up: each entry says which inputs it was computed from and is used
// only when they are the same, so it survives a reset untouched.
struct Cache {
  // The background change count of the cell labels when they were last all made white
  // (SfondiBianchi).
  std::uint64_t BiancheDa = ~std::uint64_t{0};
  LetturaRecord UltimaLettura;
  std::array<ZoneSenzaEsito, kRicercheZona> SenzaEsito{};
};

// How the techniques read the candidates. Where every text is in the program's form they read
// the masks kept beside the texts, and the texts themselves otherwise; SoloTesti makes them read
// the texts always, so that a test can play the same games both ways and compare what they
// find. It outlives the reset, since a test that sets it means it for every game it plays.
struct OpzioniTecniche {
  bool SoloTesti = false;
};

struct Gioco {
  explicit Gioco(Platform& platform) : platform(platform) {}
  Gioco(const Gioco&) = delete;
  Gioco& operator=(const Gioco&) = delete;

  Platform& platform;
  Form1 f;

  // Emptied by the reset.
  Griglia griglia;
  RegistroFlash registro;
  StatoVerifica verifica;
  StatoRicerca ricerca;
  StatoPartita partita;

  // Left alone by the reset.
  StatoCreazione creazione;
  StatoFile file;
  Geometria geometria;
  Tabelle tabelle;
  Cache cache;
  OpzioniTecniche tecniche;

  // Set while a verification, a search, a trial step or a creation runs: handlers that start
  // such work check it, so that events let through by the long procedure cannot start another.
  bool Occupato = false;

  bool HaValore(int c) const { return griglia.HaValore(c); }
  int Valore(int c) const { return griglia.Valore(c); }

  // Which option of the panel "Mostra Candidati" is selected.
  ModoVista Vista() const;
};

// A guard that marks the model busy for its lifetime; `attivo()` is false when it was already.
class Occupazione {
 public:
  explicit Occupazione(Gioco& g) : g_(g), attivo_(!g.Occupato) { g_.Occupato = true; }
  ~Occupazione() {
    if (attivo_) g_.Occupato = false;
  }
  Occupazione(const Occupazione&) = delete;
  Occupazione& operator=(const Occupazione&) = delete;
  bool attivo() const { return attivo_; }

 private:
  Gioco& g_;
  bool attivo_;
};

}  // namespace orv
