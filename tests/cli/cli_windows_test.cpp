// velmor-cli on Windows: Unicode file names on the command line, Polish text
// on the way out, the same exit codes as on Linux.
#include <gtest/gtest.h>

#include "cli.h"
#include "core/archive/sciezka.h"

using namespace velmor::testy;

TEST_F(Cli, UnicodeNamesAndPolishTextEndToEnd) {
  const std::string plan = P("") + "plan_ąę€ß.vlm";
  ASSERT_EQ(Uruchom("save " + Demo("demo.vlm") + " -o \"" + plan + "\"").Kod, 0);
  EXPECT_EQ(CzytajPlik(velmor::SciezkaZUtf8(plan)), CzytajPlik(przyklady / "demo.vlm"));
  const TWynik w = Uruchom("show \"" + plan + "\" --view loads");
  EXPECT_EQ(w.Kod, 0) << w.Bledy;
  EXPECT_NE(w.Wyjscie.find("Kozłowska"), std::string::npos) << w.Wyjscie;
  EXPECT_EQ(Uruchom("fill \"" + plan + "\"").Kod, 0);
#ifdef VELMOR_GUI_PROGRAM
  const std::string pdf = P("") + "wydruk_ż.pdf";
  EXPECT_EQ(Uruchom("export \"" + plan + "\" --format pdf -o \"" + pdf + "\"",
                    "VELMOR_GUI=" + Miejsce(VELMOR_GUI_PROGRAM))
                .Kod,
            0);
  EXPECT_TRUE(std::filesystem::exists(velmor::SciezkaZUtf8(pdf)));
#endif
  EXPECT_EQ(Uruchom("info \"" + P("") + "brak_ż.vlm\"").Kod, 1);
  EXPECT_EQ(Uruchom("save \"" + plan + "\" -o \"" + P("") + "brak\\ż.vlm\"").Kod, 3);
  EXPECT_EQ(Uruchom("show").Kod, 2);
}
