#include "model/form1.h"

namespace orv {

namespace {

Font Carattere(const char* name, double size, bool bold = false, bool italic = false) {
  Font f;
  f.name = name;
  f.size = size;
  f.bold = bold;
  f.italic = italic;
  return f;
}

}  // namespace

Form1::Form1()
    : mFile("mFile", "", "File"),
      mApri("mApri", "mFile", "Apri un Sudoku esistente"),
      mCrea("mCrea", "mFile", "Crea un Sudoku nuovo"),
      mAzzer("mAzzer", "mFile", "Azzera Tutto"),
      mSalva("mSalva", "mFile", "Salva"),
      msp1("msp1", "mFile", "-"),
      mChiudi("mChiudi", "mFile", "Chiudi"),
      mAzio("mAzio", "", "Visualizza"),
      mSugge0("mSugge0", "mAzio", "Nascondi Candidati"),
      mSugge1("mSugge1", "mAzio", "Mosra Candidati (Tutti)"),
      mSugge2("mSugge2", "mAzio", "Mostra solo se ="),
      mSugge6("mSugge6", "mAzio", "Tentativi su Doppiette"),
      mSugge8("mSugge8", "mAzio", "Tentativi su Tutti"),
      msp2("msp2", "mAzio", "-"),
      mSoluz("mSoluz", "mAzio", "Soluzione", "F12"),
      mStrumenti("mStrumenti", "", "Strumenti"),
      mApplica("mApplica", "mStrumenti", "Applica Consiglio o Tentativo", "F2"),
      msp3("msp3", "mStrumenti", "-"),
      mCanMoss("mCanMoss", "mStrumenti", "Cancellazione Mosse (Caselle Blu)"),
      mNuoVal("mNuoVal", "mStrumenti", "Verifica Solvibilità"),
      mRicMan("mRicMan", "mStrumenti", "Ricalcolo dei Candidati"),
      msp4("msp4", "mStrumenti", "-"),
      mPerSuCom("mPerSuCom", "mStrumenti", "Per Sudoku con Tentativi:"),
      mMosRiso("mMosRiso", "mPerSuCom", "Mostra Mossa Risolutiva"),
      mRicFla("mRicFla", "mPerSuCom", "Ricarica Flash prima dell' Errore"),
      msp9("msp9", "mStrumenti", "-"),
      mFunzAva("mFunzAva", "mStrumenti", "Attiva Funzioni Avanzate"),
      mOpzio("mOpzio", "mStrumenti", "Priorità dei Consigli..."),
      mValuta("mValuta", "mStrumenti", "Valutazione Difficoltà"),
      msp11("msp11", "mStrumenti", "-"),
      mCreaDoc("mCreaDoc", "mStrumenti", "Prepara per la Stampa (file *.doc)"),
      msp5("msp5", "mStrumenti", "-"),
      mUsaSS("mUsaSS", "mStrumenti", "Salva come File *.ss"),
      mAiuto("mAiuto", "", "Aiuto"),
      mGuida("mGuida", "mAiuto", "Guida Completa                            F1"),
      n0("n0", "mAiuto", "Guida Rapida"),
      n1("n1", "n0", "1 - Per creare un Sudoku: clic su 'Dati Iniziali', scrivere"),
      n2("n2", "n0", "     nelle Caselle i Valori noti, e al termine clic su 'Gioca'"),
      n3("n3", "n0", "2 - Scrivere i Valori mancanti, aiutandosi con 'Mostra"),
      n4("n4", "n0", "     Candidati' e coi Consigli del Orvento"),
      n5("n5", "n0", "     (i Candidati vengono aggiornati automaticamente"),
      n6("n6", "n0", "      man mano che si immettono i Valori)"),
      n7("n7", "n0", "3 - Azioni sullo Schema delle Caselle:"),
      n8("n8", "n0", "     . il mouse, spazio o frecce per spostare la Casella gialla"),
      n9("n9", "n0", "     . la Casella gialla riceve i Valori 1-9 digitati (se validi)"),
      n10("n10", "n0", "     . per cancellare qualche Candidato in una Casella: "),
      n11("n11", "n0", "       clic dx su di essa, togliere la V ai quelli da eliminare"),
      n12("n12", "n0", "       e terminare con ESC"),
      n13("n13", "n0", "     . 2clic sx su una Casella con Valore: "),
      n14("n14", "n0", "       se ha sfondo bianco, marca in rosa tutte le uguali,"),
      n15("n15", "n0", "       se la Casella è già rosa, marca in grigio quelle che esclude"),
      n16("n16", "n0", "     . 2clic sx in una Casella senza Valore (oppure ESC): "),
      n17("n17", "n0", "        leva marcatura/colori a tutte le Caselle"),
      m20("m20", "n0", "4 - Tentativi:"),
      m21("m21", "n0", "     . da menu 'Strumenti' clic 'Attiva Funzioni Avanzate' (se"),
      m22("m22", "n0", "       non ancora attivate) e scegliere 'su Tutti' o 'su Doppiette'"),
      m23("m23", "n0", "     . clic sx sulla Casella del Tentativo e seguire le istruzioni"),
      m24("m24", "n0", "       sulla Lavagna (ESC per annullare)"),
      m30("m30", "n0", "5 - Altre funzioni (solo dalla Guida completa)"),
      msp8("msp8", "mAiuto", "-"),
      mInfo("mInfo", "mAiuto", "In&formazioni") {
  const Font sistema = Carattere("MS Sans Serif", 8.25);
  for (Control* c : controlli()) c->setFont(sistema);

  Apri.setCaption("Apri");
  Apri.move(120, 240, 1335, 375);
  DatIniz.setCaption("Dati Iniziali");
  DatIniz.move(120, 720, 1335, 375);
  Gioca.setCaption("Gioca");
  Gioca.move(120, 1200, 1335, 375);
  Salva.setCaption("Salva");
  Salva.move(120, 4800, 1335, 375);
  Azzera.setCaption("Azzera Tutto");
  Azzera.move(120, 5280, 1335, 375);

  SuggeFrame.setCaption("Mostra Candidati");
  SuggeFrame.move(120, 1680, 1455, 3015);
  struct Opzione {
    OptionButton* b;
    const char* caption;
    int l, t, w, h;
  };
  for (const Opzione& o : {Opzione{&Sugge0, "Nessuno", 100, 240, 1215, 255},
                           Opzione{&Sugge1, "Tutti", 100, 480, 1215, 255},
                           Opzione{&Sugge2, "Solo se", 100, 720, 1215, 255},
                           Opzione{&Sugge6, "su Doppiette", 80, 2400, 1365, 255},
                           Opzione{&Sugge8, "su Tutti", 80, 2640, 1000, 255}}) {
    o.b->setCaption(o.caption);
    o.b->move(o.l, o.t, o.w, o.h);
    o.b->setContainer("SuggeFrame");
    gruppoSugge.add(*o.b);
  }
  // Selected at design; set directly so that no handler runs while the window is built.
  Sugge0.setValue(true);
  Sugge3a.setCaption("Scelta Candidato");
  Sugge3a.move(1080, 2400, 495, 315);
  Sugge3b.setCaption("Presenze");
  Sugge3b.move(480, 1080, 855, 280);
  Sugge3b.setContainer("SuggeFrame");
  Sugge3c.setCaption("Reticolo");
  Sugge3c.move(600, 3120, 855, 280);
  Sugge3d.setCaption("Esclusioni");
  Sugge3d.move(480, 1800, 855, 280);
  Sugge3d.setContainer("SuggeFrame");
  Sugge5.setCaption("Per Tentativi :");
  Sugge5.move(120, 2160, 1215, 255);
  Sugge5.setContainer("SuggeFrame");

  Label& cella = caN[0];
  cella.move(1920, 1320, 616, 616);
  cella.setFont(Carattere("Courier New", 8.83));
  cella.setBackColor(kBianco);
  cella.setForeColor(kRosso);
  for (Label* h : {&ri[0], &co[0]}) {
    h->setForeColor(kVerdeReticolo);
    h->setBackColor(kFacciaPulsante);
  }
  ri[0].setCaption("A");
  co[0].setCaption("a");

  Fatti.setCaption("0");
  Fatti.move(6600, 240, 615, 375);
  Fatti.setFont(Carattere("MS Sans Serif", 17.66));
  Resto.setCaption("caselle su  81");
  Resto.move(7200, 240, 2295, 375);
  Resto.setFont(Carattere("MS Sans Serif", 17.66));
  NErr.move(7800, 720, 480, 195);
  NErr.setForeColor(kRosso);
  Semaf.move(9720, 240, 615, 615);
  Semaf.setFillColor(kVerdeSemaforo);
  Semaf.setForeColor(kNero);
  SemaLab.setCaption("VAI");
  SemaLab.move(9840, 480, 375, 180);
  SemaLab.setFont(Carattere("MS Sans Serif", 7.47, true));
  SemaLab.setBackColor(kVerdeSemaforo);

  FraCons.move(6600, 840, 3975, 5055);
  ListCons.move(0, 0, 3975, 1695);
  ListCons.setBackColor(kNero);
  ListCons.setForeColor(kBianco);
  ListCons.setFont(Carattere("Comic Sans MS", 9.51, true));
  Cons0.setCaption("CONSIGLI");
  Cons0.move(380, 1800, 1095, 255);
  Cons0.setFont(Carattere("MS Sans Serif", 8.25, false, true));
  Cons1.setCaption("Metodo ?");
  Cons1.move(0, 2040, 975, 375);
  Cons2.setCaption("Valore ?");
  Cons2.move(960, 2040, 975, 375);
  Cons3.setCaption("Dove ?");
  Cons3.move(0, 2520, 975, 375);
  Cons3.setTooltip("\"Tieni premuto\"");
  Applica.setCaption("Applica");
  Applica.move(960, 2520, 975, 375);
  Tenta0.setCaption("TENTATIVI");
  Tenta0.move(360, 3000, 1095, 255);
  Tenta0.setFont(Carattere("MS Sans Serif", 8.25, false, true));
  VaiTenta.setCaption("Continua");
  VaiTenta.move(0, 3240, 975, 375);
  AppTenta.setCaption("Applica");
  AppTenta.move(960, 3240, 975, 375);
  PersTra.move(1920, 1680, 1935, 2895);
  PersTra.setTooltip("\"Orvento\"");
  PersTra.setPicture("persona");
  ImaCompl.move(234, 3601, 1976, 1274);
  ImaCompl.setPicture("completo");
  ImaCompl.setVisible(false);
  for (Control* c :
       std::initializer_list<Control*>{&ListCons, &Cons0, &Cons1, &Cons2, &Cons3, &Applica, &Tenta0,
                                       &VaiTenta, &AppTenta, &PersTra, &ImaCompl})
    c->setContainer("FraCons");

  CorCanF.move(2160, 960, 1935, 495);
  CorCanF.setBackColor(0xFFE0C0);
  CorCanT.setCaption("123456789");
  CorCanT.setTooltip("Togli qualche V");
  CorCanT.move(20, 0, 1755, 255);
  CorCanT.setFont(Carattere("Courier New", 15.63));
  CorCanT.setForeColor(kRosso);
  CorCanT.setBackColor(0xFFE0C0);
  CorCanT.setContainer("CorCanF");
  cM[0].setCaption("Check1");
  cM[0].move(20, 300, 195, 195);
  cM[0].setChecked(true);
  cM[0].setContainer("CorCanF");
  cM[0].setBackColor(0xFFE0C0);
  CorCan.move(1680, 5040, 735, 285);
  CorCan.setBackColor(kGialloCursore);
  CorCan.setForeColor(kRosso);
  CorVF.move(2280, 1800, 495, 555);
  CorVF.setBackColor(kVerdeNascosto);
  cv1[0].setCaption("0");
  cv1[0].move(0, 120, 400, 255);
  cv1[0].setBackColor(kVerdeNascosto);
  cv1[0].setContainer("CorVF");
  gruppoCv1.add(cv1[0]);
  Civetta.setCaption("Text1");
  Civetta.move(1560, 0, 375, 285);

  IPeri.move(3960, 5040, 1890, 1965);
  IPeri.setVisible(false);
  for (PictureBox* p : {&Peri, &APeri}) {
    p->setFont(Carattere("Courier New", 8.15));
    p->setBackColor(kBianco);
    p->setForeColor(kNero);
  }
  Peri.move(120, 5760, 1860, 1935);
  APeri.move(2640, 4440, 1860, 1935);
  // The grid reached through a trial would give the answer away: it is printed, never shown.
  APeri.setVisible(false);
  Poss2.move(7440, 6000, 0, 0);
  Poss2.setVisible(false);
  Poss3.move(9000, 6000, 0, 0);
  Poss3.setVisible(false);

  menu = {&mFile,    &mApri,   &mCrea,    &mAzzer,  &mSalva,  &msp1,  &mChiudi,   &mAzio,
          &mSugge0,  &mSugge1, &mSugge2,  &mSugge6, &mSugge8, &msp2,  &mSoluz,    &mStrumenti,
          &mApplica, &msp3,    &mCanMoss, &mNuoVal, &mRicMan, &msp4,  &mPerSuCom, &mMosRiso,
          &mRicFla,  &msp9,    &mFunzAva, &mOpzio,  &mValuta, &msp11, &mCreaDoc,  &msp5,
          &mUsaSS,   &mAiuto,  &mGuida,   &n0,      &n1,      &n2,    &n3,        &n4,
          &n5,       &n6,      &n7,       &n8,      &n9,      &n10,   &n11,       &n12,
          &n13,      &n14,     &n15,      &n16,     &n17,     &m20,   &m21,       &m22,
          &m23,      &m24,     &m30,      &msp8,    &mInfo};
  // Enabled once a game is verified or a move waits to be applied.
  for (MenuItem* m : {&mSoluz, &mApplica, &mCanMoss, &mNuoVal, &mRicMan, &mPerSuCom, &mMosRiso,
                      &mRicFla, &mValuta})
    m->setEnabled(false);
  // The quick help only shows text: its items do nothing.
  for (MenuItem* m : menu)
    if (m->parent() == n0.name()) m->onClick = [] {};
}

std::vector<Control*> Form1::controlli() {
  std::vector<Control*> v = {
      &Apri,     &DatIniz, &Gioca,   &Salva,    &Azzera,  &SuggeFrame, &Sugge0,   &Sugge1,
      &Sugge2,   &Sugge6,  &Sugge8,  &Sugge3a,  &Sugge3b, &Sugge3c,    &Sugge3d,  &Sugge5,
      &Fatti,    &Resto,   &NErr,    &Semaf,    &SemaLab, &FraCons,    &ListCons, &Cons0,
      &Cons1,    &Cons2,   &Cons3,   &Applica,  &Tenta0,  &VaiTenta,   &AppTenta, &PersTra,
      &ImaCompl, &CorCanF, &CorCanT, &CorCan,   &CorVF,   &Civetta,    &IPeri,    &Peri,
      &APeri,    &Poss2,   &Poss3,   &TempCons, &TempEr};
  perOgniArray([&](auto& arr) {
    for (int i = 0; i < arr.upperBound(); ++i)
      if (arr.loaded(i)) v.push_back(&arr[i]);
  });
  v.insert(v.end(), menu.begin(), menu.end());
  return v;
}

}  // namespace orv
