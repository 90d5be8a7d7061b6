// The setup window as it comes up, drawn in the built-in font, against a
// committed PNG (see support/golden_image.h); and the parts of it the code fills in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "kcsetup/setup_program.h"
#include "kcsetup/setup_window.h"
#include "platform/console/console.h"
#include "platform/win/compose.h"
#include "support/golden_image.h"
#include "support/temp_dir.h"

namespace kelvo::kcsetup {
namespace {

TEST(SetupWindow, ComesUpWithTheListedComponent) {
  kelvo::testing::TempRoot root;
  const std::filesystem::path setup = root.dir() / "setup";
  std::filesystem::create_directories(setup);
  std::ofstream(setup / "REGSVR32.EXE") << "";
  std::ofstream(setup / "KCSETUP.LST", std::ios::binary) << "KLVCTL32\r\nKelvoControls 32Bits\r\nVers\xE3o 1.01.0001\r\n";

  console::UseHeadlessEnvironment();
  std::unique_ptr<SetupProgram> program;  // outlives the application, which still calls it
  forms::Application app;
  forms::Form& form = CreateSetupWindow(app);
  program = std::make_unique<SetupProgram>(form, setup);
  program->Start();

  ASSERT_FALSE(app.Ended());
  EXPECT_EQ(form.Caption(), u"KelvoControls Setup");
  EXPECT_EQ(form.Find(u"btnComando", 1)->Rect().top, 3090);
  EXPECT_TRUE(kelvo::testing::MatchesGolden(win::ComposeWindow(form.Hwnd()), "kcsetup", "setup_window"));
  app.End();
}

}  // namespace
}  // namespace kelvo::kcsetup
