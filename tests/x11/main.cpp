#include <gtest/gtest.h>

#include "cykl.h"
#include "gui/app/aplikacja.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  velmor::TAplikacja aplikacja(argc, argv);
  // A run of the program in a process of its own, started by a test.
  if (argc == 4 && std::string(argv[1]) == "--cykl") return velmor::testy::Cykl(argv[2], argv[3]);
  return RUN_ALL_TESTS();
}
