#include "core/eksport/zastepstwa.h"

#include <cstdio>

#include "core/eksport/wspolne.h"
#include "core/model/data.h"
#include "core/planning/pokrycie.h"

namespace velmor {

std::string DzienZastepstw(int data) {
  return Utf8(TDni::NazwaDnia((DzienTygodnia(data) + 5) % 7, 0)) + " " + DataPolska(data);
}

std::vector<TLiniaZastepstwa> LinieZastepstw(const TModele& m, int data) {
  std::vector<TLiniaZastepstwa> linie;
  for (const TPozycjaPokrycia& p : PozycjeDnia(m, data)) {
    TLiniaZastepstwa l{Utf8(m.Momenty[p.Moment].Nazwa), Utf8(m.Rejony[p.Rejon].Nazwa),
                       Utf8(m.Nauczyciele[p.Nieobecny].NazwaNauczyciela()), "",
                       p.Kto == kZamkniete};
    if (m.Nauczyciele.Istnieje(p.Kto)) l.Kto = Utf8(m.Nauczyciele[p.Kto].NazwaNauczyciela());
    linie.push_back(std::move(l));
  }
  return linie;
}

std::string ZastepstwaTekst(const TModele& m, int data) {
  std::string t = "Zastępstwa na dyżurach, " + DzienZastepstw(data) + ":\n";
  const std::vector<TLiniaZastepstwa> linie = LinieZastepstw(m, data);
  for (const TLiniaZastepstwa& l : linie)
    t += "- " + l.Moment + ", " + l.Rejon + ": " +
         (l.BezZastepstwa ? std::string("bez zastępstwa")
          : l.Kto.empty() ? std::string("nieobsadzony")
                          : l.Kto) +
         " (za: " + l.Nieobecny + ")\n";
  if (linie.empty()) t += "- brak\n";
  return t;
}

}  // namespace velmor
