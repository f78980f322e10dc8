#include "core/import/rozpoznanie.h"

#include <fstream>
#include <string_view>

namespace velmor {

TFormatPlanuLekcji RozpoznajPlanLekcji(const std::filesystem::path& plik) {
  // A pipe or a device could keep a read waiting: the .tbx reader refuses them.
  std::error_code blad;
  if (!std::filesystem::is_regular_file(plik, blad)) return TFormatPlanuLekcji::Tbx;
  std::ifstream f(plik, std::ios::binary);
  char poczatek[64] = {};
  f.read(poczatek, sizeof poczatek);
  std::string_view p(poczatek, static_cast<size_t>(f.gcount()));
  if (p.starts_with("\xEF\xBB\xBF")) p.remove_prefix(3);
  while (!p.empty() &&
         (p.front() == ' ' || p.front() == '\t' || p.front() == '\r' || p.front() == '\n'))
    p.remove_prefix(1);
  return p.starts_with('<') ? TFormatPlanuLekcji::Fet : TFormatPlanuLekcji::Tbx;
}

}  // namespace velmor
