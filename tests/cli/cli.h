#pragma once
// Running velmor-cli from the cli tests, in a folder of the test's own.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../core/pliki_testowe.h"

namespace velmor::testy {

struct TWynik {
  int Kod;
  std::string Wyjscie, Bledy;
};

inline std::string Tekst(const std::filesystem::path& p) {
  std::ifstream f(p);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

class Cli : public ::testing::Test {
 protected:
  TFolder folder;
  const std::filesystem::path przyklady = VELMOR_PRZYKLADY;

  // `srodowisko`: variable assignments for the command.
  TWynik Uruchom(const std::string& argumenty, const std::string& srodowisko = "") {
    return Wykonaj(srodowisko + " " + VELMOR_CLI + " " + argumenty);
  }
  // Any shell command, its output kept.
  TWynik Wykonaj(const std::string& polecenie) {
    const std::string pelne =
        polecenie + " >" + (folder / "out.txt").string() + " 2>" + (folder / "err.txt").string();
    const int stan = std::system(pelne.c_str());
    return {WEXITSTATUS(stan), Tekst(folder / "out.txt"), Tekst(folder / "err.txt")};
  }
  std::string P(const std::string& plik) { return (folder / plik).string(); }
  std::string Demo(const std::string& plik) { return (przyklady / plik).string(); }
};

// velmor-cli with chosen file operations failing (see tests/awaria).
class CliFault : public Cli {
 protected:
  TWynik Awaria(const std::string& awaria, const std::string& argumenty) {
    return Uruchom(argumenty, "VELMOR_AWARIA=" + awaria + " VELMOR_AWARIA_ZNAK=" + P("znak") +
                                  " LD_PRELOAD=" + VELMOR_AWARIA +
                                  " ASAN_OPTIONS=verify_asan_link_order=0");
  }
  bool Wystapila() {
    const bool jest = std::filesystem::exists(folder / "znak");
    std::filesystem::remove(folder / "znak");
    return jest;
  }
};

}  // namespace velmor::testy
