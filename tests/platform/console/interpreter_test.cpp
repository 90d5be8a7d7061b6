#include <gtest/gtest.h>

#include <filesystem>

#include "platform/console/interpreter.h"
#include "platform/gfx/picture.h"
#include "script_runner.h"

namespace kelvo::console::testing {
namespace {

constexpr std::string_view kProbeForm =
    "form f\n"
    "add Console.Probe p 120 120 1500 300\n";

std::string WithProbe(std::string_view rest) { return std::string(kProbeForm) + std::string(rest); }

TEST(Transcript, CountsExpectationsErrorsAndBadLines) {
  const Transcript t = RunConsole(WithProbe(
      "let p.Caption \"ab\"\n"
      "get p.Caption\n"
      "expect get p.Caption = \"ab\"\n"
      "expect get p.Caption = \"x\"\n"
      "bogus line\n"
      "let p.Nope 1\n"
      "\n"
      "# comments are skipped\n"
      "expect error let p.Nope 1 = 438\n"
      "expect error let p.Caption \"x\" = 13\n"
      "expect error let p.Nope 1 = 6\n"));
  EXPECT_EQ(t.text,
            "p.Caption = \"ab\"\n"
            "ok\n"
            "FAIL line 6: expected \"x\", got \"ab\"\n"
            "ERROR line 7: unknown command \"bogus\"\n"
            "ERROR line 8: 438 Object doesn't support this property or method\n"
            "ok\n"
            "FAIL line 12: expected error 13, got no error\n"
            "FAIL line 13: expected error 6, got error 438 Object doesn't support this property or method\n"
            "2 passed, 5 failed\n");
  EXPECT_EQ(t.status, 1);
}

TEST(Transcript, NothingFailedExitsZero) {
  EXPECT_EQ(RunConsole("").text, "0 passed, 0 failed\n");
  EXPECT_EQ(RunConsole("").status, 0);
  const Transcript t = RunConsole(WithProbe("expect get p.Caption = \"\"\r\nexpect ended = False\n"));
  EXPECT_EQ(t.text, "ok\nok\n2 passed, 0 failed\n");
  EXPECT_EQ(t.status, 0);
}

TEST(Transcript, ConsoleErrorsNameWhatIsMissing) {
  EXPECT_EQ(RunConsole("add Console.Probe p 0 0 10 10\n").text,
            "ERROR line 1: no current form (create one with form, mdi, child or load)\n0 passed, 1 failed\n");
  EXPECT_EQ(RunConsole(WithProbe("get q.Caption\nuse zz\nfocus form\n")).text,
            "ERROR line 3: no control q on form f\n"
            "ERROR line 4: no form named \"zz\"\n"
            "ERROR line 5: this command needs a control, not the form\n"
            "0 passed, 3 failed\n");
  EXPECT_EQ(RunConsole(WithProbe("expect error use zz = 5\n")).text,
            "ERROR line 3: no form named \"zz\"\n0 passed, 1 failed\n");
}

TEST(Values, ColoursCallsAndArgumentsByReference) {
  const Transcript t = RunConsole(WithProbe(
      "get p.BackColor\n"
      "let p.BackColor &HFF&\n"
      "get p.BackColor\n"
      "call p.Echo \"a\" 1\n"
      "args\n"
      "call p.Ping\n"
      "expect call p.Echo \"x\" 41 = &H000000FF&\n"
      "expect args = \"x!\", 42\n"
      "expect error call p.Echo \"x\" = 450\n"
      "expect args = \"x!\", 42\n"));
  EXPECT_EQ(t.text,
            "p.BackColor = &H8000000F&\n"
            "p.BackColor = &H000000FF&\n"
            "p.Echo(\"a!\", 2) = &H000000FF&\n"
            "args = \"a!\", 2\n"
            "p.Ping()\n"
            "ok\nok\nok\nok\n"
            "4 passed, 0 failed\n");
}

TEST(Values, DecimalSeparatorReachesConversions) {
  const Transcript t = RunConsole(WithProbe(
      "decimal \",\"\n"
      "let p.Caption 1.5\n"
      "expect get p.Caption = \"1,5\"\n"
      "decimal \".\"\n"
      "let p.Caption 1.5\n"
      "expect get p.Caption = \"1.5\"\n"));
  EXPECT_EQ(t.text, "ok\nok\n2 passed, 0 failed\n");
}

TEST(Events, LoggedAsRaisedAndClearedByTheQuery) {
  const Transcript t = RunConsole(WithProbe(
      "type p \"ab\"\n"
      "events\n"
      "expect events =\n"
      "expect changed = p.Caption p.Caption\n"
      "call p.Ping\n"
      "expect events = p.Tinted(&H8000000F&)\n"
      "key p Enter\n"
      "expect events = p.KeyDown(13, 0) p.KeyPress(13) p.Changed() p.KeyUp(13, 0)\n"
      "key p Left 1\n"
      "expect events = p.KeyDown(37, 1) p.KeyUp(37, 1)\n"
      "key p 65 1\n"
      "keydown p 16 1\n"
      "keyup p 16\n"
      "keypress p 8\n"
      "expect events = p.KeyDown(65, 1) p.KeyPress(65) p.Changed() p.KeyUp(65, 1) p.KeyDown(16, 1) p.KeyUp(16, 0) "
      "p.KeyPress(8) p.Changed()\n"));
  EXPECT_EQ(t.text,
            "events = p.KeyPress(97) p.Changed() p.KeyPress(98) p.Changed()\n"
            "ok\nok\n"
            "p.Ping()\n"
            "ok\nok\nok\nok\n"
            "6 passed, 0 failed\n");
}

TEST(Events, OnRulesAnswerByReferenceArguments) {
  const Transcript t = RunConsole(WithProbe(
      "on p.KeyPress KeyAscii=0\n"
      "type p \"a\"\n"
      "expect beeps = 1\n"
      "expect events = p.KeyPress(97)\n"
      "off p.KeyPress\n"
      "on p.KeyPress#2 KeyAscii=65\n"
      "type p \"xyz\"\n"
      "expect get p.Caption = \"xAz\"\n"
      "type p \"q\"\n"
      "expect get p.Caption = \"xAzq\"\n"
      "expect beeps = 0\n"));
  EXPECT_EQ(t.text, "ok\nok\nok\nok\nok\n5 passed, 0 failed\n");
}

TEST(Events, BadOnRulesAreRefused) {
  const Transcript t = RunConsole(WithProbe(
      "on p.Bogus X=1\n"
      "on p.KeyPress Nope=1\n"
      "on p.KeyPress KeyAscii=\"x\"\n"
      "expect error on p.KeyPress KeyAscii=70000 = 6\n"));
  EXPECT_EQ(t.text,
            "ERROR line 3: p has no event \"Bogus\"\n"
            "ERROR line 4: event p.KeyPress has no argument \"Nope\"\n"
            "ERROR line 5: 13 Type mismatch\n"
            "ok\n"
            "1 passed, 3 failed\n");
}

TEST(Focus, CaretFollowsTheFocusedControl) {
  const Transcript t = RunConsole(WithProbe(
      "add Console.Probe q 120 600 1500 300\n"
      "expect caret = none\n"
      "focus p\n"
      "expect focus = p\n"
      "expect caret = p 1x13 at 2,3 shown\n"
      "focus q\n"
      "expect focus = q\n"
      "expect caret = q 1x13 at 2,3 shown\n"
      "expect capture = none\n"
      "expect active = f\n"));
  EXPECT_EQ(t.text, "ok\nok\nok\nok\nok\nok\nok\n7 passed, 0 failed\n");
}

TEST(Dialogs, MenuAndMessageBoxAnswersAndRecords) {
  const Transcript t = RunConsole(WithProbe(
      "let p.Caption \"ab\"\n"
      "mouseup p 2 0 30 30\n"
      "expect get p.Picked = -1\n"
      "menu\n"
      "expect menu = none\n"
      "menu pick 0\n"
      "mouseup p 2 0 30 30\n"
      "expect get p.Picked = 0\n"
      "click p\n"
      "expect get p.Answer = 6\n"
      "msgbox answer NO\n"
      "click p\n"
      "expect get p.Answer = 7\n"
      "msgbox\n"
      "expect msgbox = none\n"
      "on p.Validate Cancel=True\n"
      "click p\n"
      "expect msgbox = none\n"));
  EXPECT_EQ(t.text,
            "ok\n"
            "menu = \"Copiar\" on, \"-\" on, \"Colar\" off\n"
            "ok\nok\nok\nok\n"
            "msgbox = \"Probe\", \"Gravar \"\"ab\"\"?\", YesNo, Question ; \"Probe\", \"Gravar \"\"ab\"\"?\", YesNo, Question\n"
            "ok\nok\n"
            "7 passed, 0 failed\n");
}

TEST(Clock, TickFiresTimersThatFallDue) {
  const Transcript t = RunConsole(WithProbe(
      "tick\n"
      "expect get p.Ticks = 1\n"
      "tick 250\n"
      "expect get p.Ticks = 4\n"
      "tick 0\n"
      "expect get p.Ticks = 4\n"));
  EXPECT_EQ(t.text, "ok\nok\nok\n3 passed, 0 failed\n");
}

TEST(Services, TipShellClipboardBeeps) {
  const Transcript t = RunConsole(WithProbe(
      "expect tip = hidden\n"
      "cursor 100 200\n"
      "call p.ShowTip \"Dica \"\"1\"\"\"\n"
      "expect tip = \"Dica \"\"1\"\"\" at 100,219 size 40x17\n"
      "call p.HideTip\n"
      "expect tip = hidden\n"
      "call p.Run \"NOTEPAD licenca.txt\"\n"
      "expect shell = \"NOTEPAD licenca.txt\" minimized\n"
      "expect shell = none\n"
      "clipboard \"a\\tb\"\n"
      "expect clipboard = \"a\\tb\"\n"
      "expect beeps = 0\n"));
  EXPECT_EQ(t.text,
            "ok\n"
            "p.ShowTip(\"Dica \"\"1\"\"\")\n"
            "ok\n"
            "p.HideTip()\n"
            "ok\n"
            "p.Run(\"NOTEPAD licenca.txt\")\n"
            "ok\nok\nok\nok\n"
            "7 passed, 0 failed\n");
}

TEST(Drawing, SizePixelsPrintsAndBag) {
  const Transcript t = RunConsole(WithProbe(
      "expect size p = 100x20\n"
      "let p.Caption \"ab\"\n"
      "prints p\n"
      "expect prints p =\n"
      "expect pixel p 0 0 = &H8000000F&\n"
      "let p.BackColor &HFF&\n"
      "expect pixel p 99 19 = #FF0000\n"
      "expect pixel p 99 19 = &HFF\n"
      "pixel p 100 0\n"
      "bag p\n"
      "dpi 120\n"
      "form g\n"
      "add Console.Probe p 0 0 1500 300\n"
      "expect size p = 125x25\n"
      "dpi 96\n"));
  EXPECT_EQ(t.text,
            "ok\n"
            "prints p = \"ab\" 2,1 &H80000012&\n"
            "ok\nok\nok\nok\n"
            "ERROR line 11: pixel 100,0 is outside p (100x20)\n"
            "bag p = Caption=\"ab\" BackColor=255 Font=font \"MS Sans Serif\" 8.25\n"
            "ok\n"
            "6 passed, 1 failed\n");
}

TEST(Drawing, SnapshotWritesTheComposedPicture) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "console_snapshot_test.png";
  std::filesystem::remove(file);
  const Transcript t = RunConsole(WithProbe("snapshot p " + file.string() + "\nsnapshot form \"" + file.string() + "\"\n"));
  EXPECT_EQ(t.text, "0 passed, 0 failed\n");
  const gfx::Image image = gfx::LoadPicture(file);
  EXPECT_EQ(image.width(), 400);
  EXPECT_EQ(image.height(), 267);
  std::filesystem::remove(file);
}

TEST(Forms, CurrentActiveAndMdi) {
  const Transcript t = RunConsole(
      "form a\n"
      "form b 3000 2000 at 10 20\n"
      "expect active = b\n"
      "use a\n"
      "expect active = b\n"
      "activate a\n"
      "expect active = a\n"
      "activate none\n"
      "expect active = none\n"
      "mdi m\n"
      "child c of m 3000 2000\n"
      "expect get form.MDIChild = True\n"
      "child d of a\n"
      "expect size form = 200x133\n");
  EXPECT_EQ(t.text,
            "ok\nok\nok\nok\nok\n"
            "ERROR line 13: a is not an MDI frame\n"
            "ok\n"
            "6 passed, 1 failed\n");
}

TEST(Forms, PlaceReadAndRemoveControls) {
  const Transcript t = RunConsole(WithProbe(
      "read Console.Probe r(2) 0 0 600 300 Caption=\"x  y\" BackColor=&HFF00&\n"
      "expect get r(2).Caption = \"x  y\"\n"
      "expect get r(2).BackColor = &H0000FF00&\n"
      "remove p\n"
      "get p.Caption\n"
      "expect error add Console.Nope n 0 0 10 10 = 429\n"));
  EXPECT_EQ(t.text,
            "ok\nok\n"
            "ERROR line 7: no control p on form f\n"
            "ok\n"
            "3 passed, 1 failed\n");
}

TEST(ColoursMatch, HashAndOleColoursResolveTheSame) {
  EXPECT_TRUE(ColoursMatch("#FF0000", "#FF0000"));
  EXPECT_TRUE(ColoursMatch("#ff0000", "#FF0000"));
  EXPECT_TRUE(ColoursMatch("&HFF&", "#FF0000"));
  EXPECT_TRUE(ColoursMatch("&H000000FF&", "#FF0000"));
  EXPECT_FALSE(ColoursMatch("&HFF00&", "#FF0000"));
  EXPECT_FALSE(ColoursMatch("red", "#FF0000"));
  EXPECT_FALSE(ColoursMatch("#FF00", "#FF0000"));
  EXPECT_FALSE(ColoursMatch("", ""));
}

TEST(Robustness, GarbageLinesAreErrorsNeverCrashes) {
  const Transcript t = RunConsole(WithProbe(
      "\"\n"
      "let\n"
      "expect\n"
      "expect error\n"
      "get p.\n"
      "page apply\n"
      "page x\n"
      "call p.Echo Nothing Null\n"
      "let p.Caption Null\n"
      "\xFF\xFE\n"));
  EXPECT_EQ(t.status, 1);
  EXPECT_NE(t.text.find("10 failed"), std::string::npos) << t.text;
}

}  // namespace
}  // namespace kelvo::console::testing
