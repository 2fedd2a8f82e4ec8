#include <gtest/gtest.h>

#include "fixture.h"
#include "toolkit/controls.h"
#include "toolkit/scripted_platform.h"

namespace orv {
namespace {

using test::Aspetto;

TEST(Controls, RevisionMovesOnlyOnRealChanges) {
  Label l("x");
  auto r0 = l.revision();
  l.setCaption("");
  l.setVisible(true);
  EXPECT_EQ(l.revision(), r0);
  l.setCaption("5");
  EXPECT_GT(l.revision(), r0);
  auto r1 = l.revision();
  l.setFontSize(l.font().size);
  EXPECT_EQ(l.revision(), r1);
  l.setFontSize(18);
  EXPECT_GT(l.revision(), r1);
}

TEST(OptionGroup, SelectingByProgramRunsTheHandlerAndClearsTheOthers) {
  OptionGroup gruppo;
  OptionButton a("a"), b("b"), c("c");
  for (OptionButton* o : {&a, &b, &c}) gruppo.add(*o);
  std::vector<std::string> chiamate;
  a.onClick = [&] { chiamate.push_back("a"); };
  b.onClick = [&] { chiamate.push_back("b"); };
  a.setValue(true);
  b.setValue(true);
  EXPECT_FALSE(a.value());
  EXPECT_TRUE(b.value());
  EXPECT_FALSE(c.value());
  // Selecting the selected one again still runs its handler, as a click does.
  b.setValue(true);
  EXPECT_EQ(chiamate, (std::vector<std::string>{"a", "b", "b"}));
  // Clearing runs nothing and touches nobody else.
  b.setValue(false);
  EXPECT_FALSE(a.value() || b.value() || c.value());
  EXPECT_EQ(chiamate.size(), 3u);
}

TEST(ControlArray, NewMembersCopyMemberZero) {
  ControlArray<Label> arr{Label("caN", 0)};
  arr[0].setCaption("base");
  arr[0].setBackColor(0x123456);
  int clic = 0;
  arr[0].onClick = [&] { ++clic; };
  Label& uno = arr.load(1);
  EXPECT_EQ(uno.fullName(), "caN(1)");
  EXPECT_EQ(uno.caption(), "base");
  EXPECT_EQ(uno.backColor(), 0x123456u);
  uno.onClick();
  EXPECT_EQ(clic, 1);
  uno.setCaption("uno");
  EXPECT_EQ(arr[0].caption(), "base");
  // Loading again keeps the member as it is.
  EXPECT_EQ(arr.load(1).caption(), "uno");
  arr.load(4);
  EXPECT_TRUE(arr.loaded(4));
  EXPECT_FALSE(arr.loaded(3));
  EXPECT_EQ(arr.upperBound(), 5);
  arr.unload(4);
  EXPECT_EQ(arr.upperBound(), 2);
  arr.unload(0);  // member 0 stays for good
  EXPECT_TRUE(arr.loaded(0));
  // Indices out of range never reach outside the array.
  EXPECT_EQ(&arr[-1], &arr[0]);
  EXPECT_EQ(&arr[99], &arr[0]);
}

// A reloaded member is what unloading and loading it again would give, but the same object: a
// renderer keeps its widget, and sees a change only where a property really differed.
TEST(ControlArray, ReloadKeepsTheMemberAndGivesItWhatANewCopyHas) {
  ControlArray<Label> arr{Label("ri", 0)};
  arr[0].setCaption("A");
  arr[0].setForeColor(0x008000);
  int clic0 = 0, clic1 = 0;
  arr[0].onClick = [&] { ++clic0; };
  Label& uno = arr.load(1);
  uno.setCaption("B");
  uno.setTooltip("t");
  uno.setVisible(false);
  uno.setEnabled(false);
  uno.setBackColor(0x123456);
  uno.setFontSize(20);
  uno.setFontBold(true);
  uno.setBorder(true);
  uno.move(1, 2, 3, 4);
  uno.setContainer("SuggeFrame");
  uno.onClick = [&] { ++clic1; };
  const std::uint64_t struttura = arr.structure();
  const std::uint64_t revisione = uno.revision();
  const std::uint64_t sfondi = arr.backColorChanges();

  Label& ricaricato = arr.reload(1);
  EXPECT_EQ(&ricaricato, &uno);
  EXPECT_EQ(Aspetto(uno), Aspetto(arr.load(2)));
  EXPECT_EQ(uno.fullName(), "ri(1)");
  EXPECT_EQ(arr.structure(), struttura + 1);  // only the load of member 2
  EXPECT_GT(uno.revision(), revisione);
  EXPECT_EQ(arr.backColorChanges(), sfondi + 2);  // member 1's background, member 2's load
  uno.onClick();
  EXPECT_EQ(clic0, 1);
  EXPECT_EQ(clic1, 0);
  // Nothing differs any more: nothing changes.
  const std::uint64_t dopo = uno.revision();
  arr.reload(1);
  EXPECT_EQ(uno.revision(), dopo);
  // An unloaded member is loaded; member 0 stays as it is.
  EXPECT_EQ(Aspetto(arr.reload(4)), Aspetto(arr[2]));
  EXPECT_TRUE(arr.loaded(4));
  EXPECT_EQ(&arr.reload(0), &arr[0]);
  EXPECT_EQ(arr[0].caption(), "A");

  ControlArray<Line> linee{Line("liO", 0)};
  linee[0].setEnds(1, 2, 3, 4);
  linee[0].setBorderWidth(3);
  linee.load(1).setEnds(5, 6, 7, 8);
  linee[1].setBorderWidth(1);
  linee[1].setVisible(false);
  EXPECT_EQ(Aspetto(linee.reload(1)), Aspetto(linee.load(2)));
}

// The array's change count tells a caller whether any member changed since it last looked.
TEST(ControlArray, ChangeCountFollowsEveryMember) {
  ControlArray<Label> arr{Label("caN", 0)};
  Label& due = arr.load(2);
  std::uint64_t visto = arr.changes();
  due.setBackColor(kBianco);
  due.setBackColor(kBianco);
  EXPECT_EQ(arr.changes(), visto + 1);  // the second call changes nothing
  visto = arr.changes();
  due.setBackColor(kBianco);
  arr[0].setCaption("");
  EXPECT_EQ(arr.changes(), visto);
  arr[0].setCaption("x");
  EXPECT_GT(arr.changes(), visto);
  visto = arr.changes();
  arr.load(5).setFontSize(9);
  EXPECT_GT(arr.changes(), visto);
  visto = arr.changes();
  arr.unload(5);
  EXPECT_GT(arr.changes(), visto);
  // Backgrounds have a count of their own.
  visto = arr.backColorChanges();
  due.setCaption("2");
  EXPECT_EQ(arr.backColorChanges(), visto);
  due.setBackColor(0xC0C0C0);
  EXPECT_EQ(arr.backColorChanges(), visto + 1);
  // A control outside the array counts only for itself.
  visto = arr.changes();
  Label sola("Fatti");
  sola.setCaption("3");
  EXPECT_EQ(arr.changes(), visto);
}

TEST(ControlArray, NewOptionMembersJoinTheGroupUnselected) {
  OptionGroup gruppo;
  ControlArray<OptionButton> cv1{OptionButton("cv1", 0)};
  gruppo.add(cv1[0]);
  cv1[0].setValue(true);
  OptionButton& due = cv1.load(2);
  EXPECT_FALSE(due.value());
  due.setValue(true);
  EXPECT_FALSE(cv1[0].value());
  cv1.unload(2);
  EXPECT_EQ(gruppo.members().size(), 1u);
}

TEST(ListBox, SortedListsKeepAscendingTextOrder) {
  ListBox l("Poss2", true);
  for (const char* s : {"35", "129", "04", "35", "7"}) l.addItem(s);
  EXPECT_EQ(l.items(), (std::vector<std::string>{"04", "129", "35", "35", "7"}));
  ListBox plain("ListCons");
  for (const char* s : {"b", "a"}) plain.addItem(s);
  EXPECT_EQ(plain.items(), (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(plain.item(5), "");
  plain.removeItem(7);
  plain.removeItem(0);
  EXPECT_EQ(plain.items(), std::vector<std::string>{"a"});
  plain.setListIndex(3);
  EXPECT_EQ(plain.listIndex(), -1);
}

TEST(ScriptedPlatform, AnswersFromTheQueueThenDefaults) {
  ScriptedPlatform p(7);
  p.queueAnswer(MsgResult::No);
  EXPECT_EQ(p.messageBox("Salvare ?", "Salvataggio", MsgButtons::YesNo, false), MsgResult::No);
  EXPECT_EQ(p.messageBox("ok", "t", MsgButtons::OkCancel, true), MsgResult::Ok);
  EXPECT_EQ(p.messageBox("si", "t", MsgButtons::YesNo, true), MsgResult::Yes);
  auto shown = p.takeMessages();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].title, "Salvataggio");
  EXPECT_TRUE(p.takeMessages().empty());
  p.queueFile("/tmp/a.sud");
  EXPECT_EQ(p.openFileDialog({}), std::optional<std::string>("/tmp/a.sud"));
  EXPECT_EQ(p.saveFileDialog({}), std::nullopt);
  // The same seed gives the same draws, all in [0, 1).
  ScriptedPlatform q(7);
  p.randomize();
  q.randomize();
  for (int i = 0; i < 100; ++i) {
    double a = p.random();
    EXPECT_EQ(a, q.random());
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, 1.0);
  }
  p.setClock(86399.5);
  p.setClockStep(1.0);
  EXPECT_EQ(p.secondsSinceMidnight(), 86399.5);
  EXPECT_EQ(p.secondsSinceMidnight(), 0.5);  // past midnight the count starts again
}

TEST(Surface, DrawingsStayUntilCleared) {
  Surface s;
  s.circle(10, 10, 5, 0x008000);
  s.line(0, 0, 10, 10, 0x008000, 2);
  EXPECT_EQ(s.drawings().size(), 2u);
  EXPECT_EQ(s.drawings()[1].spessore, 2);
  s.clear();
  EXPECT_TRUE(s.drawings().empty());
}

}  // namespace
}  // namespace orv
