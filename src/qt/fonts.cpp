#include "qt/fonts.h"

#include <QFontDatabase>
#include <QString>
#include <algorithm>
#include <cmath>

namespace orv {

void InstallFontSubstitutions() {
  struct Twin {
    const char* named;
    const char* twin;
  };
  for (const Twin& t :
       {Twin{"MS Sans Serif", "Liberation Sans"}, Twin{"Arial", "Liberation Sans"},
        Twin{"Courier New", "Liberation Mono"}, Twin{"Comic Sans MS", "Comic Neue"}}) {
    const QString named = QString::fromUtf8(t.named);
    if (!QFontDatabase::hasFamily(named))
      QFont::insertSubstitution(named, QString::fromUtf8(t.twin));
  }
}

QFont ToQFont(const Font& f) {
  QFont q(QString::fromStdString(f.name));
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(f.size * 96.0 / 72.0))));
  q.setBold(f.bold);
  q.setItalic(f.italic);
  return q;
}

}  // namespace orv
