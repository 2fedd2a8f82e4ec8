// Orvento, the Sudoku trainer: the main window.
#include <QApplication>
#include <QFont>

#include "qt/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // One look on every desktop, and one that honours the colours the program gives its buttons.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setApplicationName(QStringLiteral("Orvento"));
  orv::Program program;
  program.window().show();
  return app.exec();
}
