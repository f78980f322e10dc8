#pragma once
// Which program's timetable a file holds, from its first bytes, and the
// reader of each.
#include <filesystem>

#include "core/document/zapis_planu_lekcji.h"
#include "core/import/wiersze.h"

namespace velmor {

enum class TFormatPlanuLekcji { Samo, Tbx, Fet, FetCsv, Gpu };

struct TOdczytPlanuLekcji {
  TFormatPlanuLekcji format = TFormatPlanuLekcji::Samo;  // Samo: from the content
  TKodowanie kodowanie = TKodowanie::Samo;               // of GPU files
  // GPU004 and GPU005 from elsewhere than the folder of GPU001.
  std::filesystem::path gpu004, gpu005;
};

// XML is FET's, a CSV with FET's header its results, a folder with GPU001
// or rows like GPU001's GPU files; everything else is read as a .tbx
// timetable, whose reader says what is wrong with it.
TFormatPlanuLekcji RozpoznajPlanLekcji(const std::filesystem::path& plik);

// A timetable of another program than the .tbx one; raises EStrumien.
TSzkola CzytajPlanObcy(const std::filesystem::path& plik, TFormatPlanuLekcji format,
                       const TOdczytPlanuLekcji& jak);

}  // namespace velmor
