#pragma once
// Shared by the fuzz harnesses: a quiet error reporter, a per-process scratch
// folder for the files the core opens, and a check that stops the run.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/archive/bledy.h"

namespace velmor::fuzz {

// Records the codes instead of showing them.
class TCicho : public TRaportBledow {
 public:
  void Pokaz(int kod) override { Kody.push_back(kod); }
  std::vector<int> Kody;
};

// A folder of this process's own, removed with its contents at exit.
inline const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto p = std::filesystem::temp_directory_path() / ("velmor_fuzz_" + std::to_string(::getpid()));
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p;
  }();
  // Registered once the path exists, so the handler runs before it is destroyed.
  static const int sprzatanie = std::atexit([] {
    std::error_code blad;
    std::filesystem::remove_all(Folder(), blad);
  });
  (void)sprzatanie;
  return folder;
}

inline std::filesystem::path Plik(const char* nazwa) { return Folder() / nazwa; }

inline void ZapiszBajty(const std::filesystem::path& p, const uint8_t* dane, size_t n) {
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(dane), static_cast<std::streamsize>(n));
  if (!f) {
    std::fprintf(stderr, "cannot write %s\n", p.c_str());
    std::abort();
  }
}

// A broken property is a finding: report it and abort, so libFuzzer keeps the input.
inline void Wymagaj(bool warunek, const char* co) {
  if (warunek) return;
  std::fprintf(stderr, "velmor fuzz: %s\n", co);
  std::abort();
}

}  // namespace velmor::fuzz
