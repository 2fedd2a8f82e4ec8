#include "toolkit/scripted_platform.h"

#include <filesystem>
#include <system_error>

namespace orv {

std::vector<ShownMessage> ScriptedPlatform::takeMessages() {
  std::vector<ShownMessage> out;
  out.swap(messages_);
  return out;
}

MsgResult ScriptedPlatform::messageBox(const std::string& text, const std::string& title,
                                       MsgButtons buttons, bool) {
  MsgResult r = buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
  if (!answers_.empty()) {
    r = answers_.front();
    answers_.pop_front();
  }
  messages_.push_back({title, text, buttons, r});
  return r;
}

std::optional<std::string> ScriptedPlatform::nextFile(const std::string& kind,
                                                      const FileDialog& d) {
  fileDialogs_.push_back(kind + " " + d.title);
  if (files_.empty()) return std::nullopt;
  auto f = files_.front();
  files_.pop_front();
  return f;
}

std::optional<std::string> ScriptedPlatform::openFileDialog(const FileDialog& d) {
  return nextFile("apri", d);
}

std::optional<std::string> ScriptedPlatform::saveFileDialog(const FileDialog& d) {
  return nextFile("salva", d);
}

double ScriptedPlatform::secondsSinceMidnight() {
  double now = clock_;
  clock_ += clockStep_;
  if (clock_ >= 86400.0) clock_ -= 86400.0;
  return now;
}

double ScriptedPlatform::random() {
  // 53 random bits give a uniform double in [0, 1).
  return static_cast<double>(rng_() >> 11) * (1.0 / 9007199254740992.0);
}

std::string ScriptedPlatform::currentFolder() {
  std::error_code ec;
  auto p = std::filesystem::current_path(ec);
  return ec ? std::string() : p.string();
}

bool ScriptedPlatform::setCurrentFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::current_path(folder, ec);
  return !ec;
}

int ScriptedPlatform::runCommand(const std::string& commandLine) {
  commands_.push_back(commandLine);
  return 0;
}

bool ScriptedPlatform::showHelp(const std::string& helpFile) {
  commands_.push_back("help " + helpFile);
  return false;
}

}  // namespace orv
