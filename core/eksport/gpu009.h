#pragma once
// The duty plan as a timetabler's GPU009 break supervisions: one row per
// duty with the region (the corridor), the teacher's short name, the day
// (1 = Monday), the period after the break and the break's minutes.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/dokument.h"
#include "core/import/wiersze.h"

namespace velmor {

struct TNadzorGpu {
  std::string Korytarz, Nauczyciel;  // UTF-8
  int Dzien = 0, Lekcja = 0, Minuty = 0;
  bool operator==(const TNadzorGpu&) const = default;
};

// The short names come from the school's GPU004 (`gpu004`, its bytes),
// matched by surname and first name, the k-th namesake to the k-th; the
// surname stands in for a teacher without one, who is named in
// `nieznalezieni` when a GPU004 was given.
std::vector<TNadzorGpu> NadzoryGpu(const TModele& m, std::string_view gpu004,
                                   std::vector<std::string>* nieznalezieni = nullptr);

// The bytes of a GPU004 file, checked to be rows; raises EStrumien.
std::string CzytajGpu004(const std::filesystem::path& plik);

// Comma-separated UTF-8, texts in quotes.
std::string TekstGpu009(const std::vector<TNadzorGpu>& nadzory);

// Reads GPU009 rows back; raises EStrumien for a row that is not one.
std::vector<TNadzorGpu> CzytajGpu009(std::string_view tekst,
                                     TKodowanie kodowanie = TKodowanie::Samo);

}  // namespace velmor
