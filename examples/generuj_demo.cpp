// Writes the demo school: demo.tbx and demo.vlm, into the folder given
// (the current one by default).
#include <iostream>

#include "core/archive/bledy.h"
#include "examples/szkola_demo.h"

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
  if (!velmor::demo::ZapiszDemo(folder)) {
    std::cerr << "nie udało się zapisać szkoły demonstracyjnej w " << folder << '\n';
    return 1;
  }
  std::cout << "demo.tbx, demo.vlm -> " << folder.string() << '\n';
  return 0;
}
