#include "core/eksport/gpu009.h"

#include <map>
#include <utility>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"
#include "core/import/budowa.h"

namespace velmor {
namespace {

using TOsoba = std::pair<std::string, std::string>;  // surname, first name, UTF-8

// Each person's short names in GPU004's order.
std::map<TOsoba, std::vector<std::string>> Skroty(std::string_view gpu004) {
  std::map<TOsoba, std::vector<std::string>> skroty;
  const std::string tekst = TekstUtf8(gpu004, TKodowanie::Samo);
  for (const TWierszTekstu& w : Wiersze(tekst, Separator(tekst), "GPU004"))
    if (w.pola.size() >= 3 && !w.pola[0].empty())
      skroty[{w.pola[1], w.pola[2]}].push_back(w.pola[0]);
  return skroty;
}

// The short name of every teacher.
std::vector<std::string> Nazwy(const TModele& m, std::string_view gpu004,
                               std::vector<std::string>* nieznalezieni) {
  const std::map<TOsoba, std::vector<std::string>> skroty = Skroty(gpu004);
  std::map<TOsoba, size_t> ktory;
  std::vector<std::string> nazwy;
  for (const TNaucz& n : m.Nauczyciele) {
    const TOsoba osoba{Cp1250DoUtf8(n.Nazwisko), Cp1250DoUtf8(n.Imie)};
    const auto s = skroty.find(osoba);
    const size_t k = ktory[osoba]++;
    if (s != skroty.end() && k < s->second.size()) {
      nazwy.push_back(s->second[k]);
      continue;
    }
    nazwy.push_back(osoba.first);
    if (nieznalezieni && !gpu004.empty())
      nieznalezieni->push_back(Cp1250DoUtf8(n.NazwaNauczyciela()));
  }
  return nazwy;
}

std::string Cytat(const std::string& t) {
  std::string wynik = "\"";
  for (char z : t) wynik += z == '"' ? std::string("\"\"") : std::string(1, z);
  return wynik + "\"";
}

int Liczba(const TWierszTekstu& w, size_t i) {
  const std::string& p = w.pola[i];
  if (p.empty() || p.size() > 5 || p.find_first_not_of("0123456789") != std::string::npos)
    throw EStrumien("GPU009: wiersz " + std::to_string(w.linia) + ": \"" + p + "\" to nie liczba");
  return std::stoi(p);
}

}  // namespace

std::vector<TNadzorGpu> NadzoryGpu(const TModele& m, std::string_view gpu004,
                                   std::vector<std::string>* nieznalezieni) {
  const std::vector<std::string> nazwy = Nazwy(m, gpu004, nieznalezieni);
  std::vector<TNadzorGpu> nadzory;
  for (int s = 0; s < m.Dyzury.LiczbaMomentow() && s < m.Momenty.Liczba(); ++s) {
    const auto [dzien, lekcja] = m.Dni.DzienILekcja(s);
    const auto& wiersz = m.Dyzury.Wiersz(s).Elementy();
    for (size_t r = 0; r < wiersz.size() && r < static_cast<size_t>(m.Rejony.Liczba()); ++r)
      if (m.Nauczyciele.Istnieje(wiersz[r]))
        nadzory.push_back({Cp1250DoUtf8(m.Rejony[static_cast<int>(r)].Nazwa), nazwy[wiersz[r]],
                           dzien + 1, lekcja + 1, m.Momenty[s].Minuty});
  }
  return nadzory;
}

std::string CzytajGpu004(const std::filesystem::path& plik) {
  std::string bajty = CzytajPlikObcy(plik, "GPU004");
  Skroty(bajty);
  return bajty;
}

std::string TekstGpu009(const std::vector<TNadzorGpu>& nadzory) {
  std::string tekst;
  for (const TNadzorGpu& n : nadzory)
    tekst += Cytat(n.Korytarz) + "," + Cytat(n.Nauczyciel) + "," + std::to_string(n.Dzien) + "," +
             std::to_string(n.Lekcja) + "," + std::to_string(n.Minuty) + "\r\n";
  return tekst;
}

std::vector<TNadzorGpu> CzytajGpu009(std::string_view surowy, TKodowanie kodowanie) {
  const std::string tekst = TekstUtf8(surowy, kodowanie);
  std::vector<TNadzorGpu> nadzory;
  for (const TWierszTekstu& w : Wiersze(tekst, Separator(tekst), "GPU009")) {
    if (w.pola.size() < 5)
      throw EStrumien("GPU009: wiersz " + std::to_string(w.linia) + ": mniej niż 5 pól");
    nadzory.push_back({w.pola[0], w.pola[1], Liczba(w, 2), Liczba(w, 3), Liczba(w, 4)});
  }
  return nadzory;
}

}  // namespace velmor
