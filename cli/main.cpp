// velmor-cli: the duty-plan documents without a display.
#include <cstring>
#include <iostream>
#include <string_view>

namespace {

constexpr const char* kWersja = "velmor-cli 2025";

constexpr const char* kPomoc =
    "Użycie: velmor-cli POLECENIE [ARGUMENTY]\n"
    "\n"
    "  --help       ten opis\n"
    "  --version    wersja programu\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << kWersja << '\n';
    return 0;
  }
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::cout << kPomoc;
    return 0;
  }
  std::cerr << kPomoc;
  return 2;
}
