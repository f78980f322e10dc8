#pragma once
// The automatic entry done the plain way (loads recounted and every fact
// asked afresh for every cell), and random schools to run both ways on.
#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "core/document/dokument.h"
#include "core/planning/ogolne.h"
#include "core/planning/warianty.h"
#include "core/planning/wpis.h"

namespace velmor::testy {

// The judged facts of teacher t at cell (r, m), straight from the queries
// (the program has them from TOceniacz, this is what they must equal).
inline TFaktyKandydata FaktyKandydata(const TOgolne& o, const TObciazenia& obc, int t, int r,
                                      int m) {
  const TModele& mod = o.Modele();
  const TNaucz& n = mod.Nauczyciele[t];
  TFaktyKandydata f;
  f.Zakaz = m < n.Dyspozycja.Liczba() && n.Dyspozycja[m].Zakaz != 0;
  f.Dyzury = obc.Dyzury[static_cast<size_t>(t)];
  f.Minuty = obc.Minuty[static_cast<size_t>(t)];
  f.LimitDyzurow = n.LimitDyzurow;
  f.LimitMinut = n.LimitMinut;
  const bool jestMoment = m < mod.Momenty.Liczba();
  f.MinutyMomentu = jestMoment ? mod.Momenty[m].Minuty : 0;
  f.Zajety = o.rejon_dyzuru(t, m) != kBrak;
  f.DlugaZajeta = jestMoment && mod.Momenty[m].Dluga && o.dlugie_dyzury_dnia(t, m) > 0;
  f.Kod = o.kod_obecnosci(t, r, m);
  return f;
}

// The unattended choice as described: sort by score, offer the first record.
class TWyborSortujacy : public TWyborWariantu {
 public:
  int wybierz_wariant(TListaWariantow& lista) override {
    lista.sortuj_warianty(2);
    return lista.Wybor(0, false);
  }
};

// Column by column, top to bottom; closed cells and cells outside the duty
// table are passed over. Returns the number of cells written.
inline int wpisz_wzorcowo(TModele& modele, const TObszar& obszar, const TZasadyOceny& zasady,
                          TWyborWariantu& wybor, TListaWariantow& lista) {
  TDyzury& tabela = modele.Dyzury;
  const TOgolne ogolne(modele);
  int wpisano = 0;
  const int rejonDo = std::min(obszar.RejonDo, tabela.LiczbaRejonow() - 1);
  const int momentDo = std::min(obszar.MomentDo, tabela.LiczbaMomentow() - 1);
  for (int r = std::max(obszar.RejonOd, 0); r <= rejonDo; ++r) {
    for (int m = std::max(obszar.MomentOd, 0); m <= momentDo; ++m) {
      const uint8_t stary = tabela.Dyzurny(r, m);
      if (stary == kZamkniete) continue;
      lista.wyczysc_warianty(m);
      const TObciazenia obc = ogolne.policz_obciazenia();
      for (int t = 0; t < modele.Nauczyciele.Liczba(); ++t) {
        if (t == stary) continue;
        int komunikat = kBezKomunikatu;
        uint8_t zastrzezenie = 0;
        const int moc =
            ocen_kandydata(FaktyKandydata(ogolne, obc, t, r, m), zasady, komunikat, zastrzezenie);
        lista.dodaj_wariant(moc, static_cast<uint8_t>(t), komunikat, zastrzezenie);
      }
      const int d = wybor.wybierz_wariant(lista);
      if (d == -2) return wpisano;
      if (d < 0) continue;
      tabela.UstawDyzurnego(r, m, static_cast<uint8_t>(d));
      ++wpisano;
    }
  }
  return wpisano;
}

// What LosowaSzkola may vary; chances are per item.
struct TCechySzkoly {
  int Oddzialow = 0;  // 0: a third of the teachers, at least 2
  int Sal = 0;        // 0: twice the regions, at least 4
  int Przedmiotow = 12;
  int KrotszeDni = 2;      // a day has up to this many periods fewer
  double Zajetosc = 0.8;   // a class has a lesson in a slot
  double Dzielone = 0.15;  // such a lesson is split into two groups
  double Laczone = 0.1;    // a busy teacher takes a second class at once
  double Dlugie = 0.15;    // long breaks
  double Zakazy = 0.03;    // a teacher's ban at a moment
  double BezSal = 0.1;     // a region without rooms
  double Wpisane = 0.1, Zamkniete = 0.05, Bledne = 0.02;  // starting duty cells
  bool HojneLimity = false;                               // every limit generous
  bool Usterki = true;                                    // invalid indices here and there
};

// A random school whose timetable agrees with the classes' programme: a
// class's lesson names a subject whose programme cell names the teacher,
// who has the class in his list for that slot, and the room has the class.
inline TModele LosowaSzkola(unsigned ziarno, int nauczycieli, int dni, int lekcji, int rejonow,
                            const TCechySzkoly& c = {}) {
  std::mt19937 los(ziarno);
  const auto z = [&](int od, int doo) { return std::uniform_int_distribution<int>(od, doo)(los); };
  const auto szansa = [&](double p) { return std::uniform_real_distribution<double>()(los) < p; };
  const auto u8 = [](int x) { return static_cast<uint8_t>(x); };

  TModele m;
  m.Dni.Dni.assign(static_cast<size_t>(dni), TDzien{});
  for (TDzien& d : m.Dni.Dni)
    d.Godziny.resize(static_cast<size_t>(std::max(1, lekcji - z(0, c.KrotszeDni))));
  m.Dni.Przelicz();
  const int sloty = m.Dni.LiczbaSlotow();
  const int n = nauczycieli;
  const int oddzialow = c.Oddzialow > 0 ? c.Oddzialow : std::max(2, n / 3);
  const int sal = c.Sal > 0 ? c.Sal : std::max(4, 2 * rejonow);
  const int przedmiotow = std::max(1, c.Przedmiotow);

  m.Nauczyciele.ZmienRozmiar(n);
  for (TNaucz& t : m.Nauczyciele) {
    t.Dyspozycja.Pozycje.resize(static_cast<size_t>(sloty));
    const double p = std::uniform_real_distribution<double>()(los);
    if (c.HojneLimity || p >= 0.5) {
      t.LimitDyzurow = z(30, 60);
      t.LimitMinut = z(600, 1200);
    } else if (p < 0.08) {
      t.LimitDyzurow = 0;
      t.LimitMinut = z(0, 500);
    } else if (p < 0.16) {
      t.LimitDyzurow = z(1, 40);
      t.LimitMinut = 0;
    } else if (p < 0.35) {
      t.LimitDyzurow = z(1, 3);
      t.LimitMinut = z(100, 500);
    } else {
      t.LimitDyzurow = z(5, 40);
      t.LimitMinut = z(10, 45);
    }
  }
  m.Oddzialy.ZmienRozmiar(oddzialow);
  for (TOddz& o : m.Oddzialy) {
    o.Przedmioty.Pozycje.resize(static_cast<size_t>(sloty));
    o.Sale.Pozycje.resize(static_cast<size_t>(sloty));
  }
  m.Sale.ZmienRozmiar(sal);
  for (TSala& s : m.Sale) s.Zajecia.Pozycje.resize(static_cast<size_t>(sloty));

  m.Przedmioty.ZmienRozmiar(przedmiotow);
  for (TPrzedm& j : m.Przedmioty) {
    j.Program.Oczka.resize(static_cast<size_t>(oddzialow));
    for (TOczkoProg& o : j.Program.Oczka) o = {u8(z(1, 5)), u8(z(0, n - 1))};
    if (c.Usterki && szansa(0.1)) j.Program.Oczka.resize(static_cast<size_t>(z(0, oddzialow - 1)));
    if (c.Usterki && !j.Program.Oczka.empty() && szansa(0.1))
      j.Program.Oczka[static_cast<size_t>(z(0, j.Program.Liczba() - 1))].Nauczyciel = 249;
    if (szansa(0.3)) {
      for (int g = z(1, 2); g > 0; --g) {
        TWektor<uint8_t> grupa;
        for (int k = z(2, 3); k > 0; --k) grupa.Dodaj(u8(z(0, oddzialow - 1)));
        if (c.Usterki && szansa(0.3)) grupa.WstawW(z(0, grupa.Liczba()), 240);
        j.Grupy.Grupy.push_back(grupa);
      }
    }
  }

  // The teacher of subject j in class o, or kBrak.
  const auto uczacy = [&](int j, int o) -> uint8_t {
    const TProgWiersz& p = m.Przedmioty[j].Program;
    return o < p.Liczba() && p.Oczka[static_cast<size_t>(o)].Nauczyciel < n
               ? p.Oczka[static_cast<size_t>(o)].Nauczyciel
               : kBrak;
  };
  std::vector<char> zajety(static_cast<size_t>(n));
  for (int s = 0; s < sloty; ++s) {
    std::fill(zajety.begin(), zajety.end(), 0);
    for (int o = 0; o < oddzialow; ++o) {
      if (!szansa(c.Zajetosc)) continue;
      TOddz& oddz = m.Oddzialy[o];
      const int grup = szansa(c.Dzielone) ? 2 : 1;
      for (int g = 0; g < grup; ++g) {
        const int j = z(0, przedmiotow - 1);
        const uint8_t t = uczacy(j, o);
        if (t != kBrak && zajety[t] && !szansa(c.Laczone)) continue;
        const int sala = z(0, sal - 1);
        if (c.Usterki && szansa(0.02)) {  // an entry that names no subject
          oddz.Przedmioty[s].Lista.Dodaj(250);
          oddz.Sale[s].Lista.Dodaj(u8(z(0, sal - 1)));
        }
        oddz.Przedmioty[s].Lista.Dodaj(u8(j));
        if (c.Usterki && szansa(0.03)) {
          if (szansa(0.5)) oddz.Sale[s].Lista.Dodaj(u8(std::min(sal + z(0, 3), 255)));
        } else {
          oddz.Sale[s].Lista.Dodaj(u8(sala));
        }
        m.Sale[sala].Zajecia[s].Lista.Dodaj(u8(o));
        if (t != kBrak) {
          m.Nauczyciele[t].Dyspozycja[s].Lista.Dodaj(u8(o));
          zajety[t] = 1;
        }
      }
    }
    for (int t = 0; t < n; ++t) {
      if (c.Usterki && !zajety[static_cast<size_t>(t)] && szansa(0.01))
        m.Nauczyciele[t].Dyspozycja[s].Lista.Dodaj(249);
      if (szansa(c.Zakazy)) m.Nauczyciele[t].Dyspozycja[s].Zakaz = u8(z(1, 2));
    }
  }
  if (c.Usterki)
    for (TNaucz& t : m.Nauczyciele)
      if (szansa(0.03)) t.Dyspozycja.Pozycje.resize(static_cast<size_t>(z(0, sloty)));

  m.Momenty.ZmienRozmiar(sloty);
  for (int k = 0; k < sloty; ++k) {
    m.Momenty[k].Minuty = u8(z(5, 20));
    m.Momenty[k].Dluga = szansa(c.Dlugie) ? 1 : 0;
  }

  // Rooms spread over the regions, some extra, some past the room list.
  m.Rejony.ZmienRozmiar(rejonow);
  for (int s = 0; s < sal; ++s)
    if (rejonow > 0) m.Rejony[s % rejonow].SaleRejonu.Dodaj(u8(s));
  for (TRejon& r : m.Rejony) {
    if (szansa(c.BezSal)) r.SaleRejonu.ZmienRozmiar(0);
    else if (szansa(0.3)) r.SaleRejonu.Dodaj(u8(z(0, sal - 1)));
    if (c.Usterki && szansa(0.1)) {
      const uint8_t poza[] = {u8(std::min(sal + z(0, 5), 255)), kBrak, 255};
      if (szansa(0.3)) r.SaleRejonu.ZmienRozmiar(0);
      r.SaleRejonu.WstawW(z(0, r.SaleRejonu.Liczba()), poza[z(0, 2)]);
    }
  }

  m.Dyzury.ZmienRozmiar(rejonow, sloty);
  m.Dyzury.UstawWszystkie(kBrak);
  const uint8_t bledne[] = {249, 250, 253, 255, u8(std::min(n, 250))};
  for (int k = 0; k < sloty; ++k)
    for (int r = 0; r < rejonow; ++r) {
      const double p = std::uniform_real_distribution<double>()(los);
      if (p < c.Wpisane) m.Dyzury.UstawDyzurnego(r, k, u8(z(0, n - 1)));
      else if (p < c.Wpisane + c.Zamkniete) m.Dyzury.UstawDyzurnego(r, k, kZamkniete);
      else if (p < c.Wpisane + c.Zamkniete + c.Bledne)
        m.Dyzury.UstawDyzurnego(r, k, bledne[z(0, 4)]);
    }
  return m;
}

// The benchmarks' large school: 200 teachers, 5 days of 10 periods, 40
// regions, generous limits, an empty duty table.
inline TModele DuzaSzkola() {
  TCechySzkoly c;
  c.KrotszeDni = 0;
  c.Wpisane = c.Zamkniete = c.Bledne = 0;
  c.HojneLimity = true;
  c.Usterki = false;
  return LosowaSzkola(2025, 200, 5, 10, 40, c);
}

// The largest plan the format holds: 251 teachers, 10 days of 975 periods,
// 251 regions and rooms, no cell entered beforehand.
inline TModele NajwiekszaSzkola() {
  TCechySzkoly c;
  c.Sal = 251;
  c.KrotszeDni = 0;
  c.Wpisane = c.Bledne = 0;
  c.Usterki = false;
  return LosowaSzkola(3, 251, 10, 975, 251, c);
}

}  // namespace velmor::testy
