#include "core/eksport/ical.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <set>
#include <stdexcept>

#include "core/archive/cp1250.h"
#include "core/eksport/nazwy.h"
#include "core/eksport/wspolne.h"
#include "core/model/data.h"

namespace velmor {
namespace {

constexpr std::string_view kStrefa = "Europe/Warsaw";
// Central European time and its summer time since 1996.
constexpr std::string_view kOpisStrefy =
    "BEGIN:VTIMEZONE\r\n"
    "TZID:Europe/Warsaw\r\n"
    "BEGIN:DAYLIGHT\r\n"
    "TZOFFSETFROM:+0100\r\n"
    "TZOFFSETTO:+0200\r\n"
    "TZNAME:CEST\r\n"
    "DTSTART:19700329T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
    "END:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\n"
    "TZOFFSETFROM:+0200\r\n"
    "TZOFFSETTO:+0100\r\n"
    "TZNAME:CET\r\n"
    "DTSTART:19701025T030000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
    "END:STANDARD\r\n"
    "END:VTIMEZONE\r\n";

// Content lines folded at 75 octets, never inside a UTF-8 character.
class TLinie {
 public:
  void Dodaj(std::string_view linia) {
    size_t limit = 75;
    while (linia.size() > limit) {
      size_t n = limit;
      while (n > 0 && (static_cast<unsigned char>(linia[n]) & 0xC0) == 0x80) --n;
      tekst_.append(linia.substr(0, n)).append("\r\n ");
      linia.remove_prefix(n);
      limit = 74;
    }
    tekst_.append(linia).append("\r\n");
  }
  void Dodaj(std::string_view nazwa, std::string_view wartosc) {
    Dodaj(std::string(nazwa) + ":" + std::string(wartosc));
  }
  void DodajGotowe(std::string_view linie) { tekst_.append(linie); }
  const std::string& Tekst() const { return tekst_; }

 private:
  std::string tekst_;
};

// A TEXT value: backslash, comma, semicolon and line breaks escaped; other
// control characters, which TEXT cannot hold, become blanks.
std::string Tekst(std::string_view utf8) {
  std::string wynik;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (c == '\\' || c == ',' || c == ';') wynik += {'\\', c};
    else if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
    else if (c == '\n' || c == '\r') wynik += "\\n";
    else if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) wynik += ' ';
    else wynik += c;
  }
  return wynik;
}

std::string Data(double data) {
  if (!DataWZakresie(data)) throw std::out_of_range("data poza latami 1-9999");
  const TDataKalendarzowa d = RozkodujDate(data);
  char tekst[16];
  std::snprintf(tekst, sizeof tekst, "%04d%02d%02d", d.Rok, d.Miesiac, d.Dzien);
  return tekst;
}

std::string Czas(int minuty) {
  char tekst[16];
  std::snprintf(tekst, sizeof tekst, "T%02d%02d00", minuty / 60, minuty % 60);
  return tekst;
}

std::string ZnacznikUtc(std::time_t czas) {
  using namespace std::chrono;
  const sys_seconds chwila{seconds{czas}};
  const sys_days dzien = floor<days>(chwila);
  const year_month_day d{dzien};
  const hh_mm_ss g{chwila - dzien};
  char tekst[32];
  std::snprintf(tekst, sizeof tekst, "%04d%02u%02uT%02d%02d%02dZ", static_cast<int>(d.year()),
                static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()),
                static_cast<int>(g.hours().count()), static_cast<int>(g.minutes().count()),
                static_cast<int>(g.seconds().count()));
  return tekst;
}

// Monday 0 ... Sunday 6.
int DzienOdPoniedzialku(double data) { return (DzienTygodnia(data) + 5) % 7; }

// A stable identifier of one duty: FNV-1a of what names it, mixed so that
// close texts give far-apart values.
std::string Uid(const std::string& opis) {
  uint64_t h = 14695981039346656037ull;
  for (const char c : opis) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdull;
  h ^= h >> 33;
  char tekst[40];
  std::snprintf(tekst, sizeof tekst, "%016llx@velmor", static_cast<unsigned long long>(h));
  return tekst;
}

}  // namespace

std::optional<int> PoczatekLekcji(std::string_view etykieta) {
  size_t i = etykieta.find_first_not_of(' ');
  if (i == std::string_view::npos) return std::nullopt;
  const auto cyfry = [&](size_t najwiecej) {
    int x = 0;
    size_t n = 0;
    while (n < najwiecej && i < etykieta.size() && etykieta[i] >= '0' && etykieta[i] <= '9')
      x = x * 10 + (etykieta[i++] - '0'), ++n;
    return n == 0 ? -1 : x;
  };
  const int godzina = cyfry(2);
  if (godzina < 0 || i >= etykieta.size() || (etykieta[i] != ':' && etykieta[i] != '.'))
    return std::nullopt;
  ++i;
  const size_t minutyOd = i;
  const int minuta = cyfry(2);
  if (minuta < 0 || i - minutyOd != 2 || godzina > 23 || minuta > 59) return std::nullopt;
  // "8:55x" is no time; a '-' or a blank may follow.
  if (i < etykieta.size() && etykieta[i] >= '0' && etykieta[i] <= '9') return std::nullopt;
  return godzina * 60 + minuta;
}

namespace {

// The start (and end) of moment k's break on a date, as `pole` ("DTSTART"
// with its DTEND, or "EXDATE"): in local time where the period's label gives
// its start, otherwise the whole day.
void Termin(TLinie& l, const TModele& m, int k, double data, const char* pole = "DTSTART") {
  const bool poczatek = std::string_view(pole) == "DTSTART";
  if (const auto godziny = GodzinyPrzerwy(m, k)) {
    auto [od, koniec] = *godziny;
    if (od < 0) od += 24 * 60, data -= 1;  // the break starts the day before
    l.Dodaj(std::string(pole) + ";TZID=Europe/Warsaw", Data(data) + Czas(od));
    if (poczatek && od != koniec)
      l.Dodaj("DTEND;TZID=Europe/Warsaw", Data(od > koniec ? data + 1 : data) + Czas(koniec));
  } else {
    l.Dodaj(std::string(pole) + ";VALUE=DATE", Data(data));
    if (poczatek) l.Dodaj("DTEND;VALUE=DATE", Data(data + 1));
  }
}

// A cover duty: one event on its date.
void Zastepstwo(TLinie& l, const TModele& m, const TZastepstwo& z, const std::string& nazwa,
                const std::string& stempel) {
  const std::string rejon = Utf8(m.Rejony[z.Rejon].Nazwa);
  const uint8_t za = m.Dyzury.Dyzurny(z.Rejon, z.Moment);
  l.Dodaj("BEGIN:VEVENT");
  l.Dodaj("UID", Uid("zastępstwo\n" + nazwa + '\n' + rejon + '\n' + std::to_string(z.Rejon) + '\n' +
                     std::to_string(z.Data) + '\n' + std::to_string(z.Moment)));
  l.Dodaj("DTSTAMP", stempel);
  Termin(l, m, z.Moment, z.Data);
  l.Dodaj("SUMMARY", Tekst("Zastępstwo: " + rejon));
  l.Dodaj("LOCATION", Tekst(rejon));
  std::string opis =
      Utf8(m.Momenty[z.Moment].Nazwa) + ", " + std::to_string(m.Momenty[z.Moment].Minuty) + " min";
  if (m.Nauczyciele.Istnieje(za)) opis += ", za: " + Utf8(m.Nauczyciele[za].NazwaNauczyciela());
  l.Dodaj("DESCRIPTION", Tekst(opis));
  l.Dodaj("END:VEVENT");
}

// The date of the last `dzien` (1 = Sunday ... 7 = Saturday) of a month.
double OstatniDzien(int rok, int miesiac, int dni, int dzien) {
  const double ostatni = *ZakodujDate(rok, miesiac, dni);
  return ostatni - (DzienTygodnia(ostatni) - dzien + 7) % 7;
}

// UNTIL of an event in Warsaw time: the end of day `data` in UTC.
std::string KoniecUtc(double data) {
  const std::string dzien = Data(data);
  const int rok = RozkodujDate(data).Rok;
  const bool lato = OstatniDzien(rok, 3, 31, 1) <= data && data < OstatniDzien(rok, 10, 31, 1);
  return dzien + (lato ? "T215959Z" : "T225959Z");
}

// A SEQUENCE that grows from one export to the next: minutes from 2020.
int Sekwencja(std::time_t czas) {
  constexpr std::time_t k2020 = 1577836800;
  return static_cast<int>(std::clamp<std::time_t>((czas - k2020) / 60, 0, 2000000000));
}

// The same teacher in plan `do_`: the one of the same name, the k-th
// namesake for the k-th; -1 for none.
int Odpowiednik(const TModele& z, int t, const TModele& do_) {
  const std::string nazwa = z.Nauczyciele[t].NazwaNauczyciela();
  int k = 0;
  for (int i = 0; i < t; ++i) k += z.Nauczyciele[i].NazwaNauczyciela() == nazwa;
  for (int i = 0; i < do_.Nauczyciele.Liczba(); ++i)
    if (do_.Nauczyciele[i].NazwaNauczyciela() == nazwa && k-- == 0) return i;
  return -1;
}

// The weekly events of one plan's duties.
class TDyzuryKalendarza {
 public:
  TDyzuryKalendarza(const TModele& m, const TUstawieniaIcal& u)
      : m_(m),
        u_(u),
        stempel_(ZnacznikUtc(u.Znacznik)),
        poczatek_(std::trunc(u.Od.value_or(m.Dni.DataPoczatku))),
        koniec_(u.Do.value_or(KoniecRokuSzkolnego(poczatek_))),
        // A plan of more days than a week repeats every so many weeks.
        cykl_(std::max(1, (static_cast<int>(m.Dni.Dni.size()) + 6) / 7)) {}

  const std::string& Stempel() const { return stempel_; }

  // A stable identifier of teacher t's duty d.
  std::string Identyfikator(int t, const TDyzur& d) const {
    const auto [dzien, lekcja] = m_.Dni.DzienILekcja(d.Moment);
    return Uid(Utf8(m_.Nauczyciele[t].NazwaNauczyciela()) + '\n' + Rejon(d) + '\n' +
               std::to_string(d.Rejon) + '\n' + std::to_string(dzien) + '\n' +
               std::to_string(lekcja));
  }

  // Teacher t's events, cancelled ones but for the identifiers in `pomin`;
  // the identifiers written go into `wpisane`.
  void Dodaj(TLinie& l, int t, bool odwolane, const std::set<std::string>& pomin,
             std::set<std::string>& wpisane) const {
    for (const TDyzur& d : DyzuryNauczyciela(m_, t)) {
      const std::string uid = Identyfikator(t, d);
      if (!pomin.count(uid) && Wydarzenie(l, d, uid, odwolane)) wpisane.insert(uid);
    }
  }

 private:
  std::string Rejon(const TDyzur& d) const {
    return Utf8(m_.Rejony.Istnieje(d.Rejon) ? m_.Rejony[d.Rejon].Nazwa : "");
  }

  // False when the duty's first date falls after the last week.
  bool Wydarzenie(TLinie& l, const TDyzur& d, const std::string& uid, bool odwolane) const {
    const int dzien = m_.Dni.DzienILekcja(d.Moment).first;
    const int tydzien = dzien / 7;
    int powtorzen = 0;
    if (u_.Tygodnie > 0) {
      if (tydzien >= u_.Tygodnie) return false;
      powtorzen = (u_.Tygodnie - 1 - tydzien) / cykl_ + 1;
    }
    const double data =
        poczatek_ + (dzien % 7 - DzienOdPoniedzialku(poczatek_) + 7) % 7 + 7 * tydzien;
    if (u_.Tygodnie == 0 && data > koniec_) return false;
    const TMoment& moment = m_.Momenty[d.Moment];
    const std::string rejon = Rejon(d);

    l.Dodaj("BEGIN:VEVENT");
    l.Dodaj("UID", uid);
    l.Dodaj("DTSTAMP", stempel_);
    l.Dodaj("SEQUENCE", std::to_string(Sekwencja(u_.Znacznik) + odwolane));
    if (odwolane) l.Dodaj("STATUS:CANCELLED");
    Termin(l, m_, d.Moment, data);
    // The dates someone else covers it, or nobody needs it.
    for (const TZastepstwo& z : m_.Zastepstwa.Pokrycia)
      if (z.Moment == d.Moment && z.Rejon == d.Rejon) Termin(l, m_, d.Moment, z.Data, "EXDATE");
    std::string regula = "FREQ=WEEKLY";
    if (cykl_ > 1) regula += ";INTERVAL=" + std::to_string(cykl_);
    if (powtorzen > 0) regula += ";COUNT=" + std::to_string(powtorzen);
    else regula += ";UNTIL=" + (GodzinyPrzerwy(m_, d.Moment) ? KoniecUtc(koniec_) : Data(koniec_));
    l.Dodaj("RRULE", regula);
    l.Dodaj("SUMMARY", Tekst("Dyżur: " + rejon));
    l.Dodaj("LOCATION", Tekst(rejon));
    std::string opis = DzienMomentu(m_, d.Moment) + ", " + Utf8(moment.Nazwa) + ", " +
                       std::to_string(moment.Minuty) + " min";
    if (const std::string sale = SaleRejonu(m_, d.Rejon); !sale.empty()) opis += ". Sale: " + sale;
    l.Dodaj("DESCRIPTION", Tekst(opis));
    l.Dodaj("END:VEVENT");
    return true;
  }

  const TModele& m_;
  const TUstawieniaIcal& u_;
  const std::string stempel_;
  const double poczatek_, koniec_;
  const int cykl_;
};

// The calendar of teacher t of plan m (-1: one gone from it) and of teacher
// tp of the previous plan, whose duties m lacks are cancelled.
std::string Kalendarz(const TModele& m, int t, int tp, const TUstawieniaIcal& u) {
  const TNaucz& n = t >= 0 ? m.Nauczyciele[t] : u.Poprzedni->Nauczyciele[tp];
  const std::string nazwa = Utf8(n.NazwaNauczyciela());
  const TDyzuryKalendarza dyzury(m, u);

  TLinie l;
  l.Dodaj("BEGIN:VCALENDAR");
  l.Dodaj("VERSION:2.0");
  l.Dodaj("PRODID:-//Velmor//Plan dyżurów//PL");
  // No METHOD: an iTIP PUBLISH needs an ORGANIZER, and a file to import needs neither.
  l.Dodaj("CALSCALE:GREGORIAN");
  l.Dodaj("X-WR-CALNAME", Tekst("Dyżury: " + nazwa));
  l.Dodaj("X-WR-TIMEZONE", kStrefa);
  l.DodajGotowe(kOpisStrefy);
  std::set<std::string> wpisane;
  if (t >= 0) dyzury.Dodaj(l, t, false, {}, wpisane);
  if (tp >= 0) TDyzuryKalendarza(*u.Poprzedni, u).Dodaj(l, tp, true, wpisane, wpisane);
  if (t >= 0)
    for (const TZastepstwo& z : m.Zastepstwa.Pokrycia)
      if (z.Nauczyciel == t) Zastepstwo(l, m, z, nazwa, dyzury.Stempel());
  l.Dodaj("END:VCALENDAR");
  return l.Tekst();
}

}  // namespace

double KoniecRokuSzkolnego(double data) {
  Data(data);  // raises outside the years 1 to 9999
  const int rok = RozkodujDate(data).Rok;
  const double koniec = OstatniDzien(rok, 6, 30, 6);
  return koniec >= std::trunc(data) || rok == 9999 ? koniec : OstatniDzien(rok + 1, 6, 30, 6);
}

std::string KalendarzNauczyciela(const TModele& m, int t, const TUstawieniaIcal& u) {
  return Kalendarz(m, t, u.Poprzedni ? Odpowiednik(m, t, *u.Poprzedni) : -1, u);
}

std::vector<std::pair<std::filesystem::path, std::string>> KalendarzeNauczycieli(
    const TModele& m, const std::filesystem::path& folder, const TUstawieniaIcal& u) {
  std::vector<std::pair<std::filesystem::path, std::string>> pliki;
  std::set<std::string> zajete;
  const auto dodaj = [&](const TNaucz& n, int t, int tp) {
    const std::string podstawa = NazwaPlikuNauczyciela(n);
    std::string nazwa = podstawa;
    for (int k = 2; !zajete.insert(MaleLitery(nazwa)).second; ++k)
      nazwa = podstawa + "-" + std::to_string(k);
    pliki.emplace_back(folder / (nazwa + ".ics"), Kalendarz(m, t, tp, u));
  };
  const auto dyzuryPoprzednie = [&](int tp) {
    return tp >= 0 && !DyzuryNauczyciela(*u.Poprzedni, tp).empty();
  };
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    const bool zastepuje = std::any_of(m.Zastepstwa.Pokrycia.begin(), m.Zastepstwa.Pokrycia.end(),
                                       [t](const TZastepstwo& z) { return z.Nauczyciel == t; });
    const int tp = u.Poprzedni ? Odpowiednik(m, t, *u.Poprzedni) : -1;
    if (!DyzuryNauczyciela(m, t).empty() || zastepuje || dyzuryPoprzednie(tp))
      dodaj(m.Nauczyciele[t], t, tp);
  }
  // Teachers gone from the plan: their duties cancelled.
  if (u.Poprzedni)
    for (int tp = 0; tp < u.Poprzedni->Nauczyciele.Liczba(); ++tp)
      if (Odpowiednik(*u.Poprzedni, tp, m) < 0 && dyzuryPoprzednie(tp))
        dodaj(u.Poprzedni->Nauczyciele[tp], -1, tp);
  return pliki;
}

}  // namespace velmor
