// The Windows window under the user's own regional settings, as Control Panel leaves them: run by
// win32_regional_test.sh in a Wine prefix of its own whose settings it has changed to a decimal
// symbol ";", a digit grouping symbol "'" and a negative sign "~", which no locale has.
#include "model/combination.h"
#include "tests/win32_driver.h"
#include "win32/locale_settings.h"

namespace {

using namespace test;

TEST(Win32Regional, TheUsersOwnSymbolsAreRead) {
  const runtime::RegionalSettings s = win32::SystemSettings();
  EXPECT_EQ(s.decimalSymbol, ";");
  EXPECT_EQ(s.groupSymbol, "'");
  EXPECT_EQ(s.negativeSign, "~");
  EXPECT_TRUE(s.grouping);
}

// «a,b,h» with 4, 5, 4 makes c negative; with 1000, 5, 4 the boxes group their digits.
TEST(Win32Regional, TheBoxesWriteThem) {
  Shown w(win32::SystemSettings());
  struct Case {
    std::vector<std::string> given;  // a, b, h
    std::vector<std::string> shown;
  };
  for (const Case& c :
       {Case{{"4", "5", "4"}, {"4;00000", "5;00000", "~2;0000", "4;00000", "12;0000", "4;00000"}},
        Case{{"1000", "5", "4"}, {"1'000;0", "5;00000", "994;000", "4;00000", "2'004;0", "3'988;0"}}}) {
    Choose(w, 1);  // a,b,h
    Type(w.Item(Control::Text2, 0), c.given[0]);
    Type(w.Item(Control::Text2, 1), c.given[1]);
    Type(w.Item(Control::Text2, 3), c.given[2]);
    Click(w.Item(Control::Command1, 0));
    EXPECT_EQ(BoxTexts(w), c.shown);
  }
  EXPECT_TRUE(w.messages.empty());
}

}  // namespace

int main(int argc, char** argv) {
  test::StartWindows();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
