// The core and cli test programs' entry on Windows.
#include <gtest/gtest.h>

#include "pod_wine.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  velmor::testy::PominNiedzialajacePodWine();
  return RUN_ALL_TESTS();
}
