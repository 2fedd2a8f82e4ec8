// The verification run behind "Gioca", the rating, and their menu commands.
#pragma once

#include <optional>

#include "model/gioco.h"

namespace orv {

// How a verification run ended, for callers that must tell (the batch tool).
struct EsitoVerifica {
  enum class Tipo {
    Riuscita,    // solution recorded (also "IL GIOCO E' GIA' RISOLTO")
    Fallita,     // neither the techniques nor a trial completed the grid
    ErroreDati,  // two equal values in a zone, or a contradiction outside a trial
  };
  Tipo tipo = Tipo::Fallita;
  // Trial placements of the run (Tentativi as the run counted them).
  int tentativi = 0;
  // The count of the "- ho ... consigli" line, when the report wrote one.
  std::optional<int> consigli;
};

// The whole run: duplicate check, pass 1 (techniques and one-level trials), the solution in
// Soluzione / SoluzioneTentativi, pass 2 (the replay with CercaMossa), the rating and the report.
EsitoVerifica Gioca_Click(Gioco& g);

// The grid the last run recorded as the solution: SoluzioneTentativi when a trial was needed,
// else Soluzione. Each entry is a digit, or a blank where the run placed nothing.
const std::array<std::string, kCelle>& GrigliaSoluzione(const Gioco& g);

// Builds the trial table: every candidate of every cell, in cell order.
void PreparaTentativi(Gioco& g);

// Menu "Verifica Solvibilità": the cells without value show nothing, then the run.
void VerificaSolvibilita(Gioco& g);

// Turns the method counts of the last run into ValutazioneTesto; mostra = 1 also lists the
// counts on the blackboard.
void Valutazione(Gioco& g, int mostra);

// Menu "Valutazione Difficoltà".
void mValuta_Click(Gioco& g);

}  // namespace orv
