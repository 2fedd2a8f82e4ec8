// The session driver: whole user sessions, one command per line, on the same core the window
// drives, with a scripted platform. Used by `orvento-cli sessione` and by the golden tests.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

namespace orv {

class Control;
struct Gioco;

// Exit statuses of a session.
inline constexpr int kSessioneOk = 0;
inline constexpr int kSessioneErrore = 2;          // unknown command or control, bad argument
inline constexpr int kSessioneNonDisponibile = 3;  // the behaviour is not built yet

// Runs the commands read from `in`; results of `mostra` go to `out`, diagnostics to `err`.
int EseguiSessione(std::istream& in, std::ostream& out, std::ostream& err, std::uint64_t seme);

// One control as `mostra NOME` prints it, and one cell as `mostra caselle` does.
std::string DescriviControllo(Control& c);
std::string DescriviCasella(Gioco& g, int i);

// "#RRGGBB".
std::string TestoColore(std::uint32_t c);

}  // namespace orv
