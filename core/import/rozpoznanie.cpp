#include "core/import/rozpoznanie.h"

#include <fstream>
#include <string>

#include "core/archive/bledy.h"
#include "core/import/fet.h"
#include "core/import/fet_csv.h"
#include "core/import/gpu.h"

namespace velmor {

TFormatPlanuLekcji RozpoznajPlanLekcji(const std::filesystem::path& plik) {
  // A pipe or a device could keep a read waiting: the .tbx reader refuses them.
  std::error_code blad;
  if (std::filesystem::is_directory(plik, blad))
    return PlikGpu(plik, 1).empty() ? TFormatPlanuLekcji::Tbx : TFormatPlanuLekcji::Gpu;
  if (!std::filesystem::is_regular_file(plik, blad)) return TFormatPlanuLekcji::Tbx;
  std::ifstream f(plik, std::ios::binary);
  std::string poczatek(512, '\0');
  f.read(poczatek.data(), static_cast<std::streamsize>(poczatek.size()));
  poczatek.resize(static_cast<size_t>(f.gcount()));
  if (NaglowekFetCsv(poczatek)) return TFormatPlanuLekcji::FetCsv;
  std::string_view p(poczatek);
  if (p.starts_with("\xEF\xBB\xBF")) p.remove_prefix(3);
  const size_t tresc = p.find_first_not_of(" \t\r\n");
  if (tresc != std::string_view::npos && p[tresc] == '<') return TFormatPlanuLekcji::Fet;
  return WierszGpu001(p) ? TFormatPlanuLekcji::Gpu : TFormatPlanuLekcji::Tbx;
}

TSzkola CzytajPlanObcy(const std::filesystem::path& plik, TFormatPlanuLekcji format,
                       const TOdczytPlanuLekcji& jak) {
  switch (format) {
    case TFormatPlanuLekcji::Fet: return CzytajFet(plik);
    case TFormatPlanuLekcji::FetCsv: return CzytajFetCsv(plik);
    case TFormatPlanuLekcji::Gpu: return CzytajGpu(plik, jak.kodowanie, jak.gpu004, jak.gpu005);
    default: throw EStrumien("nieznany format planu lekcji");
  }
}

}  // namespace velmor
