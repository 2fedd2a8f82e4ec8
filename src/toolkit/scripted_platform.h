// A Platform without a display: answers come from queues, the clock is fixed unless advanced,
// random draws come from a seeded generator. Tests and the batch tool use it.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "toolkit/platform.h"

namespace orv {

struct ShownMessage {
  std::string title;
  std::string text;
  MsgButtons buttons;
  MsgResult answer;
};

class ScriptedPlatform : public Platform {
 public:
  explicit ScriptedPlatform(std::uint64_t seed = 1) : seed_(seed), rng_(seed) {}

  // Queued answers; when the queue is empty a message box answers with its first button
  // (OK or Yes) and a file dialog is cancelled.
  void queueAnswer(MsgResult r) { answers_.push_back(r); }
  void queueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  bool answersPending() const { return !answers_.empty() || !files_.empty(); }

  // Everything shown since the last take.
  std::vector<ShownMessage> takeMessages();
  const std::vector<ShownMessage>& messages() const { return messages_; }
  int beeps() const { return beeps_; }
  int eventPumps() const { return eventPumps_; }
  const std::vector<std::string>& commands() const { return commands_; }
  const std::vector<std::string>& fileDialogs() const { return fileDialogs_; }

  void setClock(double seconds) { clock_ = seconds; }
  void advanceClock(double seconds) { clock_ += seconds; }
  // Each reading of the clock moves it on by this much (0: a fixed clock).
  void setClockStep(double seconds) { clockStep_ = seconds; }

  MsgResult messageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                       bool informationIcon) override;
  std::optional<std::string> openFileDialog(const FileDialog& d) override;
  std::optional<std::string> saveFileDialog(const FileDialog& d) override;
  void beep() override { ++beeps_; }
  void processEvents() override { ++eventPumps_; }
  void repaintNow() override {}
  double secondsSinceMidnight() override;
  // Each call starts a sequence of its own, as a seed from the clock would, and yet the same
  // sequences in every run with the same seed.
  void randomize() override { rng_.seed(seed_ + 0x9E3779B97F4A7C15u * ++semine_); }
  double random() override;
  std::string currentFolder() override;
  bool setCurrentFolder(const std::string& folder) override;
  int runCommand(const std::string& commandLine) override;
  bool showHelp(const std::string& helpFile) override;

 private:
  std::optional<std::string> nextFile(const std::string& kind, const FileDialog& d);

  std::uint64_t seed_;
  std::uint64_t semine_ = 0;
  std::mt19937_64 rng_;
  std::deque<MsgResult> answers_;
  std::deque<std::optional<std::string>> files_;
  std::vector<ShownMessage> messages_;
  std::vector<std::string> commands_;
  std::vector<std::string> fileDialogs_;
  int beeps_ = 0;
  int eventPumps_ = 0;
  double clock_ = 36000.0;
  double clockStep_ = 0.0;
};

}  // namespace orv
