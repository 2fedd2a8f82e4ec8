#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orv {
// The batch tool's entry point.
int MainCli(int argc, char** argv);

// A whole number written in digits alone, as the options of the batch tool take it; nullopt for
// anything else, or for a number too large to hold.
std::optional<std::uint64_t> NumeroIntero(const std::string& s);
}  // namespace orv
