#include "plan_lekcji.h"

#include <string>

#include "core/archive/cp1250.h"
#include "core/archive/napisy.h"
#include "core/archive/strumien.h"
#include "core/model/data.h"

namespace velmor::testy {
namespace {

constexpr uint8_t kWypelniacz = 0xEE;  // every skipped byte

class TPisarzPlanu {
 public:
  TPisarzPlanu(const std::filesystem::path& plik, int wersja, const TWstawkiPlanu& wstawki)
      : z_(plik), v_(wersja), w_(wstawki) {
    z_.ZapiszBajt(static_cast<uint8_t>(wersja));
  }

  void Dni(const TDni& dni) {
    z_.PoczatekSekcji(0);
    z_.ZapiszI32(static_cast<int32_t>(dni.Dni.size()));
    for (const TDzien& d : dni.Dni) {
      z_.ZapiszI32(static_cast<int32_t>(d.Godziny.size()));
      for (const TGodz& g : d.Godziny) ZapiszNapis(z_, g.Nazwa);
      z_.ZapiszI32(static_cast<int32_t>(d.Kolor));
    }
    z_.ZapiszBajt(dni.Znacznik1);
    if (v_ >= 75) {
      z_.ZapiszF64(dni.DataPoczatku);
      z_.ZapiszBajt(dni.Znacznik2);
      z_.ZapiszI32(dni.PierwszyDzien);
      z_.ZapiszI32(dni.OstatniDzien);
    } else {
      const TDataKalendarzowa d = RozkodujDate(dni.DataPoczatku);
      z_.ZapiszI16(static_cast<int16_t>(d.Rok));
      z_.ZapiszI16(static_cast<int16_t>(d.Miesiac));
      z_.ZapiszI16(static_cast<int16_t>(d.Dzien));
    }
  }

  void Nauczyciele(const TNauczle& lista) {
    z_.PoczatekSekcji(1);
    if (Liczba(w_.LiczbaNauczycieli, lista.Liczba())) return;
    for (int i = 0; i < lista.Liczba(); ++i) {
      const TNaucz& n = lista[i];
      ZapiszNapis(z_, n.Nazwisko);
      ZapiszNapis(z_, n.Imie);
      Pomin(4);
      if (i == 0) {
        if (Liczba(w_.LiczbaSlotowNauczyciela, n.Dyspozycja.Liczba())) continue;
        PozycjeDysp(n.Dyspozycja, &w_.ListaNauczyciela);
      } else {
        Dysp(n.Dyspozycja);
      }
      ListaA(i == 0 ? &w_.LiczbaListyA : nullptr);
      z_.ZapiszI32(static_cast<int32_t>(n.Kolor));
    }
  }

  void Oddzialy(const TOddzialy& lista) {
    z_.PoczatekSekcji(2);
    z_.ZapiszI32(lista.Liczba());
    for (const TOddz& o : lista) {
      ZapiszNapis(z_, o.Nazwa);
      if (v_ >= 98) Pomin(4);
      Dysp(o.Przedmioty);
      Dysp(o.Sale);
      z_.ZapiszI32(2);
      Pomin(2);
      ListaA(nullptr);
      if (v_ >= 74) ListaB();
      z_.ZapiszI32(static_cast<int32_t>(o.Kolor));
    }
  }

  void Sale(const TSale& lista) {
    z_.PoczatekSekcji(3);
    z_.ZapiszI32(lista.Liczba());
    for (int i = 0; i < lista.Liczba(); ++i) {
      const TSala& s = lista[i];
      ZapiszNapis(z_, s.Nazwa);
      if (v_ >= 98) Pomin(4);
      for (size_t b = 0; b < 3; ++b)
        Indeks(s.Dane1[b], false, i == 0 && b == 1 ? &w_.Dane1Sali : nullptr);
      z_.Write(s.Dane2.data(), 3);
      Dysp(s.Zajecia);
      ListaA(nullptr);
      z_.ZapiszI32(static_cast<int32_t>(s.Kolor));
    }
  }

  void Przedmioty(const TPrzedmioty& lista) {
    z_.PoczatekSekcji(4);
    z_.ZapiszI32(lista.Liczba());
    for (int i = 0; i < lista.Liczba(); ++i) {
      const TPrzedm& p = lista[i];
      const auto wstawka = [&](std::optional<int16_t>& w) { return i == 0 ? &w : nullptr; };
      ZapiszNapis(z_, p.Nazwa);
      Indeks(p.Znacznik, false, wstawka(w_.ZnacznikPrzedmiotu));
      z_.ZapiszI32(p.Program.Liczba());
      for (const TOczkoProg& o : p.Program.Oczka) {
        z_.ZapiszBajt(o.LiczbaGodzin);
        Pomin(6 + (v_ >= 82 ? 2 : 1));
        Indeks(o.Nauczyciel, false, wstawka(w_.NauczycielProgramu));
        if (v_ >= 81) Pomin(4);
      }
      z_.ZapiszI32(p.Grupy.Liczba());
      for (const TWektor<uint8_t>& g : p.Grupy.Grupy) {
        z_.ZapiszI32(g.Liczba());
        for (int k = 0; k < g.Liczba(); ++k) Indeks(g[k], true, wstawka(w_.Grupa));
        if (v_ >= 91) ZapiszNapis(z_, kTekstGrupy);
      }
      z_.ZapiszI32(static_cast<int32_t>(p.Kolor));
    }
  }

  void ObceSekcje() {
    for (int sekcja : {5, 11, 12, 13}) {
      z_.PoczatekSekcji(sekcja);
      for (int i = 0; i < 64; ++i) z_.ZapiszBajt(static_cast<uint8_t>(i * 37 + sekcja));
    }
  }

  void Zamknij() { z_.Zamknij(); }

 private:
  void Pomin(int n) {
    for (int i = 0; i < n; ++i) z_.ZapiszBajt(kWypelniacz);
  }

  // Writes the count, or its replacement; true when replaced (the caller
  // then leaves the items out).
  bool Liczba(std::optional<int32_t>& wstawka, int liczba) {
    z_.ZapiszI32(wstawka ? *wstawka : liczba);
    const bool zamiana = wstawka.has_value();
    wstawka.reset();
    return zamiana;
  }

  // A byte value; from v82 an int16 with 251 as 1000, except in groups,
  // whose reads turn 1000 into 232 and so take 251 as it is.
  void Indeks(uint8_t b, bool grupowy, std::optional<int16_t>* wstawka) {
    int16_t x = v_ >= 82 && !grupowy && b == kBrak ? int16_t{1000} : int16_t{b};
    if (wstawka && *wstawka) {
      x = **wstawka;
      wstawka->reset();
    }
    if (v_ <= 81)
      z_.ZapiszBajt(static_cast<uint8_t>(x & 0xFF));
    else
      z_.ZapiszI16(x);
  }

  void Dysp(const TDysp& d) {
    z_.ZapiszI32(d.Liczba());
    PozycjeDysp(d, nullptr);
  }

  void PozycjeDysp(const TDysp& d, std::optional<int16_t>* wstawka) {
    for (const TPozycjaDysp& p : d.Pozycje) {
      Pomin(1);  // the ban flag, which a timetable does not carry
      if (v_ >= 89) z_.ZapiszBajt(p.Znacznik);
      z_.ZapiszI32(p.Lista.Liczba());
      for (int k = 0; k < p.Lista.Liczba(); ++k) Indeks(p.Lista[k], false, wstawka);
    }
  }

  void ListaA(std::optional<int32_t>* liczba) {
    std::optional<int32_t> brak;
    if (Liczba(liczba ? *liczba : brak, kPozycjiListy)) return;
    for (int i = 0; i < kPozycjiListy; ++i) {
      z_.ZapiszI32(0x0A0A0A00 + i);
      ZapiszNapis(z_, "lista A");
      if (v_ >= 96) z_.ZapiszI32(-1);
    }
  }

  void ListaB() {
    z_.ZapiszI32(kPozycjiListy);
    for (int i = 0; i < kPozycjiListy; ++i) {
      z_.ZapiszI32(0x0B0B0B00 + i);
      z_.ZapiszI32(3);
      Pomin(3 + 1);
      z_.ZapiszI32(-1);
    }
  }

  TOrvelZapis z_;
  int v_;
  TWstawkiPlanu w_;
};

TPozycjaDysp Pozycja(int znacznik, std::initializer_list<uint8_t> lista) {
  TPozycjaDysp p;
  p.Znacznik = static_cast<uint8_t>(znacznik);
  p.Lista = TKrotkaLista(lista);
  return p;
}

}  // namespace

void ZapiszPlanLekcji(const std::filesystem::path& plik, int wersja, const TDni& dni,
                      const TNauczle& nauczyciele, const TOddzialy& oddzialy, const TSale& sale,
                      const TPrzedmioty& przedmioty, const TWstawkiPlanu& wstawki) {
  TPisarzPlanu p(plik, wersja, wstawki);
  p.Dni(dni);
  p.Nauczyciele(nauczyciele);
  p.Oddzialy(oddzialy);
  p.Sale(sale);
  p.Przedmioty(przedmioty);
  if (wstawki.ObceSekcje) p.ObceSekcje();
  p.Zamknij();
}

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
      if (r == 2 && k == 5)
        sala.Zajecia.Pozycje.push_back(Pozycja(z, {0, 1, kBrak}));
      else if ((k + r) % 3 == 0)
        sala.Zajecia.Pozycje.push_back(Pozycja(z, {}));
      else
        sala.Zajecia.Pozycje.push_back(Pozycja(z, {uint8_t((k + r) % 3)}));
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
