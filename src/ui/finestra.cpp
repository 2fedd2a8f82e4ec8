#include "ui/finestra.h"

#include "model/azzera.h"
#include "model/candidati.h"
#include "model/celle.h"
#include "model/vista.h"
#include "techniques/catalogo.h"
#include "verification/verifica.h"

namespace orv {

void Form_Load(Gioco& g) {
  Form1& f = g.f;
  g.geometria.Righe = 9;
  g.geometria.Colonne = 9;
  g.geometria.PassoCasella = 640;
  g.geometria.OrigineSinistra = f.Apri.left() + f.Apri.width() + 560;
  g.geometria.OrigineAlto = f.Apri.top();
  g.geometria.DimValore = 18;
  g.geometria.DimCandidati = 9;
  InizializzaTabelle(g);
  for (int i = 1; i < kCelle; ++i) f.caN.load(i).setVisible(true);
  g.file.NomeFile = " ";
  for (int i = 1; i <= 9; ++i) f.Sugge3a.addItem(" " + std::to_string(i));
  g.geometria.GrigliaCostruita = false;
  Azzera(g);
  g.platform.repaintNow();
  g.file.FileGuida = "ORVENTO.hlp";
}

void mRicMan_Click(Gioco& g) {
  RicalcoloCandidati(g);
  g.f.Sugge1.setValue(true);
  ScriviCandidati(g);
  for (int i = 0; i < kCelle; ++i)
    if (!g.HaValore(i)) g.f.caN[i].setForeColor(kRosso);
  g.f.ListCons.clear();
  g.f.ListCons.addItem("I CANDIDATI SONO RICALCOLATI");
  for (Button* b : {&g.f.Cons1, &g.f.Cons2, &g.f.Cons3}) b->setEnabled(true);
}

std::string MotivoSchemaNonValido(std::string_view schema) {
  if (schema.size() != kCelle) return std::to_string(schema.size()) + " caratteri invece di 81";
  for (std::size_t i = 0; i < schema.size(); ++i)
    if (schema[i] != '.' && (schema[i] < '0' || schema[i] > '9'))
      return "carattere non valido in posizione " + std::to_string(i + 1);
  return {};
}

bool ScriviSchema(Gioco& g, const std::string& schema) {
  if (!MotivoSchemaNonValido(schema).empty()) return false;
  Form1& f = g.f;
  for (int c = 0; c < kCelle; ++c) f.caN[c].setVisible(true);
  f.Apri.setEnabled(false);
  f.mApri.setEnabled(false);
  f.mCrea.setEnabled(false);
  g.partita.DatiIniziati = true;
  f.Salva.setEnabled(true);
  f.mSalva.setEnabled(true);
  f.Gioca.setEnabled(true);
  f.DatIniz.setEnabled(false);
  for (int c = 0; c < kCelle; ++c)
    if (schema[c] != '.' && schema[c] != '0') ImpostaValore(g, c, schema[c], Origine::Nera);
  g.griglia.Riempite = g.griglia.Cifra.piene();
  f.Fatti.setCaption(std::to_string(g.griglia.Riempite));
  return true;
}

}  // namespace orv
