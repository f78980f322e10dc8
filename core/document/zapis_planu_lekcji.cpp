#include "core/document/zapis_planu_lekcji.h"

#include <string>

#include "core/archive/napisy.h"
#include "core/archive/strumien.h"
#include "core/model/data.h"

namespace velmor {
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
    if (v_ <= 81) z_.ZapiszBajt(static_cast<uint8_t>(x & 0xFF));
    else z_.ZapiszI16(x);
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

}  // namespace velmor
