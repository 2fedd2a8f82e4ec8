// Keeping the candidate texts consistent with the values, and the contradiction check.
#pragma once

#include "model/gioco.h"

namespace orv {

// Recomputes all 81 candidate texts, then selects the view of all candidates.
void RicalcoloCandidati(Gioco& g);

// Strikes from Can(c) the values present in zone z, stopping at one candidate.
void TogliPresenti(Gioco& g, int c, int z);

// Cell c has just received the digit v: removes v from its row, column and box, and reports a
// cell left without candidates (silently inside a trial: only NessunErrore tells).
void ControlloErrori(Gioco& g, int c, char v);

// A value the solving run places itself, in apply mode: provisional (it shows in ColoreMossa),
// counted as a step of the run while InRisoluzione, then the error check.
void PiazzaProvvisoria(Gioco& g, int c, char d);

// The report of a contradiction, with the red semaphore and the counted error.
void SegnalaErrore(Gioco& g);

// The error counter text: "1 Errore", "3 Errori".
std::string TestoErrori(int n);

}  // namespace orv
