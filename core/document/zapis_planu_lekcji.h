#pragma once
// Writes timetable files (kind 1) of any version 60..103 from model objects,
// in the timetable program's record forms. Used by the demo generator, the
// benchmarks and the readers' tests.
#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/model/dni.h"
#include "core/model/nauczyciele.h"
#include "core/model/oddzialy.h"
#include "core/model/przedmioty.h"
#include "core/model/sale.h"

namespace velmor {

// Items in every skipped list A and list B the writer emits.
constexpr int kPozycjiListy = 2;
// The skipped text after each group (v >= 91), Windows-1250.
constexpr const char* kTekstGrupy = "zesp\xF3\xB3";

// Changes to what the writer would otherwise emit. A raw int16 goes in place
// of the converted value at the first place of its kind (files from v82; up
// to v81 its low byte is written). A count goes in place of the real one and
// the items of that list are then left out.
struct TWstawkiPlanu {
  std::optional<int16_t> ListaNauczyciela;    // first index of teacher 0's first busy slot
  std::optional<int16_t> ZnacznikPrzedmiotu;  // subject 0
  std::optional<int16_t> NauczycielProgramu;  // cell 0 of subject 0
  std::optional<int16_t> Grupa;               // first class of subject 0's group 0
  std::optional<int16_t> Dane1Sali;           // Dane1[1] of room 0
  std::optional<int32_t> LiczbaNauczycieli;
  std::optional<int32_t> LiczbaSlotowNauczyciela;  // teacher 0's per-slot list
  std::optional<int32_t> LiczbaListyA;             // teacher 0's list A
  // Adds sections 5, 11, 12 and 13 of the timetable program's own, whose
  // bytes mean nothing as duty-plan records.
  bool ObceSekcje = false;
};

// Creates `plik` anew; raises EStrumien when it cannot be written.
void ZapiszPlanLekcji(const std::filesystem::path& plik, int wersja, const TDni& dni,
                      const TNauczle& nauczyciele, const TOddzialy& oddzialy, const TSale& sale,
                      const TPrzedmioty& przedmioty, const TWstawkiPlanu& wstawki = {});

// The models a timetable file holds.
struct TSzkola {
  TDni Dni;
  TNauczle Nauczyciele;
  TOddzialy Oddzialy;
  TSale Sale;
  TPrzedmioty Przedmioty;
};

inline void ZapiszPlanLekcji(const std::filesystem::path& plik, int wersja, const TSzkola& s,
                             const TWstawkiPlanu& wstawki = {}) {
  ZapiszPlanLekcji(plik, wersja, s.Dni, s.Nauczyciele, s.Oddzialy, s.Sale, s.Przedmioty, wstawki);
}

}  // namespace velmor
