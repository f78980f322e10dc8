#include "core/document/parametry.h"

#include <gtest/gtest.h>

using namespace velmor;

namespace {

TParametryUruchomieniowe Z(std::vector<std::string> argumenty,
                           std::string dokumenty = "/home/u/Dokumenty") {
  return TParametryUruchomieniowe::Zbuduj("/opt/velmor", dokumenty, argumenty);
}

}  // namespace

TEST(CommandLine, FoldersEndWithSeparatorAndDocumentsFallBack) {
  const auto p = Z({});
  EXPECT_EQ(p.KatalogProgramu, "/opt/velmor/");
  EXPECT_EQ(p.KatalogDokumentow, "/home/u/Dokumenty/");
  EXPECT_FALSE(p.JestPlik);
  EXPECT_EQ(p.Plik, "");
  EXPECT_EQ(Z({}, "").KatalogDokumentow, "/opt/velmor/");
}

TEST(CommandLine, RelativePathsResolveAgainstProgramFolder) {
  const auto p = Z({"plan.vlm"});
  EXPECT_TRUE(p.JestPlik);
  EXPECT_EQ(p.Plik, "/opt/velmor/plan.vlm");
  EXPECT_EQ(Z({"szkola/plan.vlm"}).Plik, "/opt/velmor/szkola/plan.vlm");
}

TEST(CommandLine, AbsolutePathsStayAsTheyAre) {
  EXPECT_EQ(Z({"D:\\szkola\\plan.vlm", "R=abc"}).Plik, "D:\\szkola\\plan.vlm");
  EXPECT_EQ(Z({"/srv/plan.vlm"}).Plik, "/srv/plan.vlm");
  EXPECT_EQ(Z({"\\\\serwer\\udzial\\plan.vlm"}).Plik, "\\\\serwer\\udzial\\plan.vlm");
}

TEST(CommandLine, SwitchesAreSkippedAndLaterPathWins) {
  const auto tylkoPrzelacznik = Z({"R=abc", "x="});
  EXPECT_FALSE(tylkoPrzelacznik.JestPlik);
  EXPECT_EQ(Z({"/a.vlm", "R=abc", "/b.vlm"}).Plik, "/b.vlm");
  EXPECT_EQ(Z({"/b.vlm", "a.vlm"}).Plik, "/opt/velmor/a.vlm");
}

TEST(CommandLine, ShortArgumentIsAFilePath) {
  const auto p = Z({"x"});
  EXPECT_TRUE(p.JestPlik);
  EXPECT_EQ(p.Plik, "/opt/velmor/x");
}
