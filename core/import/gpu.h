#pragma once
// Reads the GPU text files of a timetabler (GPU001 the timetable, GPU004
// the teachers, GPU005 the rooms) into the school models a .tbx timetable
// fills.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/document/zapis_planu_lekcji.h"
#include "core/import/wiersze.h"

namespace velmor {

struct TPlikiGpu {
  std::string gpu001, gpu004, gpu005;  // the files' bytes; GPU004 and GPU005 may be empty
};

// Raises EStrumien with the reason in one line.
TSzkola CzytajGpu(const TPlikiGpu& pliki, TKodowanie kodowanie = TKodowanie::Samo);
// From a folder holding GPU001.TXT, or from the GPU001 file itself; GPU004
// and GPU005 are taken from the same folder unless named.
TSzkola CzytajGpu(const std::filesystem::path& plik, TKodowanie kodowanie = TKodowanie::Samo,
                  const std::filesystem::path& gpu004 = {},
                  const std::filesystem::path& gpu005 = {});

// The file named like `GPU004.TXT` (any letter case) in the folder, empty
// when there is none.
std::filesystem::path PlikGpu(const std::filesystem::path& folder, int numer);

// Whether the text's first row looks like a GPU001 row: a lesson number,
// class, teacher, subject, room, day and period.
bool WierszGpu001(std::string_view poczatek);

}  // namespace velmor
