#include "core/eksport/wspolne.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "core/archive/cp1250.h"
#include "core/eksport/ical.h"

namespace velmor {

std::vector<TDyzur> DyzuryNauczyciela(const TModele& m, int t) {
  std::vector<TDyzur> wynik;
  for (int s = 0; s < std::min(m.Dyzury.LiczbaMomentow(), m.Momenty.Liczba()); ++s)
    for (int r = 0; r < m.Dyzury.LiczbaRejonow(); ++r)
      if (NauczycielKomorki(m, r, s) == t) wynik.push_back({s, r});
  return wynik;
}

int NauczycielKomorki(const TModele& m, int r, int s) {
  const uint8_t v = m.Dyzury.Dyzurny(r, s);
  return m.Nauczyciele.Istnieje(v) ? v : -1;
}

std::string Utf8(const std::string& cp1250) { return Cp1250DoUtf8(cp1250); }

std::string NazwiskoImie(const TNaucz& n) { return Utf8(n.Nazwisko + " " + n.Imie); }

std::string DzienMomentu(const TModele& m, int s) {
  return Utf8(TDni::NazwaDnia(m.Dni.DzienILekcja(s).first, 0));
}

std::string EtykietaLekcji(const TModele& m, int s) {
  if (s < 0 || s >= m.Dni.LiczbaSlotow()) return {};
  const auto [dzien, lekcja] = m.Dni.DzienILekcja(s);
  return Utf8(m.Dni.Dni[static_cast<size_t>(dzien)].Godziny[static_cast<size_t>(lekcja)].Nazwa);
}

std::string SaleRejonu(const TModele& m, int r) {
  std::string wynik;
  if (!m.Rejony.Istnieje(r)) return wynik;
  for (const uint8_t sala : m.Rejony[r].SaleRejonu.Elementy()) {
    if (!m.Sale.Istnieje(sala)) continue;
    if (!wynik.empty()) wynik += ", ";
    wynik += Utf8(m.Sale[sala].Nazwa);
  }
  return wynik;
}

std::string KolorHtml(uint32_t kolor) {
  char tekst[8];
  std::snprintf(tekst, sizeof tekst, "#%02X%02X%02X", kolor & 0xFF, (kolor >> 8) & 0xFF,
                (kolor >> 16) & 0xFF);
  return tekst;
}

std::optional<std::pair<int, int>> GodzinyPrzerwy(const TModele& m, int k) {
  const auto koniec = PoczatekLekcji(EtykietaLekcji(m, k));
  if (!koniec || k >= m.Momenty.Liczba()) return std::nullopt;
  return std::pair{*koniec - m.Momenty[k].Minuty, *koniec};
}

std::string Zegar(int minuty, bool dwieCyfry) {
  minuty = (minuty % (24 * 60) + 24 * 60) % (24 * 60);
  char tekst[8];
  std::snprintf(tekst, sizeof tekst, dwieCyfry ? "%02d:%02d" : "%d:%02d", minuty / 60, minuty % 60);
  return tekst;
}

std::string GodzinyPrzerwyTekst(const TModele& m, int k) {
  const auto godziny = GodzinyPrzerwy(m, k);
  if (!godziny) return "";
  if (godziny->first == godziny->second) return Zegar(godziny->first);
  return Zegar(godziny->first) + "\xE2\x80\x93" + Zegar(godziny->second);
}

std::vector<int> NauczycieleAlfabetycznie(const TModele& m) {
  std::vector<std::tuple<std::string, std::string, int>> klucze;
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t)
    klucze.emplace_back(KluczPolski(m.Nauczyciele[t].Nazwisko), KluczPolski(m.Nauczyciele[t].Imie),
                        t);
  std::sort(klucze.begin(), klucze.end());
  std::vector<int> wynik;
  for (const auto& klucz : klucze) wynik.push_back(std::get<2>(klucz));
  return wynik;
}

}  // namespace velmor
