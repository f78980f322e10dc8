#include "core/eksport/csv.h"

namespace velmor {

std::string JakoCsv(const TTabela& t, bool excel) {
  const char odstep = excel ? ';' : ',';
  const char* const cytowane = excel ? ";\"\r\n" : ",\"\r\n";
  std::string wynik = excel ? "\xEF\xBB\xBF" : "";
  for (const auto& wiersz : t) {
    for (size_t k = 0; k < wiersz.size(); ++k) {
      const std::string& pole = wiersz[k];
      if (k > 0) wynik += odstep;
      if (pole.find_first_of(cytowane) == std::string::npos) {
        wynik += pole;
        continue;
      }
      wynik += '"';
      for (const char c : pole) wynik += c == '"' ? std::string("\"\"") : std::string(1, c);
      wynik += '"';
    }
    wynik += "\r\n";
  }
  return wynik;
}

}  // namespace velmor
