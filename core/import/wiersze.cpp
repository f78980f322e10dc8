#include "core/import/wiersze.h"

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"

namespace velmor {

std::string TekstUtf8(std::string_view surowy, TKodowanie kodowanie) {
  const bool bom = surowy.starts_with("\xEF\xBB\xBF");
  if (bom) surowy.remove_prefix(3);
  if (kodowanie == TKodowanie::Samo)
    kodowanie = bom || PoprawnyUtf8(surowy) ? TKodowanie::Utf8 : TKodowanie::Cp1250;
  return kodowanie == TKodowanie::Utf8 ? std::string(surowy) : Cp1250DoUtf8(surowy);
}

std::vector<TWierszTekstu> Wiersze(std::string_view tekst, char separator,
                                   const std::string& format) {
  std::vector<TWierszTekstu> wiersze;
  TWierszTekstu wiersz;
  std::string pole;
  bool wCudzyslowie = false, cokolwiek = false;
  int linia = 1, poczatekPola = 1;
  wiersz.linia = 1;
  const auto koniecWiersza = [&] {
    if (cokolwiek || !pole.empty()) {
      wiersz.pola.push_back(std::move(pole));
      wiersze.push_back(std::move(wiersz));
    }
    wiersz = {linia, {}};
    pole.clear();
    cokolwiek = false;
  };
  for (size_t i = 0; i < tekst.size(); ++i) {
    const char z = tekst[i];
    if (z == '\n') ++linia;
    if (wCudzyslowie) {
      if (z != '"') pole += z;
      else if (i + 1 < tekst.size() && tekst[i + 1] == '"') pole += tekst[++i];
      else wCudzyslowie = false;
    } else if (z == '"') {
      wCudzyslowie = cokolwiek = true;
      poczatekPola = linia;
    } else if (z == separator) {
      wiersz.pola.push_back(std::move(pole));
      pole.clear();
      cokolwiek = true;
    } else if (z == '\n') {
      koniecWiersza();
    } else if (z != '\r') {
      pole += z;
    }
  }
  if (wCudzyslowie)
    throw EStrumien(format + ": wiersz " + std::to_string(poczatekPola) +
                    ": cudzysłów bez zamknięcia");
  koniecWiersza();
  return wiersze;
}

char Separator(std::string_view tekst) {
  int przecinki = 0, sredniki = 0;
  bool wCudzyslowie = false;
  for (const char z : tekst) {
    if (z == '\n' && !wCudzyslowie) break;
    if (z == '"') wCudzyslowie = !wCudzyslowie;
    else if (!wCudzyslowie) przecinki += z == ',', sredniki += z == ';';
  }
  return sredniki > przecinki ? ';' : ',';
}

}  // namespace velmor
