#include "core/archive/dysk.h"

#include <system_error>

#include "core/archive/bledy.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace velmor {

std::filesystem::path NazwaTymczasowa(const std::filesystem::path& plik) {
  std::filesystem::path wynik = plik;
  wynik += ".velmor-zapis";
  return wynik;
}

void ZapiszNaDysk(std::FILE* plik) {
  if (std::fflush(plik) != 0) throw EStrumien("zapis pliku nie powiódł się");
#if defined(__unix__) || defined(__APPLE__)
  if (fsync(fileno(plik)) != 0) throw EStrumien("zapis na dysk nie powiódł się");
#endif
}

void ZastapPlik(const std::filesystem::path& tymczasowy, const std::filesystem::path& cel) {
  std::error_code ec;
  std::filesystem::rename(tymczasowy, cel, ec);
  if (ec) throw EStrumien("nie można zastąpić pliku: " + ec.message());
}

}  // namespace velmor
