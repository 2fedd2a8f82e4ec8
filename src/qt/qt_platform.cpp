#include "qt/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTime>
#include <QUrl>

namespace orv {

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

// Until randomize() is called the draws follow a fixed sequence, as the toolkit's own generator
// does.
QtPlatform::QtPlatform() : rng_(20051) {}

void QtPlatform::setWindow(QWidget* window, std::function<void()> sync,
                           std::function<void()> repaint) {
  window_ = window;
  sync_ = std::move(sync);
  repaint_ = std::move(repaint);
}

void QtPlatform::syncWindow() {
  if (sync_) sync_();
}

MsgResult QtPlatform::messageBox(const std::string& text, const std::string& title,
                                 MsgButtons buttons, bool informationIcon) {
  // The player must see the state the question is about.
  syncWindow();
  QMessageBox box(informationIcon ? QMessageBox::Information : QMessageBox::NoIcon, Q(title),
                  Q(text), QMessageBox::NoButton, window_);
  QPushButton* first = nullptr;
  QPushButton* second = nullptr;
  switch (buttons) {
    case MsgButtons::Ok:
      first = box.addButton(QMessageBox::Ok);
      box.setEscapeButton(first);
      break;
    case MsgButtons::OkCancel:
      first = box.addButton(QMessageBox::Ok);
      second = box.addButton(QMessageBox::Cancel);
      box.setEscapeButton(second);
      break;
    case MsgButtons::YesNo:
      first = box.addButton(QMessageBox::Yes);
      second = box.addButton(QMessageBox::No);
      box.setEscapeButton(second);
      break;
  }
  box.setDefaultButton(first);
  box.exec();
  const bool secondPressed = second != nullptr && box.clickedButton() == second;
  switch (buttons) {
    case MsgButtons::Ok:
      return MsgResult::Ok;
    case MsgButtons::OkCancel:
      return secondPressed ? MsgResult::Cancel : MsgResult::Ok;
    case MsgButtons::YesNo:
      return secondPressed ? MsgResult::No : MsgResult::Yes;
  }
  return MsgResult::Ok;
}

QStringList NameFilters(const std::string& filter) {
  const QStringList parts = Q(filter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
    if (patterns.isEmpty()) {
      out << description;
      continue;
    }
    // Qt reads the patterns from the parentheses at the end, separated by blanks.
    const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
    if (description.endsWith(shown)) description = description.chopped(shown.size()).trimmed();
    out << description + QStringLiteral(" (") +
               QString(patterns).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
  }
  return out;
}

std::optional<std::string> QtPlatform::fileDialog(const FileDialog& d, bool save) {
  syncWindow();
  QFileDialog dialog(window_, Q(d.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = NameFilters(d.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!d.defaultExtension.empty()) dialog.setDefaultSuffix(Q(d.defaultExtension));
  if (!d.initialFolder.empty()) dialog.setDirectory(Q(d.initialFolder));
  if (!d.fileName.empty()) dialog.selectFile(Q(d.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

std::optional<std::string> QtPlatform::openFileDialog(const FileDialog& d) {
  return fileDialog(d, false);
}

std::optional<std::string> QtPlatform::saveFileDialog(const FileDialog& d) {
  return fileDialog(d, true);
}

void QtPlatform::beep() {
  QApplication::beep();
}

void QtPlatform::processEvents() {
  // A handler run from here may itself ask for events: the outer pump is still running, so the
  // inner request returns at once instead of nesting event loops without end.
  if (pumping_) return;
  if (sincePump_.isValid() && sincePump_.elapsed() < kPumpIntervalMs) return;
  pumping_ = true;
  syncWindow();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  sincePump_.restart();
  pumping_ = false;
}

void QtPlatform::repaintNow() {
  if (repaint_) repaint_();
}

double QtPlatform::secondsSinceMidnight() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtPlatform::randomize() {
  // Calls a few microseconds apart read the same clock: a count of the calls and the last draw
  // go into the seed too, so that each call starts a sequence of its own.
  const auto now = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
  const std::uint64_t prima = rng_();
  ++semine_;
  std::seed_seq seed{static_cast<std::uint32_t>(now),
                     static_cast<std::uint32_t>(now >> 32),
                     static_cast<std::uint32_t>(QCoreApplication::applicationPid()),
                     static_cast<std::uint32_t>(semine_),
                     static_cast<std::uint32_t>(prima),
                     static_cast<std::uint32_t>(prima >> 32)};
  rng_.seed(seed);
}

double QtPlatform::random() {
  // 53 random bits scaled into [0, 1): never 1, whatever the rounding.
  return static_cast<double>(rng_() >> 11) * 0x1.0p-53;
}

std::string QtPlatform::currentFolder() {
  return QDir::toNativeSeparators(QDir::currentPath()).toStdString();
}

bool QtPlatform::setCurrentFolder(const std::string& folder) {
  return QDir::setCurrent(Q(folder));
}

int QtPlatform::runCommand(const std::string& commandLine) {
  QStringList args = QProcess::splitCommand(Q(commandLine));
  if (args.isEmpty()) return 0;
  const QString program = args.takeFirst();
  qint64 pid = 0;
  if (!QProcess::startDetached(program, args, QString(), &pid) || pid <= 0) return 0;
  return static_cast<int>(pid);
}

bool QtPlatform::showHelp(const std::string& helpFile) {
  if (helpFile.empty()) return false;
  const QFileInfo file(QDir::current(), Q(helpFile));
  if (!file.isFile()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

}  // namespace orv
