#include "core/grid/strona.h"

#include <algorithm>

namespace velmor {
namespace {

int Mm(int mm, int dpi) { return static_cast<int>(mm * dpi / 25.4); }

int Rozmiar(std::span<const int> rozmiary, int i, double skala) {
  return static_cast<int>(rozmiary[static_cast<size_t>(i)] * skala);
}

// The lines a page takes in one direction: the frozen ones from `odStalej`
// first when headers print, then the range (lines already taken as frozen are
// not taken twice). `f` gets the line and whether it belongs to the range part.
template <typename F>
void Kolejno(int stale, int odStalej, bool naglowki, int pierwszy, int ostatni, F f) {
  int od = pierwszy;
  if (naglowki) {
    for (int i = odStalej; i < stale; ++i) f(i, false);
    od = std::max(pierwszy, stale);
  }
  for (int i = od; i <= ostatni; ++i) f(i, true);
}

struct TKierunek {
  std::span<const int> Rozmiary;
  int Stale, OdStalej;
  bool Naglowki;
  int Pierwszy, Ostatni;
};

// Band starts, the end of the range last. A band starts anew at a range
// line that goes past `limit`. A line that does not fit even on a page of its
// own stays where it begins (and is cut there) rather than leaving an empty
// band before it.
std::vector<int> Podzial(const TKierunek& k, int start, int limit, int nowyStart, double skala) {
  std::vector<int> podzial{k.Pierwszy};
  int pos = start;
  bool odGory = start <= nowyStart;  // the current band began at the top of a page
  Kolejno(k.Stale, k.OdStalej, k.Naglowki, k.Pierwszy, k.Ostatni, [&](int i, bool zakresu) {
    pos += Rozmiar(k.Rozmiary, i, skala);
    if (pos > limit && zakresu && (i > podzial.back() || !odGory)) {
      podzial.push_back(i);
      pos = nowyStart + Rozmiar(k.Rozmiary, i, skala) + 1;
      odGory = true;
    }
  });
  podzial.push_back(k.Ostatni + 1);
  return podzial;
}

bool Poprawne(const TUrzadzenieStrony& u) {
  return u.EkranX > 0 && u.EkranY > 0 && u.DrukarkaX > 0 && u.DrukarkaY > 0 && u.Szer > 0 &&
         u.Wys > 0;
}

}  // namespace

int TUkladStron::IniStrony(const TUrzadzenieStrony& u, int pozycjaArkusza, const TOpcjeWydruku& o,
                           const TSiatkaDoDruku& s) {
  SkalaDruku = o.Skala;
  LeweNaglowki = o.LeweNaglowki;
  GorneNaglowki = o.GorneNaglowki;
  TrybKolorow = o.TrybKolorow;
  PodzialKolumn.clear();
  PodzialWierszy.clear();
  TytulSieNieMiesci = false;
  if (!Poprawne(u) || s.Szerokosci.empty() || s.Wysokosci.empty()) return 0;

  LewyMargines = Mm(o.LewyMm, u.DrukarkaX);
  PrawyMargines = Mm(o.PrawyMm, u.DrukarkaX);
  GornyMargines = Mm(o.GornyMm, u.DrukarkaY);
  DolnyMargines = Mm(o.DolnyMm, u.DrukarkaY);
  DziesiecMm = Mm(10, u.DrukarkaY);
  SkalaX = u.DrukarkaX * static_cast<double>(o.Skala) / u.EkranX;
  SkalaY = u.DrukarkaY * static_cast<double>(o.Skala) / u.EkranY;
  PodgladX = static_cast<double>(u.PodgladSzer) / u.Szer;
  PodgladY = static_cast<double>(u.PodgladWys) / u.Wys;
  PodgladCzcionki =
      static_cast<double>(u.PodgladSzer) / u.EkranX / (static_cast<double>(u.Szer) / u.DrukarkaX);

  const int ostK = static_cast<int>(s.Szerokosci.size()) - 1;
  const int ostW = static_cast<int>(s.Wysokosci.size()) - 1;
  Szerokosci.assign(s.Szerokosci.begin(), s.Szerokosci.end());
  Wysokosci.assign(s.Wysokosci.begin(), s.Wysokosci.end());
  FixedCols = s.FixedCols;
  FixedRows = s.FixedRows;
  OdStalejKolumny = s.OdStalejKolumny;
  OdStalegoWiersza = s.OdStalegoWiersza;
  TKierunek kol{s.Szerokosci, s.FixedCols, s.OdStalejKolumny, o.LeweNaglowki, s.FixedCols, ostK};
  TKierunek wie{s.Wysokosci, s.FixedRows, s.OdStalegoWiersza, o.GorneNaglowki, s.FixedRows, ostW};
  if (o.TylkoZaznaczenie) {
    kol.Pierwszy = std::clamp(s.Zaznaczenie.Left, 0, ostK);
    kol.Ostatni = std::clamp(s.Zaznaczenie.Right, kol.Pierwszy, ostK);
    wie.Pierwszy = std::clamp(s.Zaznaczenie.Top, 0, ostW);
    wie.Ostatni = std::clamp(s.Zaznaczenie.Bottom, wie.Pierwszy, ostW);
  }

  PodzialKolumn = Podzial(kol, LewyMargines, u.Szer - PrawyMargines, LewyMargines, SkalaX);

  const int gora = DziesiecMm + GornyMargines;
  int y = gora;
  if (pozycjaArkusza > 0) {
    y = pozycjaArkusza + DziesiecMm;
    const int pierwszy = o.GorneNaglowki ? std::min(s.OdStalegoWiersza, ostW) : wie.Pierwszy;
    if (y > u.Wys - DolnyMargines - Rozmiar(s.Wysokosci, pierwszy, SkalaY)) {
      TytulSieNieMiesci = true;
      y = gora;
    }
  }
  GoraPierwszej = y;
  PodzialWierszy = Podzial(wie, y, u.Wys - DolnyMargines, gora, SkalaY);
  return LiczbaStron();
}

std::optional<TOpisStrony> TUkladStron::OpisStrony(int strona) const {
  if (strona < 0 || strona >= LiczbaStron()) return std::nullopt;
  TOpisStrony o;
  o.PasKolumn = strona / PasyWierszy();
  o.PasWierszy = strona % PasyWierszy();
  const auto k = static_cast<size_t>(o.PasKolumn), w = static_cast<size_t>(o.PasWierszy);
  o.PierwszaKolumna = PodzialKolumn[k];
  o.OstatniaKolumna = PodzialKolumn[k + 1] - 1;
  o.PierwszyWiersz = PodzialWierszy[w];
  o.OstatniWiersz = PodzialWierszy[w + 1] - 1;
  o.X = LewyMargines;
  o.Y = o.PasWierszy == 0 ? GoraPierwszej : DziesiecMm + GornyMargines;
  o.LeweNaglowki = LeweNaglowki && o.PasKolumn == 0;
  o.GorneNaglowki = GorneNaglowki && o.PasWierszy == 0;
  return o;
}

std::vector<TOdcinek> OdcinkiStrony(std::span<const int> rozmiary, int stale, bool naglowki,
                                    int pierwszy, int ostatni, int poczatek, double skala,
                                    double podglad, int odStalej) {
  std::vector<TOdcinek> wynik;
  const int ost = std::min(ostatni, static_cast<int>(rozmiary.size()) - 1);
  int pos = poczatek;
  Kolejno(std::min(stale, ost + 1), odStalej, naglowki, std::max(pierwszy, 0), ost,
          [&](int i, bool) {
            const int koniec =
                pos + static_cast<int>(rozmiary[static_cast<size_t>(i)] * skala * podglad);
            wynik.push_back({i, pos, koniec});
            pos = koniec;
          });
  return wynik;
}

std::string LiczbaStronNapis(int strony) {
  const char* koncowka = strony == 1                  ? " strona"
                         : strony >= 2 && strony <= 4 ? " strony"
                                                      : " stron";
  return std::to_string(strony) + koncowka;
}

TObszarPodgladu ObszarPodgladu(int szerStrony, int wysStrony) {
  constexpr int kX = 302, kY = 35, kBok = 400;
  if (szerStrony <= 0 || wysStrony <= 0) return {kX, kY, kBok, kBok};
  if (szerStrony < wysStrony) {
    const int w = szerStrony * kBok / wysStrony;
    return {kX + (kBok - w) / 2, kY, w, kBok};
  }
  const int h = wysStrony * kBok / szerStrony;
  return {kX, kY + (kBok - h) / 2, kBok, h};
}

}  // namespace velmor
