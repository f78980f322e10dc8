#include "examples/szkola_demo.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"
#include "core/document/dokument.h"
#include "core/document/zapis_planu_lekcji.h"
#include "core/model/data.h"
#include "core/planning/nowyplan.h"
#include "core/planning/ogolne.h"

namespace velmor::demo {
namespace {

constexpr int kDni = 5, kLekcji = 8, kSlotow = kDni * kLekcji;
constexpr const char* kGodziny[kLekcji] = {"8:00-8:45",   "8:55-9:40",   "9:50-10:35",
                                           "10:50-11:35", "11:55-12:40", "12:50-13:35",
                                           "13:40-14:25", "14:30-15:15"};

// Subjects with their weekly hours in every class; the teachers of each.
struct TPrzedmiotDemo {
  const char* Nazwa;
  int Godzin;
  std::vector<int> Nauczyciele;
};

// clang-format off
enum : int { kPolski, kMatematyka, kAngielski, kNiemiecki, kHistoria, kBiologia, kChemia,
             kFizyka, kGeografia, kInformatyka, kWf, kReligia, kWos, kWychowawcza };

const std::vector<TPrzedmiotDemo> kPrzedmioty = {
    {"język polski", 4, {0, 1, 2, 3}},     {"matematyka", 4, {4, 5, 6, 7, 8}},
    {"język angielski", 3, {9, 10, 11, 12}}, {"język niemiecki", 2, {13, 14}},
    {"historia", 2, {15, 16, 17}},         {"biologia", 2, {18, 19, 20}},
    {"chemia", 2, {21, 22}},               {"fizyka", 2, {23, 24, 25}},
    {"geografia", 2, {26, 27, 28}},        {"informatyka", 1, {29}},
    {"wychowanie fizyczne", 3, {30, 31, 32}}, {"religia", 2, {33}},
    {"wiedza o społeczeństwie", 1, {34}},  {"godzina wychowawcza", 1, {}},
};

const char* const kNauczyciele[][2] = {
    {"Nowak", "Anna"},        {"Kowalska", "Maria"},     {"Wiśniewski", "Piotr"},
    {"Wójcik", "Ewa"},        {"Kowalczyk", "Tomasz"},   {"Kamińska", "Katarzyna"},
    {"Lewandowski", "Marek"}, {"Zielińska", "Agnieszka"}, {"Szymański", "Paweł"},
    {"Woźniak", "Joanna"},    {"Dąbrowski", "Krzysztof"}, {"Kozłowska", "Barbara"},
    {"Jankowski", "Andrzej"}, {"Mazur", "Magdalena"},    {"Kwiatkowski", "Michał"},
    {"Krawczyk", "Małgorzata"}, {"Piotrowski", "Jan"},   {"Grabowska", "Elżbieta"},
    {"Nowakowski", "Grzegorz"}, {"Pawłowska", "Beata"},  {"Michalski", "Adam"},
    {"Król", "Dorota"},       {"Wieczorek", "Łukasz"},   {"Jabłońska", "Renata"},
    {"Wróbel", "Stanisław"},  {"Majewska", "Iwona"},     {"Olszewski", "Robert"},
    {"Stępień", "Halina"},    {"Malinowski", "Zbigniew"}, {"Jaworska", "Urszula"},
    {"Adamczyk", "Rafał"},    {"Dudek", "Teresa"},       {"Zając", "Wojciech"},
    {"Sikora", "Józef"},  {"Baran", "Grażyna"},
};
// clang-format on
constexpr int kNauczycieli = 35;

const char* const kSale[] = {"001", "002",        "003",        "004",        "101",
                             "102", "103",        "104",        "105",        "106",
                             "201", "202",        "203",        "204",        "205",
                             "206", "sala gimn.", "sala komp.", "lab. chem.", "świetlica"};
constexpr int kSalGimn = 16, kSalaKomp = 17, kLabChem = 18, kSwietlica = 19;
constexpr int kOddzialow = 12;
// Rooms free for the second group of a split language lesson.
constexpr std::array<int, 4> kSaleDzielone = {8, 9, 14, 15};

// Four classes a floor: 001..004, 101..104, 201..204.
int SalaDomowa(int c) { return c < 8 ? c : c + 2; }

// One lesson event: classes taught together and, per class group, a
// (subject, teacher, room) triple.
struct TLekcja {
  std::vector<int> Oddzialy;
  std::vector<std::array<int, 3>> Grupy;
};

class TUkladacz {
 public:
  TUkladacz() {
    for (auto* tablica : {&oddzial_, &nauczyciel_})
      tablica->assign(64, std::vector<int>(kSlotow, 0));
    sala_.assign(20, std::vector<int>(kSlotow, 0));
  }

  // The earliest free slot, periods filled day after day in turn; -1 when none.
  int Umiesc(const TLekcja& l, std::vector<TLekcja>& plan) {
    for (int p = 0; p < kLekcji; ++p)
      for (int d = 0; d < kDni; ++d) {
        const int s = d * kLekcji + p;
        if (!Wolny(l, s)) continue;
        Zajmij(l, s);
        plan[static_cast<size_t>(s)].Oddzialy.insert(plan[static_cast<size_t>(s)].Oddzialy.end(),
                                                     l.Oddzialy.begin(), l.Oddzialy.end());
        return s;
      }
    return -1;
  }

 private:
  using TZajetosc = std::vector<std::vector<int>>;
  // The count of item i (class, teacher, room) in slot s.
  static int& Pole(TZajetosc& z, int i, int s) {
    return z[static_cast<size_t>(i)][static_cast<size_t>(s)];
  }
  static int Pole(const TZajetosc& z, int i, int s) {
    return z[static_cast<size_t>(i)][static_cast<size_t>(s)];
  }
  bool Wolny(const TLekcja& l, int s) const {
    for (int c : l.Oddzialy)
      if (Pole(oddzial_, c, s)) return false;
    for (const auto& g : l.Grupy) {
      if (Pole(nauczyciel_, g[1], s)) return false;
      if (Pole(sala_, g[2], s) >= (g[2] == kSalGimn ? 2 : 1)) return false;
    }
    return true;
  }
  void Zajmij(const TLekcja& l, int s) {
    for (int c : l.Oddzialy) Pole(oddzial_, c, s) = 1;
    for (const auto& g : l.Grupy) {
      Pole(nauczyciel_, g[1], s) = 1;
      Pole(sala_, g[2], s) += 1;
    }
  }

  TZajetosc oddzial_, nauczyciel_, sala_;
};

// The teacher of subject j in class c: the subject's teachers in turn.
int Nauczyciel(int j, int c) {
  if (j == kWychowawcza) return kPrzedmioty[kPolski].Nauczyciele[static_cast<size_t>(c % 4)];
  const auto& n = kPrzedmioty[static_cast<size_t>(j)].Nauczyciele;
  return n[static_cast<size_t>(c % static_cast<int>(n.size()))];
}

int Sala(int j, int c) {
  if (j == kWf) return kSalGimn;
  if (j == kInformatyka) return kSalaKomp;
  if (j == kChemia) return kLabChem;
  return SalaDomowa(c);
}

std::vector<TLekcja> Lekcje() {
  std::vector<TLekcja> lekcje;
  for (int c = 0; c < kOddzialow; ++c) {
    // Two of the English lessons are split with German in another room.
    for (int h = 0; h < 2; ++h)
      lekcje.push_back(
          {{c},
           {{kAngielski, Nauczyciel(kAngielski, c), SalaDomowa(c)},
            {kNiemiecki, Nauczyciel(kNiemiecki, c), kSaleDzielone[static_cast<size_t>(c % 4)]}}});
    for (int j = 0; j < static_cast<int>(kPrzedmioty.size()); ++j) {
      if (j == kNiemiecki || (j == kReligia && c % 3 != 2)) continue;
      const int godzin = kPrzedmioty[static_cast<size_t>(j)].Godzin - (j == kAngielski ? 2 : 0);
      for (int h = 0; h < godzin; ++h) lekcje.push_back({{c}, {{j, Nauczyciel(j, c), Sala(j, c)}}});
    }
  }
  // Religion is taught to classes a and b of each year together.
  for (int rok = 0; rok < 4; ++rok)
    for (int h = 0; h < 2; ++h)
      lekcje.push_back({{3 * rok, 3 * rok + 1}, {{kReligia, 33, SalaDomowa(3 * rok)}}});
  return lekcje;
}

TDysp PustyTydzien() {
  TDysp d;
  d.Pozycje.resize(kSlotow);
  return d;
}

TSzkola Szkola() {
  TSzkola s;
  s.Dni.Dni.assign(kDni, TDzien{});
  for (auto& dzien : s.Dni.Dni)
    for (const char* g : kGodziny) dzien.Godziny.push_back({g});
  s.Dni.DataPoczatku = *ZakodujDate(2026, 9, 7);
  s.Dni.PierwszyDzien = 0;
  s.Dni.OstatniDzien = kDni - 1;
  s.Dni.Przelicz();

  s.Nauczyciele.ZmienRozmiar(kNauczycieli);
  for (int t = 0; t < kNauczycieli; ++t) {
    s.Nauczyciele[t].Nazwisko = Utf8DoCp1250(kNauczyciele[t][0]);
    s.Nauczyciele[t].Imie = Utf8DoCp1250(kNauczyciele[t][1]);
    s.Nauczyciele[t].Dyspozycja = PustyTydzien();
  }
  s.Oddzialy.ZmienRozmiar(kOddzialow);
  for (int c = 0; c < kOddzialow; ++c) {
    s.Oddzialy[c].Nazwa = std::to_string(c / 3 + 1) + static_cast<char>('a' + c % 3);
    s.Oddzialy[c].Przedmioty = s.Oddzialy[c].Sale = PustyTydzien();
  }
  s.Sale.ZmienRozmiar(20);
  for (int o = 0; o < 20; ++o) {
    s.Sale[o].Nazwa = Utf8DoCp1250(kSale[o]);
    s.Sale[o].Zajecia = PustyTydzien();
  }
  s.Przedmioty.ZmienRozmiar(static_cast<int>(kPrzedmioty.size()));
  for (int j = 0; j < s.Przedmioty.Liczba(); ++j) {
    TPrzedm& p = s.Przedmioty[j];
    p.Nazwa = Utf8DoCp1250(kPrzedmioty[static_cast<size_t>(j)].Nazwa);
    for (int c = 0; c < kOddzialow; ++c) {
      const bool wspolnie = j == kReligia && c % 3 != 2;
      p.Program.Oczka.push_back({static_cast<uint8_t>(kPrzedmioty[static_cast<size_t>(j)].Godzin),
                                 static_cast<uint8_t>(wspolnie ? 33 : Nauczyciel(j, c))});
    }
  }
  for (int rok = 0; rok < 4; ++rok)
    s.Przedmioty[kReligia].Grupy.Grupy.push_back(
        TWektor<uint8_t>{static_cast<uint8_t>(3 * rok), static_cast<uint8_t>(3 * rok + 1)});

  TUkladacz ukladacz;
  std::vector<TLekcja> zajete(kSlotow);
  for (const TLekcja& l : Lekcje()) {
    const int slot = ukladacz.Umiesc(l, zajete);
    if (slot < 0) continue;
    for (int c : l.Oddzialy) {
      for (const auto& [j, t, o] : l.Grupy) {
        s.Oddzialy[c].Przedmioty[slot].Lista.Dodaj(static_cast<uint8_t>(j));
        s.Oddzialy[c].Sale[slot].Lista.Dodaj(static_cast<uint8_t>(o));
        auto& klasyNauczyciela = s.Nauczyciele[t].Dyspozycja[slot].Lista;
        if (!klasyNauczyciela.Zawiera(static_cast<uint8_t>(c)))
          klasyNauczyciela.Dodaj(static_cast<uint8_t>(c));
        auto& klasySali = s.Sale[o].Zajecia[slot].Lista;
        if (!klasySali.Zawiera(static_cast<uint8_t>(c))) klasySali.Dodaj(static_cast<uint8_t>(c));
      }
    }
  }
  return s;
}

// Moments "przed 8:00-8:45" ...; the breaks of 15 minutes and more are long.
void Momenty(TModele& m) {
  constexpr int kMinuty[kLekcji] = {10, 10, 10, 15, 20, 10, 5, 5};
  for (int s = 0; s < m.Momenty.Liczba(); ++s) {
    const int p = m.Dni.DzienILekcja(s).second;
    m.Momenty[s].Nazwa = "przed " + std::string(kGodziny[p]);
    m.Momenty[s].Minuty = static_cast<uint8_t>(kMinuty[p]);
    m.Momenty[s].Dluga = kMinuty[p] >= 15;
  }
}

enum : int { kWejscie, kParter, kPietro1, kPietro2, kBoisko, kStolowka, kRejonow };

// The cloakroom is by the entrance and the gym; the doors to the yard and the
// canteen at the far end of the ground-floor corridor, by 003, 004 and the
// common room.
const std::vector<uint8_t> kSaleRejonow[kRejonow] = {
    {0, 1, kSalGimn},
    {0, 1, 2, 3, kSwietlica},
    {4, 5, 6, 7, 8, 9, kSalaKomp},
    {10, 11, 12, 13, 14, 15, kLabChem},
    {kSalGimn, 2, 3},
    {kSwietlica, 2, 3},
};

void Rejony(TModele& m) {
  const char* const nazwy[kRejonow] = {"Wejście / szatnia", "Parter", "I piętro",
                                       "II piętro",         "Boisko", "Stołówka"};
  const uint32_t kolory[kRejonow] = {0x00E0E0E0, 0x00C0FFC0, 0x00FFE0C0,
                                     0x00C0E0FF, 0x0080FF80, 0x00C0C0FF};
  for (int r = 0; r < kRejonow; ++r) {
    m.Rejony.WstawRejon(r, m.Dyzury);
    m.Rejony[r].Nazwa = Utf8DoCp1250(nazwy[r]);
    m.Rejony[r].Kolor = kolory[r];
    for (uint8_t o : kSaleRejonow[r]) m.Rejony[r].SaleRejonu.Dodaj(o);
  }
}

// A lesson in one of the rooms in slot s; none in slot -1.
bool Lekcja(const TModele& m, const std::vector<uint8_t>& sale, int s) {
  return s >= 0 && std::any_of(sale.begin(), sale.end(),
                               [&](uint8_t o) { return m.Sale[o].Zajecia[s].Lista.Liczba() > 0; });
}

// Cells where nobody needs watching are closed: a floor is watched at a
// break when a class has its next lesson there, the entrance whenever
// classes come or go, the yard and the canteen at the long breaks; before
// the first lesson only the entrance.
void Zamknij(TModele& m) {
  const TOgolne o(m);
  std::vector<uint8_t> wszystkie(static_cast<size_t>(m.Sale.Liczba()));
  for (size_t i = 0; i < wszystkie.size(); ++i) wszystkie[i] = static_cast<uint8_t>(i);
  for (int s = 0; s < m.Momenty.Liczba(); ++s) {
    const int przed = o.SlotPrzed(s);
    for (int r = 0; r < kRejonow; ++r) {
      bool otwarty = false;
      if (r == kWejscie) otwarty = Lekcja(m, wszystkie, przed) || Lekcja(m, wszystkie, s);
      else if (r == kBoisko || r == kStolowka) otwarty = przed >= 0 && m.Momenty[s].Dluga;
      else otwarty = przed >= 0 && Lekcja(m, kSaleRejonow[r], s);
      if (!otwarty) m.Dyzury.UstawDyzurnego(r, s, kZamkniete);
    }
  }
}

// Limits grow with the teacher's lessons: a teacher seldom at school can
// seldom take a duty.
void Limity(TModele& m) {
  const TOgolne o(m);
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    TNaucz& n = m.Nauczyciele[t];
    n.LimitDyzurow = std::clamp((o.liczba_lekcji(t) + 5) / 2, 5, 8);
    n.LimitMinut = n.LimitDyzurow * 15;
  }
}

}  // namespace

bool ZapiszDemo(const std::filesystem::path& folder) {
  const auto planLekcji = folder / "demo.tbx";
  try {
    ZapiszPlanLekcji(planLekcji, kWersjaZapisu, Szkola());
  } catch (const EStrumien&) {
    return false;
  }
  TDokument d;
  const TKsztaltPlanu ksztalt = TKsztaltPlanu::Z(d);
  if (!d.OtworzPlik(planLekcji, kRodzajPlanLekcji)) return false;
  PrzebudujPlan(d, ksztalt, {});
  Momenty(d);
  Rejony(d);
  Zamknij(d);
  Limity(d);
  // Teachers come early for the entrance and stay for the break after their
  // last lesson.
  d.Opcje.Ustaw(TOpcja::kPrzedLekcjami, true);
  d.Opcje.Ustaw(TOpcja::kPoLekcjach, true);
  return d.ZapiszPlik(folder / "demo.vlm");
}

}  // namespace velmor::demo
