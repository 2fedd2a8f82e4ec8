#pragma once

namespace orv {
// The batch tool's entry point.
int MainCli(int argc, char** argv);
}  // namespace orv
