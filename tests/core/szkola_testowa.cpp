#include "szkola_testowa.h"

#include <initializer_list>
#include <string>

#include "core/archive/cp1250.h"
#include "core/model/data.h"

namespace velmor::testy {
namespace {

TPozycjaDysp Pozycja(int znacznik, std::initializer_list<uint8_t> lista) {
  TPozycjaDysp p;
  p.Znacznik = static_cast<uint8_t>(znacznik);
  p.Lista = TKrotkaLista(lista);
  return p;
}

}  // namespace

TSzkola PrzykladowaSzkola() {
  TSzkola s;
  const auto godziny = [](int n) {
    TDzien d;
    for (int i = 0; i < n; ++i) d.Godziny.push_back({std::to_string(8 + i) + ":00"});
    d.Kolor = 0x00200000u + static_cast<uint32_t>(n);
    return d;
  };
  s.Dni.Dni = {godziny(3), godziny(2), godziny(0), godziny(4)};
  s.Dni.DataPoczatku = *ZakodujDate(2003, 9, 1);
  s.Dni.Znacznik1 = 0x41;
  s.Dni.Znacznik2 = 0x42;
  s.Dni.PierwszyDzien = 1;
  s.Dni.OstatniDzien = 2;
  s.Dni.Przelicz();
  const int sloty = s.Dni.LiczbaSlotow();

  const char* nazwiska[][2] = {
      {"Nowak", "Jan"}, {"Kowalska", "Żaneta"}, {"Wiśniewski", "Łukasz"}, {"Dąbrowska", "Ewa"}};
  s.Nauczyciele.ZmienRozmiar(4);
  for (int t = 0; t < 4; ++t) {
    TNaucz& n = s.Nauczyciele[t];
    n.Nazwisko = Utf8DoCp1250(nazwiska[t][0]);
    n.Imie = Utf8DoCp1250(nazwiska[t][1]);
    n.Kolor = 0x00112233u + 0x00010101u * static_cast<uint32_t>(t);
    for (int k = 0; k < sloty; ++k) {
      const auto c = static_cast<uint8_t>(k % 3);
      const int z = 16 * t + k + 1;
      TPozycjaDysp p = Pozycja(z, {});
      if (t == 0) p = Pozycja(z, {c});
      if (t == 1 && k % 2 == 1) p = Pozycja(z, {uint8_t((k + 1) % 3), uint8_t((k + 2) % 3)});
      if (t == 2 && k % 4 == 0) p = Pozycja(z, {kBrak});
      if (t == 2 && k % 4 == 1) p = Pozycja(z, {2});
      if (t == 3 && k == sloty - 1) p = Pozycja(z, {1, 0});
      n.Dyspozycja.Pozycje.push_back(p);
    }
  }

  const char* klasy[] = {"1a", "2b", "3ć"};
  s.Oddzialy.ZmienRozmiar(3);
  for (int c = 0; c < 3; ++c) {
    TOddz& o = s.Oddzialy[c];
    o.Nazwa = Utf8DoCp1250(klasy[c]);
    o.Kolor = 0x00300000u + static_cast<uint32_t>(c);
    for (int k = 0; k < sloty; ++k) {
      const int z = 100 + 10 * c + k;
      if ((k + c) % 4 == 3) {
        o.Przedmioty.Pozycje.push_back(Pozycja(z, {}));
        o.Sale.Pozycje.push_back(Pozycja(z, {}));
      } else if ((k + c) % 5 == 1) {  // split into two groups
        o.Przedmioty.Pozycje.push_back(Pozycja(z, {0, 2}));
        o.Sale.Pozycje.push_back(Pozycja(z, {1, 2}));
      } else {
        o.Przedmioty.Pozycje.push_back(Pozycja(z, {uint8_t((k + c) % 3)}));
        o.Sale.Pozycje.push_back(Pozycja(z, {k == 0 && c == 2 ? kBrak : uint8_t(c)}));
      }
    }
  }

  const char* sale[] = {"Sala 1", "Pracownia łąk", "Sala gimnastyczna"};
  s.Sale.ZmienRozmiar(3);
  s.Sale[0].Dane1 = {1, 2, 3};
  s.Sale[0].Dane2 = {7, 8, 9};
  s.Sale[1].Dane1 = {kBrak, 0, 200};
  s.Sale[1].Dane2 = {0, 255, 1};
  for (int r = 0; r < 3; ++r) {
    TSala& sala = s.Sale[r];
    sala.Nazwa = Utf8DoCp1250(sale[r]);
    sala.Kolor = 0x00400000u + static_cast<uint32_t>(r);
    for (int k = 0; k < sloty; ++k) {
      const int z = 50 + 10 * r + k;
      if (r == 2 && k == 5) sala.Zajecia.Pozycje.push_back(Pozycja(z, {0, 1, kBrak}));
      else if ((k + r) % 3 == 0) sala.Zajecia.Pozycje.push_back(Pozycja(z, {}));
      else sala.Zajecia.Pozycje.push_back(Pozycja(z, {uint8_t((k + r) % 3)}));
    }
  }

  const char* przedmioty[] = {"Matematyka", "Język polski", "Wychowanie fizyczne"};
  const uint8_t znaczniki[] = {kBrak, 17, 255};
  s.Przedmioty.ZmienRozmiar(3);
  for (int p = 0; p < 3; ++p) {
    TPrzedm& pr = s.Przedmioty[p];
    pr.Nazwa = Utf8DoCp1250(przedmioty[p]);
    pr.Kolor = 0x00500000u + static_cast<uint32_t>(p);
    pr.Znacznik = znaczniki[p];
    for (int c = 0; c < 3; ++c)
      pr.Program.Oczka.push_back({uint8_t((p + c) % 4 + 1), uint8_t((p + c) % 4)});
  }
  s.Przedmioty[2].Program.Oczka[2].Nauczyciel = kBrak;
  s.Przedmioty[0].Grupy.Grupy = {TWektor<uint8_t>{0, 1}};
  s.Przedmioty[1].Grupy.Grupy = {TWektor<uint8_t>{0, 2}, TWektor<uint8_t>{1}};
  return s;
}

}  // namespace velmor::testy
