#pragma once
// Running velmor-cli from the cli tests, in a folder of the test's own.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../core/pliki_testowe.h"
#include "core/archive/sciezka.h"

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

inline std::vector<std::string> Linie(const std::string& tekst) {
  std::vector<std::string> wynik;
  std::istringstream s(tekst);
  for (std::string l; std::getline(s, l);) wynik.push_back(l);
  return wynik;
}

#ifdef _WIN32
inline std::wstring Szeroki(const std::string& utf8) { return SciezkaZUtf8(utf8).wstring(); }
#endif

// A path of the build as this platform's programs take it: under Wine the
// build's Unix paths are on drive Z:.
inline std::string Miejsce(const std::string& sciezka) {
#ifdef _WIN32
  if (sciezka.starts_with("/")) {
    std::string w = "Z:" + sciezka;
    for (char& z : w)
      if (z == '/') z = '\\';
    return w;
  }
#endif
  return sciezka;
}

class Cli : public ::testing::Test {
 protected:
  TFolder folder;
  TFolder wyjscia;  // the commands' output, apart from the files they make
  int polecen_ = 0;
  const std::filesystem::path przyklady = Miejsce(VELMOR_PRZYKLADY);

  // `srodowisko`: variable assignments for the command ("A=1 B=2").
  TWynik Uruchom(const std::string& argumenty, const std::string& srodowisko = "") {
#ifdef _WIN32
    // cmd has no assignments before a command: they are made in this
    // process, which the command inherits, and undone after it.
    std::vector<std::string> nazwy;
    std::stringstream s(srodowisko);
    for (std::string p; s >> p;) {
      nazwy.push_back(p.substr(0, p.find('=')));
      SetEnvironmentVariableW(Szeroki(nazwy.back()).c_str(),
                              Szeroki(p.substr(p.find('=') + 1)).c_str());
    }
    TWynik w = Wykonaj(Miejsce(VELMOR_CLI) + " " + argumenty);
    for (const std::string& n : nazwy) SetEnvironmentVariableW(Szeroki(n).c_str(), nullptr);
    return w;
#else
    return Wykonaj(srodowisko + " " + VELMOR_CLI + " " + argumenty);
#endif
  }
  // Any shell command (cmd on Windows), its output kept.
  TWynik Wykonaj(const std::string& polecenie) {
    // Files of their own for each command: under Wine a program that started
    // a window program holds its output files a moment after it ends.
    const std::string n = std::to_string(++polecen_);
    const std::filesystem::path wyjscie = wyjscia / ("out" + n + ".txt"),
                                bledy = wyjscia / ("err" + n + ".txt");
    const std::string pelne = polecenie + " >" + wyjscie.string() + " 2>" + bledy.string();
#ifdef _WIN32
    // The outer quotes are cmd's own: it takes them off and runs the rest.
    // -1 is cmd itself failing to start, which Wine does now and then with
    // several test programs starting processes: the command never ran.
    int kod = -1;
    for (int proba = 0; proba < 3 && kod == -1; ++proba)
      kod = _wsystem(Szeroki("\"" + pelne + "\"").c_str());
#else
    const int stan = std::system(pelne.c_str());
    const int kod = WEXITSTATUS(stan);
#endif
    return {kod, Tekst(wyjscie), Tekst(bledy)};
  }
  std::string P(const std::string& plik) { return (folder / plik).string(); }
  std::string Demo(const std::string& plik) { return (przyklady / plik).string(); }
};

}  // namespace velmor::testy
