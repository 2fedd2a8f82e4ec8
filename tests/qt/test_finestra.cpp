// The main window mirrors the controls of the core, and real events reach the core's handlers.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QtTest>
#include <functional>
#include <set>
#include <tuple>
#include <vector>

#include "creation/modelli.h"
#include "qt/program.h"
#include "qt/qt_platform.h"
#include "qt/widgets.h"
#include "ui/finestra.h"

using orv::Program;

namespace {

QStringList Lines(QWidget* w) {
  QStringList out;
  auto* l = qobject_cast<QListWidget*>(w);
  if (l == nullptr) return {QStringLiteral("<not a list>")};
  for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
  return out;
}

orv::LabelView* Label(Program& p, const char* name) {
  return dynamic_cast<orv::LabelView*>(p.window().widget(name));
}

const QStringList kBenvenuto = {QStringLiteral("- Clic su 'Dati Iniziali' per costruire"),
                                QStringLiteral("  un nuovo gioco o clic su 'Apri' per"),
                                QStringLiteral("  riprendere un gioco salvato.")};

}  // namespace

class TestFinestra : public QObject {
  Q_OBJECT

 private slots:
  void afterStartUpTheWidgetsShowTheReset();
  void menusFollowTheTree();
  void changesOfTheCoreShowAfterSync();
  void arrayMembersComeAndGo();
  void aClickOnAzzeraReachesItsHandler();
  void aClickOnGiocaVerifiesTheSchema();
  void keysReachTheWindowHandlersAsVirtualKeys();
  void mouseOnACellReachesItsHandlersInTwips();
  void anOptionClickSelectsThroughTheGroup();
  void timersTickWhenEnabled();
  void fileFiltersBecomeQtNameFilters();
  void whatIsNotBuiltYetSaysSo();
  void creatingASchemaOpensAGame();
  void theClockSeedsDrawEveryTemplateWithEverySymmetry();
};

void TestFinestra::afterStartUpTheWidgetsShowTheReset() {
  Program p;
  p.window().show();
  QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
  QCOMPARE(p.window().windowTitle(), QString::fromUtf8(orv::kTitoloFinestra));

  for (int i = 0; i < 81; ++i) {
    QWidget* cell = p.window().widget("caN(" + std::to_string(i) + ")");
    QVERIFY2(cell != nullptr, qPrintable(QString::number(i)));
    QVERIFY(cell->isHidden());
  }
  QCOMPARE(Label(p, "Fatti")->text(), QStringLiteral("0"));
  QCOMPARE(Label(p, "SemaLab")->text(), QStringLiteral("VAI"));
  QCOMPARE(Label(p, "SemaLab")->background(), QColor(0, 255, 0));
  auto* semaforo = dynamic_cast<orv::ShapeView*>(p.window().widget("Semaf"));
  QVERIFY(semaforo != nullptr);
  QCOMPARE(semaforo->fill(), QColor(0, 255, 0));
  QCOMPARE(Lines(p.window().widget("ListCons")), kBenvenuto);
  QCOMPARE(Label(p, "ri(0)")->text(), QStringLiteral("A"));
  QCOMPARE(Label(p, "co(8)")->text(), QStringLiteral("i"));
  QCOMPARE(Label(p, "co(8)")->foreground(), QColor(0, 128, 0));
  QVERIFY(p.window().widget("ri(9)")->isHidden());
  QVERIFY(!p.window().widget("Gioca")->isEnabled());
  QVERIFY(p.window().widget("DatIniz")->isEnabled());
  QVERIFY(p.window().widget("Cons1")->isHidden());

  // The blackboard lies in the hint panel, where the reset placed it.
  QWidget* lavagna = p.window().widget("ListCons");
  QCOMPARE(lavagna->parentWidget(), p.window().widget("FraCons"));
  QCOMPARE(lavagna->parentWidget()->pos(),
           QPoint(orv::Px(p.gioco().f.FraCons.left()), orv::Px(p.gioco().f.FraCons.top())));
  QCOMPARE(lavagna->palette().color(QPalette::Base), QColor(0, 0, 0));
  QVERIFY(lavagna->font().bold());

  // A thick grid line crosses the top-left corner of the grid, a thin one the first cell gap;
  // the middle of a hidden cell shows the window's face.
  const QImage shot = p.window().surface()->grab().toImage();
  const orv::Line& top = p.gioco().f.liO[0];
  const orv::Line& thin = p.gioco().f.liV[1];
  const int midX = orv::Px(top.x1() + 320);
  QCOMPARE(shot.pixelColor(midX, orv::Px(top.y1())), QColor(0, 0, 0));
  QCOMPARE(shot.pixelColor(orv::Px(thin.x1()), orv::Px(thin.y1() + 320)), QColor(0, 0, 0));
  QCOMPARE(shot.pixelColor(midX, orv::Px(top.y1() + 320)), orv::ToQColor(orv::kFacciaPulsante));
}

void TestFinestra::menusFollowTheTree() {
  Program p;
  struct Voce {
    const char* name;
    const char* text;
    bool enabled;
  };
  for (const Voce& v : {Voce{"mFile", "File", true}, Voce{"mSoluz", "Soluzione\tF12", false},
                        Voce{"mApplica", "Applica Consiglio o Tentativo\tF2", false},
                        Voce{"mRicMan", "Ricalcolo dei Candidati", false},
                        Voce{"mAzzer", "Azzera Tutto", true}, Voce{"mInfo", "In&formazioni", true},
                        Voce{"mPerSuCom", "Per Sudoku con Tentativi:", false}}) {
    QAction* a = p.window().action(v.name);
    QVERIFY2(a != nullptr, v.name);
    QCOMPARE(a->text(), QString::fromUtf8(v.text));
    QCOMPARE(a->isEnabled(), v.enabled);
  }
  QMenu* sotto = p.window().action("mPerSuCom")->menu();
  QVERIFY(sotto != nullptr);
  QCOMPARE(sotto->actions().size(), 2);
  QCOMPARE(sotto->actions()[0], p.window().action("mMosRiso"));
  QMenu* guida = p.window().action("n0")->menu();
  QVERIFY(guida != nullptr);
  QCOMPARE(guida->actions().size(), 23);
  QVERIFY(p.window().action("msp1")->isSeparator());
  QCOMPARE(p.window().action("mFile")->menu()->actions().size(), 6);
}

void TestFinestra::changesOfTheCoreShowAfterSync() {
  Program p;
  orv::Form1& f = p.gioco().f;
  orv::Label& cella = f.caN[40];
  cella.setVisible(true);
  cella.setCaption("7");
  cella.setBackColor(orv::kGialloCursore);
  cella.setBorder(true);
  f.Fatti.setCaption("12");
  f.ListCons.addItem("PRONTO PER I CONSIGLI");
  f.mSoluz.setEnabled(true);
  f.mFunzAva.setChecked(true);
  f.Semaf.setFillColor(orv::kRossoSemaforo);
  f.caption = "altro titolo";

  // Nothing moves until the window looks.
  QVERIFY(p.window().widget("caN(40)")->isHidden());
  p.window().sync();

  auto* l = Label(p, "caN(40)");
  QVERIFY(!l->isHidden());
  QCOMPARE(l->text(), QStringLiteral("7"));
  QCOMPARE(l->background(), QColor(255, 255, 192));
  QVERIFY(l->framed());
  QCOMPARE(l->geometry(), orv::PxRect(cella));
  QCOMPARE(Label(p, "Fatti")->text(), QStringLiteral("12"));
  QCOMPARE(Lines(p.window().widget("ListCons")).size(), 4);
  QVERIFY(p.window().action("mSoluz")->isEnabled());
  QVERIFY(p.window().action("mFunzAva")->isChecked());
  QVERIFY(!p.window().action("mCrea")->isChecked());
  QCOMPARE(dynamic_cast<orv::ShapeView*>(p.window().widget("Semaf"))->fill(), QColor(255, 0, 0));
  QCOMPARE(p.window().windowTitle(), QStringLiteral("altro titolo"));
}

void TestFinestra::arrayMembersComeAndGo() {
  Program p;
  orv::Form1& f = p.gioco().f;
  f.CorVF.setVisible(true);
  f.cv1.load(2).setCaption("5");
  p.window().sync();
  auto* due = qobject_cast<QRadioButton*>(p.window().widget("cv1(2)"));
  QVERIFY(due != nullptr);
  QCOMPARE(due->text(), QStringLiteral("5"));
  QCOMPARE(due->parentWidget(), p.window().widget("CorVF"));
  QVERIFY(p.window().widget("cv1(1)") == nullptr);

  f.cv1.unload(2);
  p.window().sync();
  QVERIFY(p.window().widget("cv1(2)") == nullptr);
  QVERIFY(p.window().widget("cv1(0)") != nullptr);
}

void TestFinestra::aClickOnAzzeraReachesItsHandler() {
  Program p;
  p.window().show();
  QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
  p.gioco().f.ListCons.clear();
  p.gioco().f.ListCons.addItem("scritta di prova");
  p.window().sync();
  QCOMPARE(Lines(p.window().widget("ListCons")), QStringList{QStringLiteral("scritta di prova")});

  QTest::mouseClick(p.window().widget("Azzera"), Qt::LeftButton);
  QCOMPARE(Lines(p.window().widget("ListCons")), kBenvenuto);

  // The same through the menu.
  p.gioco().f.ListCons.clear();
  p.window().sync();
  p.window().action("mAzzer")->trigger();
  QCOMPARE(Lines(p.window().widget("ListCons")), kBenvenuto);
}

void TestFinestra::aClickOnGiocaVerifiesTheSchema() {
  Program p;
  p.window().show();
  QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
  QVERIFY(orv::ScriviSchema(
      p.gioco(),
      "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3.."));
  p.window().sync();
  QVERIFY(p.window().widget("Gioca")->isEnabled());

  QTest::mouseClick(p.window().widget("Gioca"), Qt::LeftButton);
  const QStringList lavagna = Lines(p.window().widget("ListCons"));
  QVERIFY2(lavagna.size() == 6, qPrintable(lavagna.join('|')));
  QCOMPARE(lavagna[0], QStringLiteral("ESITO DELLA VERIFICA"));
  QCOMPARE(lavagna[3], QStringLiteral("  valutazione Complessiva= Facile."));
  QCOMPARE(lavagna[4], QStringLiteral("ORA PUOI GIOCARE"));
  QVERIFY(!p.window().widget("Gioca")->isEnabled());
  QVERIFY(p.window().widget("Cons1")->isVisible());
  QVERIFY(p.window().widget("Cons1")->isEnabled());
  QVERIFY(p.window().action("mSoluz")->isEnabled());
  // The givens stay, the cells the run solved are empty again.
  QCOMPARE(Label(p, "caN(2)")->text(), QStringLiteral("3"));
  QCOMPARE(Label(p, "caN(0)")->text(), QString());
  // The solution is printed in its picture, one row a line; the picture is hidden until
  // "Soluzione" shows it, and then mirrors what was printed.
  p.gioco().f.Peri.setVisible(true);
  p.window().sync();
  auto* peri = dynamic_cast<orv::PictureView*>(p.window().widget("Peri"));
  QVERIFY(peri != nullptr);
  QCOMPARE(peri->lines().size(), 9);
  QCOMPARE(peri->lines()[0], QStringLiteral("4 8 3 9 2 1 6 5 7 "));
}

void TestFinestra::keysReachTheWindowHandlersAsVirtualKeys() {
  Program p;
  p.window().show();
  QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
  std::vector<std::pair<int, int>> down, up;
  std::vector<int> typed;
  orv::Form1& f = p.gioco().f;
  f.onKeyDown = [&](int k, int s) { down.emplace_back(k, s); };
  f.onKeyUp = [&](int k, int s) { up.emplace_back(k, s); };
  f.onKeyPress = [&](int a) { typed.push_back(a); };

  struct Caso {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int code;
    int shift;
  };
  const Caso casi[] = {
      {Qt::Key_5, Qt::NoModifier, 53, 0},
      {Qt::Key_A, Qt::ShiftModifier, 65, orv::kShift},
      {Qt::Key_3, Qt::KeypadModifier, 99, 0},
      {Qt::Key_0, Qt::KeypadModifier, 96, 0},
      {Qt::Key_F11, Qt::NoModifier, 122, 0},
      {Qt::Key_Escape, Qt::NoModifier, 27, 0},
      {Qt::Key_Delete, Qt::NoModifier, 46, 0},
      {Qt::Key_Space, Qt::NoModifier, 32, 0},
      {Qt::Key_Return, Qt::NoModifier, 13, 0},
      {Qt::Key_Left, Qt::ControlModifier | Qt::AltModifier, 37, orv::kCtrl | orv::kAlt},
      {Qt::Key_Down, Qt::NoModifier, 40, 0},
  };
  // The modifier keys are keys too (16, 17, 18); the key itself comes after them.
  auto senzaModificatori = [](std::vector<std::pair<int, int>> v) {
    std::erase_if(v, [](const auto& e) { return e.first >= 16 && e.first <= 18; });
    return v;
  };
  for (const Caso& c : casi) {
    down.clear();
    up.clear();
    QTest::keyClick(&p.window(), c.key, c.mods);
    const auto giu = senzaModificatori(down), su = senzaModificatori(up);
    QCOMPARE(giu.size(), std::size_t{1});
    QCOMPARE(giu[0].first, c.code);
    QCOMPARE(giu[0].second, c.shift);
    QCOMPARE(su.size(), std::size_t{1});
    QCOMPARE(su[0].first, c.code);
  }
  typed.clear();
  QTest::keyClicks(&p.window(), QStringLiteral("7 "));
  QCOMPARE(typed, (std::vector<int>{'7', ' '}));

  // F12 is the shortcut of "Soluzione": the key handler hears it, the menu runs when enabled.
  int soluzione = 0;
  f.mSoluz.onClick = [&] { ++soluzione; };
  down.clear();
  QTest::keyClick(&p.window(), Qt::Key_F12);
  QCOMPARE(down.size(), std::size_t{1});
  QCOMPARE(soluzione, 0);
  f.mSoluz.setEnabled(true);
  QTest::keyClick(&p.window(), Qt::Key_F12);
  QCOMPARE(soluzione, 1);
}

void TestFinestra::mouseOnACellReachesItsHandlersInTwips() {
  Program p;
  p.window().show();
  QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
  orv::Label& cella = p.gioco().f.caN[40];
  std::vector<std::string> eventi;
  std::vector<std::tuple<orv::MouseButton, int, double, double>> premuti;
  cella.onMouseDown = [&](orv::MouseButton b, int s, double x, double y) {
    eventi.push_back("down");
    premuti.emplace_back(b, s, x, y);
  };
  cella.onMouseUp = [&](orv::MouseButton, int, double, double) { eventi.push_back("up"); };
  cella.onClick = [&] { eventi.push_back("click"); };
  cella.onDblClick = [&] { eventi.push_back("dbl"); };
  cella.setVisible(true);
  p.window().sync();
  QWidget* w = p.window().widget("caN(40)");

  QTest::mousePress(w, Qt::RightButton, Qt::ShiftModifier, QPoint(3, 4));
  QTest::mouseRelease(w, Qt::RightButton, Qt::ShiftModifier, QPoint(3, 4));
  QCOMPARE(premuti.size(), std::size_t{1});
  QCOMPARE(std::get<0>(premuti[0]), orv::MouseButton::Right);
  QCOMPARE(std::get<1>(premuti[0]), orv::kShift);
  QCOMPARE(std::get<2>(premuti[0]), 45.0);
  QCOMPARE(std::get<3>(premuti[0]), 60.0);
  // A right click is no click for the toolkit.
  QCOMPARE(eventi, (std::vector<std::string>{"down", "up"}));

  eventi.clear();
  // Through the window, as the system delivers it: the second press becomes the double click.
  QTest::mouseDClick(p.window().windowHandle(), Qt::LeftButton, Qt::NoModifier,
                     w->mapTo(&p.window(), QPoint(10, 10)));
  QCOMPARE(eventi, (std::vector<std::string>{"down", "up", "click", "dbl", "up"}));

  // A hidden cell hears nothing.
  eventi.clear();
  cella.setVisible(false);
  p.window().sync();
  QTest::mouseClick(p.window().windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    w->mapTo(&p.window(), QPoint(10, 10)));
  QVERIFY(eventi.empty());
}

void TestFinestra::anOptionClickSelectsThroughTheGroup() {
  Program p;
  p.window().show();
  QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
  orv::Form1& f = p.gioco().f;
  int tutti = 0;
  f.Sugge1.onClick = [&] { ++tutti; };
  f.Sugge1.setEnabled(true);
  p.window().sync();
  auto* nessuno = qobject_cast<QRadioButton*>(p.window().widget("Sugge0"));
  auto* opzione = qobject_cast<QRadioButton*>(p.window().widget("Sugge1"));
  QVERIFY(nessuno->isChecked());

  QTest::mouseClick(opzione, Qt::LeftButton);
  QCOMPARE(tutti, 1);
  QVERIFY(f.Sugge1.value());
  QVERIFY(!f.Sugge0.value());
  QVERIFY(opzione->isChecked());
  QVERIFY(!nessuno->isChecked());

  // "Solo se" has no behaviour yet: clicking it changes nothing, on screen either.
  f.Sugge2.setEnabled(true);
  p.window().sync();
  auto* soloSe = qobject_cast<QRadioButton*>(p.window().widget("Sugge2"));
  QTest::mouseClick(soloSe, Qt::LeftButton);
  QVERIFY(!f.Sugge2.value());
  QVERIFY(!soloSe->isChecked());
  QVERIFY(opzione->isChecked());
}

void TestFinestra::timersTickWhenEnabled() {
  Program p;
  orv::Timer& t = p.gioco().f.TempCons;
  int battiti = 0;
  t.onTimer = [&] {
    if (++battiti == 2) t.setEnabled(false);
  };
  t.setInterval(5);
  t.setEnabled(true);
  p.window().sync();
  QTRY_COMPARE(battiti, 2);
  // The handler stopped it: no third tick.
  QTest::qWait(50);
  QCOMPARE(battiti, 2);
}

void TestFinestra::fileFiltersBecomeQtNameFilters() {
  struct Caso {
    const char* filter;
    QStringList expected;
  };
  const Caso casi[] = {
      {"Sudoku (*.sud)|*.sud", {QStringLiteral("Sudoku (*.sud)")}},
      {"Griglie|*.ss|Tutti i file|*.*",
       {QStringLiteral("Griglie (*.ss)"), QStringLiteral("Tutti i file (*.*)")}},
      {"Documenti (*.doc;*.txt)|*.doc;*.txt", {QStringLiteral("Documenti (*.doc *.txt)")}},
      {"Tutto", {QStringLiteral("Tutto")}},
  };
  for (const Caso& c : casi) QCOMPARE(orv::NameFilters(c.filter), c.expected);
}

void TestFinestra::whatIsNotBuiltYetSaysSo() {
  Program p;
  p.window().show();
  QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
  const QString nota = QStringLiteral(": non ancora disponibile");
  QCOMPARE(p.window().statusText(), QString());

  // A behaviour that exists says nothing.
  QTest::mouseClick(p.window().widget("Azzera"), Qt::LeftButton);
  QCOMPARE(p.window().statusText(), QString());

  struct Caso {
    std::function<void()> evento;
    QString atteso;
  };
  const std::vector<Caso> casi = {
      {[&] { QTest::mouseClick(p.window().widget("Apri"), Qt::LeftButton); },
       QStringLiteral("Apri") + nota},
      {[&] { p.window().action("mApri")->trigger(); },
       QStringLiteral("Apri un Sudoku esistente") + nota},
      {[&] { p.window().action("mInfo")->trigger(); }, QStringLiteral("Informazioni") + nota},
      {[&] { QTest::keyClick(p.window().surface(), Qt::Key_5); }, QStringLiteral("Tasto") + nota},
      {[&] {
         auto* l = qobject_cast<QListWidget*>(p.window().widget("ListCons"));
         QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                           l->visualItemRect(l->item(0)).center());
       },
       QStringLiteral("Lavagna") + nota},
  };
  for (const Caso& k : casi) {
    p.window().statusBar()->clearMessage();
    k.evento();
    QCOMPARE(p.window().statusText(), k.atteso);
  }

  // A disabled menu item says nothing: it cannot be chosen.
  p.window().statusBar()->clearMessage();
  p.window().action("mSoluz")->trigger();
  QCOMPARE(p.window().statusText(), QString());
}

void TestFinestra::creatingASchemaOpensAGame() {
  Program p;
  p.window().show();
  QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
  p.window().action("mCrea")->trigger();
  const QStringList lavagna = Lines(p.window().widget("ListCons"));
  QVERIFY(!lavagna.isEmpty());
  QCOMPARE(lavagna.front(), QStringLiteral("ESITO DELLA VERIFICA"));
  int date = 0;
  for (int i = 0; i < 81; ++i) {
    orv::LabelView* cella = Label(p, ("caN(" + std::to_string(i) + ")").c_str());
    QVERIFY(cella != nullptr);
    QVERIFY(!cella->isHidden());
    if (!cella->text().isEmpty()) ++date;
  }
  QVERIFY(date >= 27);
  QCOMPARE(Label(p, "Fatti")->text(), QString::number(date));
  QVERIFY(p.window().windowTitle().contains(QStringLiteral("Cr")));
  QVERIFY(!p.window().action("mCrea")->isEnabled());
}

// The creation seeds the random source three times within microseconds: each seeding must start
// a sequence of its own, or the symmetry would follow from the template.
void TestFinestra::theClockSeedsDrawEveryTemplateWithEverySymmetry() {
  orv::QtPlatform piattaforma;
  std::set<std::pair<int, int>> coppie;
  for (int i = 0; i < 400 && coppie.size() < 18; ++i) {
    orv::Gioco g(piattaforma);
    orv::GeneraSoluzione(g);
    coppie.insert({g.creazione.NumModello, g.creazione.Simmetria});
  }
  QCOMPARE(coppie.size(), std::size_t{18});
}

QTEST_MAIN(TestFinestra)
#include "test_finestra.moc"
