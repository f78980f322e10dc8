#include "core/planning/nowyplan.h"

#include <algorithm>
#include <map>

#include "core/archive/cp1250.h"

namespace velmor {
namespace {

// A teacher's name as one key: surname and first name apart.
std::string Klucz(const std::string& nazwisko, const std::string& imie) {
  return nazwisko + '\0' + imie;
}

std::vector<std::string> Klucze(const TKsztaltPlanu& przed) {
  std::vector<std::string> k;
  for (const TNauczycielPlanu& n : przed.Kadra) k.push_back(Klucz(n.Nazwisko, n.Imie));
  return k;
}

std::vector<std::string> Klucze(const TNauczle& nauczyciele) {
  std::vector<std::string> k;
  for (const TNaucz& n : nauczyciele) k.push_back(Klucz(n.Nazwisko, n.Imie));
  return k;
}

std::vector<std::string> Nazwy(const TSale& sale) {
  std::vector<std::string> k;
  for (const TSala& s : sale) k.push_back(s.Nazwa);
  return k;
}

// The new index of previous item i, or -1.
int Nowy(const TDopasowanie& d, int i) {
  return i >= 0 && i < static_cast<int>(d.Nowy.size()) ? d.Nowy[static_cast<size_t>(i)] : -1;
}

// "1 nowy", "3 nowi", "5 nowych": the form after a count.
const char* Forma(int n, const char* jeden, const char* kilka, const char* wiele) {
  if (n == 1) return jeden;
  const int r = n % 100;
  return n % 10 >= 2 && n % 10 <= 4 && (r < 12 || r > 14) ? kilka : wiele;
}

std::string OpisListy(const char* tytul, const TDopasowanie& d, bool meskie) {
  std::string tekst = std::string(tytul) + ": " + std::to_string(d.BezZmian()) + " bez zmian";
  if (const int n = d.Nowe(); n > 0)
    tekst += ", " + std::to_string(n) + " " +
             (meskie ? Forma(n, "nowy", "nowi", "nowych") : Forma(n, "nowa", "nowe", "nowych"));
  if (const int n = d.Usuniete(); n > 0)
    tekst += ", " + std::to_string(n) + " " +
             (meskie ? Forma(n, "usunięty", "usunięci", "usuniętych")
                     : Forma(n, "usunięta", "usunięte", "usuniętych"));
  return tekst + ".";
}

}  // namespace

TKsztaltPlanu TKsztaltPlanu::Z(const TModele& m) {
  TKsztaltPlanu k{m.Dni.LiczbaSlotow(), m.Rejony.Liczba(), m.Nauczyciele.Liczba(), {}, {}, {}};
  for (const TDzien& d : m.Dni.Dni) k.Lekcje.push_back(static_cast<int>(d.Godziny.size()));
  for (const TNaucz& n : m.Nauczyciele)
    k.Kadra.push_back({n.Nazwisko, n.Imie, n.LimitDyzurow, n.LimitMinut});
  k.Sale = Nazwy(m.Sale);
  return k;
}

TDopasowanie TDopasowanie::Z(const std::vector<std::string>& przed,
                             const std::vector<std::string>& teraz) {
  TDopasowanie d{std::vector<int>(teraz.size(), -1), std::vector<int>(przed.size(), -1)};
  std::map<std::string, std::vector<int>> wolne;  // previous items by name, in order
  for (size_t i = przed.size(); i-- > 0;) wolne[przed[i]].push_back(static_cast<int>(i));
  for (size_t i = 0; i < teraz.size(); ++i) {
    auto it = wolne.find(teraz[i]);
    if (it == wolne.end() || it->second.empty()) continue;
    const int p = it->second.back();
    it->second.pop_back();
    d.Poprzedni[i] = p;
    d.Nowy[static_cast<size_t>(p)] = static_cast<int>(i);
  }
  return d;
}

int TDopasowanie::BezZmian() const {
  return static_cast<int>(
      std::count_if(Poprzedni.begin(), Poprzedni.end(), [](int p) { return p >= 0; }));
}

TDopasowaniePlanu TDopasowaniePlanu::Z(const TKsztaltPlanu& przed, const TModele& teraz) {
  TDopasowaniePlanu d{TDopasowanie::Z(Klucze(przed), Klucze(teraz.Nauczyciele)),
                      TDopasowanie::Z(przed.Sale, Nazwy(teraz.Sale)),
                      {}};
  for (const TRejon& r : teraz.Rejony) {
    bool jakas = r.SaleRejonu.Liczba() == 0;
    for (int i = 0; i < r.SaleRejonu.Liczba(); ++i) jakas |= Nowy(d.Sale, r.SaleRejonu[i]) >= 0;
    if (!jakas) d.RejonyBezSal.push_back(r.Nazwa);
  }
  return d;
}

std::string TDopasowaniePlanu::Opis() const {
  std::string tekst =
      OpisListy("Nauczyciele", Nauczyciele, true) + " " + OpisListy("Sale", Sale, false);
  for (size_t i = 0; i < RejonyBezSal.size(); ++i)
    tekst += (i == 0 ? " Rejony bez sal: " : ", ") + Cp1250DoUtf8(RejonyBezSal[i]);
  return RejonyBezSal.empty() ? tekst : tekst + ".";
}

int TKsztaltPlanu::PoprzedniSlot(const TDni& dni, int s) const {
  const auto [d, p] = dni.DzienILekcja(s);
  if (d >= static_cast<int>(Lekcje.size()) || p >= Lekcje[static_cast<size_t>(d)])
    return kBrakSlotu;
  int k = p;
  for (int i = 0; i < d; ++i) k += Lekcje[static_cast<size_t>(i)];
  return k;
}

TPolaPrzeniesienia TPolaPrzeniesienia::Z(const TKsztaltPlanu& przed, const TModele& teraz) {
  TPolaPrzeniesienia p;
  const bool teSameSloty = teraz.Dni.LiczbaSlotow() == przed.Sloty;
  const bool teSameRejony = teraz.Rejony.Liczba() == przed.Rejony;
  p.Dostepne[kPrzeniesMomenty] = przed.Sloty > 0;
  p.Zaznaczone[kPrzeniesMomenty] = p.Dostepne[kPrzeniesMomenty] && teSameSloty;
  p.Dostepne[kPrzeniesRejony] = przed.Rejony > 0;
  p.Zaznaczone[kPrzeniesRejony] = p.Dostepne[kPrzeniesRejony] && teSameRejony;
  p.Dostepne[kPrzeniesLimity] = przed.Nauczyciele > 0;
  p.Zaznaczone[kPrzeniesLimity] =
      p.Dostepne[kPrzeniesLimity] && teraz.Nauczyciele.Liczba() == przed.Nauczyciele;
  p.Dostepne[kPrzeniesPlan] = p.Dostepne[0] || p.Dostepne[1] || p.Dostepne[2];
  p.Zaznaczone[kPrzeniesPlan] = p.Dostepne[kPrzeniesPlan] && teSameSloty && teSameRejony;
  return p;
}

void PrzebudujPlan(TModele& m, const TKsztaltPlanu& przed, const std::array<bool, 4>& przenies) {
  const TDopasowaniePlanu d = TDopasowaniePlanu::Z(przed, m);
  if (przenies[kPrzeniesRejony]) {
    for (TRejon& r : m.Rejony) {
      TWektor<uint8_t> sale;
      for (int i = 0; i < r.SaleRejonu.Liczba(); ++i)
        if (const int o = Nowy(d.Sale, r.SaleRejonu[i]); o >= 0)
          sale.Dodaj(static_cast<uint8_t>(o));
      r.SaleRejonu = sale;
    }
  } else {
    m.Rejony.ZmienRozmiar(0);
  }
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    const int p = d.Nauczyciele.Poprzedni[static_cast<size_t>(t)];
    const TNauczycielPlanu wzor = przenies[kPrzeniesLimity] && p >= 0
                                      ? przed.Kadra[static_cast<size_t>(p)]
                                      : TNauczycielPlanu{};
    m.Nauczyciele[t].LimitDyzurow = wzor.LimitDyzurow;
    m.Nauczyciele[t].LimitMinut = wzor.LimitMinut;
  }

  const TMomenty stareMomenty = m.Momenty;
  const TDyzury staraTabela = m.Dyzury;
  const int sloty = m.Dni.LiczbaSlotow(), rejony = m.Rejony.Liczba();
  m.Momenty.ZmienRozmiar(0);
  m.Momenty.ZmienRozmiar(sloty);
  m.Dyzury.ZmienRozmiar(rejony, sloty);
  m.Dyzury.UstawWszystkie(kBrak);

  // Only what really exists in the kept lists is copied: after a timetable
  // read without a rebuild they may be shorter than the previous shape.
  std::vector<int> noweSloty(static_cast<size_t>(staraTabela.LiczbaMomentow()), -1);
  for (int s = 0; s < sloty; ++s) {
    const int k = przed.PoprzedniSlot(m.Dni, s);
    if (k == kBrakSlotu) continue;
    if (k < staraTabela.LiczbaMomentow()) noweSloty[static_cast<size_t>(k)] = s;
    if (przenies[kPrzeniesMomenty] && k < stareMomenty.Liczba()) m.Momenty[s] = stareMomenty[k];
    if (!przenies[kPrzeniesPlan] || k >= staraTabela.LiczbaMomentow()) continue;
    for (int r = 0; r < rejony && r < staraTabela.LiczbaRejonow(); ++r) {
      const int t = Nowy(d.Nauczyciele, staraTabela.Dyzurny(r, k));
      m.Dyzury.UstawDyzurnego(r, s, t >= 0 ? static_cast<uint8_t>(t) : kBrak);
    }
  }
  // Absences and cover go with the duties.
  if (!przenies[kPrzeniesPlan] || !przenies[kPrzeniesRejony]) m.Zastepstwa = {};
  m.Zastepstwa.Przenumeruj(
      [&](int t) { return Nowy(d.Nauczyciele, t); },
      [rejony](int r) { return r < rejony ? r : -1; },
      [&](int k) {
        return static_cast<size_t>(k) < noweSloty.size() ? noweSloty[static_cast<size_t>(k)] : -1;
      });
}

}  // namespace velmor
