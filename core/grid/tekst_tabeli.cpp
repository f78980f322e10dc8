#include "core/grid/tekst_tabeli.h"

namespace velmor {
namespace {

// CR LF and a lone CR both become LF.
std::string JednolitePodzialy(const std::string& tekst) {
  std::string wynik;
  wynik.reserve(tekst.size());
  for (size_t i = 0; i < tekst.size(); ++i) {
    if (tekst[i] == '\r') {
      wynik += '\n';
      if (i + 1 < tekst.size() && tekst[i + 1] == '\n') ++i;
    } else {
      wynik += tekst[i];
    }
  }
  return wynik;
}

}  // namespace

std::string oczka_to_txt(const TZaznaczenie& z, bool excelStyl,
                         const std::function<void(int x, int y, std::string& tekst)>& tekstOczka) {
  std::string wynik;
  for (int y = z.Top - 1; y <= z.Bottom - 1; ++y) {
    for (int x = z.Left - 1; x <= z.Right - 1; ++x) {
      std::string tekst;
      tekstOczka(x, y, tekst);
      tekst = JednolitePodzialy(tekst);
      if (excelStyl && tekst.find('\n') != std::string::npos) wynik += '"' + tekst + '"';
      else wynik += tekst;
      wynik += '\t';
    }
    if (!wynik.empty() && wynik.back() == '\t') wynik.pop_back();
    wynik += "\r\n";
  }
  return wynik;
}

}  // namespace velmor
