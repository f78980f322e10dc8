#include "powloka.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "core/model/wspolne.h"
#include "mala_szkola.h"

namespace velmor::testy {

TSzkola Szkola(const std::vector<int>& lekcje, int nauczycieli, int sal) {
  TModele m = Szkola(lekcje, nauczycieli, 1, sal, 0);
  for (TDzien& dzien : m.Dni.Dni)
    for (size_t i = 0; i < dzien.Godziny.size(); ++i)
      dzien.Godziny[i].Nazwa = Nazwa("", 8 + static_cast<int>(i)) + ":00";
  for (int t = 0; t < nauczycieli; ++t) {
    m.Nauczyciele[t].Nazwisko = Nazwa("N", t);
    m.Nauczyciele[t].LimitDyzurow = m.Nauczyciele[t].LimitMinut = 0;  // as a timetable has them
  }
  m.Oddzialy[0].Nazwa = "1a";
  for (int r = 0; r < sal; ++r) m.Sale[r].Nazwa = Nazwa("S", r);
  return {m.Dni, m.Nauczyciele, m.Oddzialy, m.Sale, m.Przedmioty};
}

TDokument ZapiszPlanDyzurow(const std::filesystem::path& plik, const TSzkola& szkola, int rejonow,
                            const TStopka& stopka) {
  TDokument d;
  const std::filesystem::path lekcje = plik.string() + ".tbx";
  ZapiszPlanLekcji(lekcje, kWersjaZapisu, szkola);
  EXPECT_TRUE(d.OtworzPlik(lekcje, kRodzajPlanLekcji));
  std::filesystem::remove(lekcje);
  PrzebudujPlan(d, TKsztaltPlanu{}, {false, false, false, false});
  for (int r = 0; r < rejonow; ++r) {
    d.Rejony.WstawRejon(r, d.Dyzury);
    d.Rejony[r].Nazwa = Nazwa("R", r);
    if (d.Sale.Liczba() > 0) d.Rejony[r].SaleRejonu = {static_cast<uint8_t>(r % d.Sale.Liczba())};
  }
  for (int s = 0; s < d.Momenty.Liczba(); ++s) {
    d.Momenty[s].Nazwa = Nazwa("m", s);
    d.Momenty[s].Minuty = static_cast<uint8_t>(s + 5);
  }
  const int n = d.Nauczyciele.Liczba();
  for (int t = 0; t < n; ++t) {
    d.Nauczyciele[t].LimitDyzurow = t + 1;
    d.Nauczyciele[t].LimitMinut = 10 * (t + 1);
  }
  for (int s = 0; s < d.Dyzury.LiczbaMomentow() && n > 0; ++s)
    for (int r = 0; r < rejonow; ++r)
      d.Dyzury.UstawDyzurnego(r, s, static_cast<uint8_t>((s + r) % n));
  d.Stopka = stopka;
  EXPECT_TRUE(d.ZapiszPlik(plik));
  TDokument wynik;
  EXPECT_TRUE(wynik.OtworzPlik(plik, kRodzajPlanDyzurow));
  return wynik;
}

void Powloka::SetUp() {
  std::filesystem::create_directories(folder / "dok");
  std::filesystem::create_directories(folder / "program");
  program_ = std::make_unique<TProgram>(Parametry(), dialogi);
}

TParametryUruchomieniowe Powloka::Parametry(const std::vector<std::string>& argumenty) const {
  return TParametryUruchomieniowe::Zbuduj((folder / "program").string(), (folder / "dok").string(),
                                          argumenty);
}

void Powloka::Uruchom(const std::vector<std::string>& argumenty) {
  program_.reset();
  program_ = std::make_unique<TProgram>(Parametry(argumenty), dialogi);
}

void Powloka::UruchomIPokaz(const std::vector<std::string>& argumenty) {
  Uruchom(argumenty);
  Glowne().show();
}

bool Powloka::DaneDostepne() {
  const Tffdmain::TPolecenia& p = Glowne().Polecenia();
  const bool dane = p.Dane->menuAction()->isEnabled();
  EXPECT_EQ(p.Dyzury->isEnabled(), dane);
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(p.Przyciski[static_cast<size_t>(i)]->isEnabled(), dane) << i;
  EXPECT_TRUE(p.Przyciski[0]->isEnabled());
  EXPECT_TRUE(p.Przyciski[5]->isEnabled());
  return dane;
}

}  // namespace velmor::testy
