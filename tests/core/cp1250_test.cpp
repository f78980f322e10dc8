#include "core/archive/cp1250.h"

#include <gtest/gtest.h>

#include "core/archive/liczebnik.h"

using namespace velmor;

TEST(Cp1250, EveryByteRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    const std::string jeden(1, static_cast<char>(b));
    EXPECT_EQ(Utf8DoCp1250(Cp1250DoUtf8(jeden)), jeden) << b;
  }
}

TEST(Cp1250, PolishLettersAndUnknownCharacters) {
  EXPECT_EQ(Utf8DoCp1250("Łódź"),
            "\xA3\xF3"
            "d\x9F");
  EXPECT_EQ(Cp1250DoUtf8("\xA5\xCA\x8C\x8F\xAF"), "ĄĘŚŹŻ");
  EXPECT_EQ(Utf8DoCp1250("a→b€"), "a?b\x80");
  EXPECT_EQ(Utf8DoCp1250("x\xC3y"), "x?y");          // cut sequence
  EXPECT_EQ(Utf8DoCp1250("\xF0\x9F\x98\x80"), "?");  // outside the basic plane
}

TEST(Liczebnik, ACountTakesItsNounsPolishForm) {
  std::string wynik;
  for (int n : {0, 1, 2, 4, 5, 11, 12, 14, 21, 22, 24, 25, 102, 112})
    wynik += Liczebnik(n, "dyżur", "dyżury", "dyżurów") + ", ";
  EXPECT_EQ(wynik,
            "0 dyżurów, 1 dyżur, 2 dyżury, 4 dyżury, 5 dyżurów, 11 dyżurów, 12 dyżurów, 14 "
            "dyżurów, 21 dyżurów, 22 dyżury, 24 dyżury, 25 dyżurów, 102 dyżury, 112 dyżurów, ");
}
