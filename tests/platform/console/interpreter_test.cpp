#include <gtest/gtest.h>

#include <filesystem>

#include "platform/console/interpreter.h"
#include "platform/gfx/picture.h"
#include "script_runner.h"
#include "support/temp_dir.h"

namespace kelvo::console::testing {
namespace {

constexpr std::string_view kProbeForm =
    "form f\n"
    "add Console.Probe p 120 120 1500 300\n";

std::string WithProbe(std::string_view rest) { return std::string(kProbeForm) + std::string(rest); }

// A transcript lost on its way out (a full device) is no success.
TEST(Transcript, AnOutputThatFailsIsAnError) {
  forms::Application app;
  std::istringstream in("form f\n");
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  EXPECT_THROW(RunScript(in, out, app), std::runtime_error);
}

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
  EXPECT_EQ(RunConsole("\xEF\xBB\xBF" "form f\nexpect active = f\n").text, "ok\n1 passed, 0 failed\n");
  EXPECT_EQ(RunConsole("").status, 0);
  const Transcript t = RunConsole(WithProbe("expect get p.Caption = \"\"\r\nexpect ended = False\n"));
  EXPECT_EQ(t.text, "ok\nok\n2 passed, 0 failed\n");
  EXPECT_EQ(t.status, 0);
}

TEST(Transcript, ConsoleErrorsNameWhatIsMissing) {
  EXPECT_EQ(RunConsole("add Console.Probe p 0 0 10 10\n").text,
            "ERROR line 1: no current form (create one with form, mdi, child or load)\n0 passed, 1 failed\n");
  EXPECT_EQ(RunConsole(WithProbe("get q.Caption\nuse zz\nfocus form\nchild c of f\nremove p\nget p.Caption\n")).text,
            "ERROR line 3: no control q on form f\n"
            "ERROR line 4: no form named \"zz\"\n"
            "ERROR line 5: this command needs a control, not the form\n"
            "ERROR line 6: f is not an MDI frame\n"
            "ERROR line 8: no control p on form f\n"
            "0 passed, 5 failed\n");
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

TEST(Drawing, PrintsBagAndPixelsOutside) {
  const Transcript t = RunConsole(WithProbe(
      "let p.Caption \"ab\"\n"
      "prints p\n"
      "prints p\n"
      "bag p\n"
      "pixel p 100 0\n"
      "expect pixel p 99 19 = &H8000000F&\n"));
  EXPECT_EQ(t.text,
            "prints p = \"ab\" 2,1 &H80000012&\n"
            "prints p = \n"
            "bag p = Caption=\"ab\" BackColor=-2147483633 Font=font \"MS Sans Serif\" 8.25\n"
            "ERROR line 7: pixel 100,0 is outside p (100x20)\n"
            "ok\n"
            "1 passed, 1 failed\n");
}

TEST(Drawing, SnapshotWritesTheComposedPicture) {
  const kelvo::testing::TempDir temp;
  const std::filesystem::path file = temp.path() / "snapshot.png";
  const Transcript t = RunConsole(WithProbe("snapshot p " + file.string() + "\nsnapshot form \"" + file.string() + "\"\n"));
  EXPECT_EQ(t.text, "0 passed, 0 failed\n");
  const gfx::Image image = gfx::LoadPicture(file);
  EXPECT_EQ(image.width(), 400);
  EXPECT_EQ(image.height(), 267);
}

TEST(Pages, FieldsChangeApplyAndStayOutOfTheEventLog) {
  const Transcript t = RunConsole(WithProbe(
      "let p.Caption \"abc\"\n"
      "page Console.ProbePage p\n"
      "expect page txtCaption = \"abc\"\n"
      "expect page changed = False\n"
      "page let txtCaption \"xyz\"\n"
      "expect page changed = True\n"
      "expect get p.Caption = \"abc\"\n"
      "page apply\n"
      "expect page changed = False\n"
      "expect get p.Caption = \"xyz\"\n"
      "page let chkBold 1\n"
      "expect page chkBold = 1\n"
      "page click optSize(1)\n"
      "expect page optSize(1) = True\n"
      "expect page optSize(0) = False\n"
      "page let cboStyle 1\n"
      "expect page cboStyle = 1\n"
      "expect events =\n"
      "expect changed = p.Caption p.Caption\n"
      "page nope\n"
      "expect error page Console.Nope p = 429\n"));
  EXPECT_EQ(t.text,
            "ok\nok\nok\nok\nok\nok\nok\nok\nok\nok\nok\nok\n"
            "ERROR line 22: 438 The page has no field nope\n"
            "ok\n"
            "13 passed, 1 failed\n");
}

TEST(Pages, CommandsNeedAnOpenPage) {
  EXPECT_EQ(RunConsole(WithProbe("page apply\n")).text,
            "ERROR line 3: no property page is open (open one with page PROGID NAME ...)\n0 passed, 1 failed\n");
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
