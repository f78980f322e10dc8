#include "core/document/miejsce_okna.h"

#include <gtest/gtest.h>

using namespace velmor;

namespace {

// Two screens side by side, the right one smaller and lower.
const std::vector<TProstokat> kEkrany = {{0, 0, 1920, 1080}, {1920, 200, 3200, 1000}};

}  // namespace

TEST(WindowPlace, AStoredPlaceComesBackOntoTheNearestScreenShrunkToIt) {
  // Enough of the title bar on a screen: left alone, even mostly off it.
  for (const TProstokat p : {TProstokat{1820, 100, 2620, 700}, TProstokat{-600, 1030, 100, 1600},
                             TProstokat{1900, 210, 2400, 700}})
    EXPECT_EQ(NaEkranie(p, kEkrany), p);
  // The title bar in the gap above the right screen, beyond the left one.
  EXPECT_EQ(NaEkranie({2500, 100, 2900, 400}, kEkrany), (TProstokat{2500, 200, 2900, 500}));
  // Saved on a larger screen (or at twice the scale): shrunk onto this one.
  EXPECT_EQ(NaEkranie({-3000, -50, 1000, 2000}, kEkrany), (TProstokat{0, 0, 1920, 1080}));
  EXPECT_EQ(NaEkranie({5000, 5000, 5100, 5100}, {}), (TProstokat{5000, 5000, 5100, 5100}));
  EXPECT_FALSE(ZnaneMiejsce({0, 0, 300, 200}));
  EXPECT_TRUE(ZnaneMiejsce({0, 1, 300, 200}));
}

TEST(WindowPlace, AFirstPlaceIsBesideTheOwnerOnItsScreen) {
  const TProstokat okno{0, 0, 400, 300};
  EXPECT_EQ(ObokWlasciciela(okno, {100, 50, 900, 650}, kEkrany), (TProstokat{900, 50, 1300, 350}));
  // No room to the right: to the left.
  EXPECT_EQ(ObokWlasciciela(okno, {1000, 50, 1800, 650}, kEkrany),
            (TProstokat{600, 50, 1000, 350}));
  // Room on neither side: over it, shifted, and kept on its screen.
  EXPECT_EQ(ObokWlasciciela(okno, {100, 900, 1800, 1080}, kEkrany),
            (TProstokat{140, 780, 540, 1080}));
}
