#pragma once
// The 16-byte record of the automatic-entry and plan colouring options, and
// the one table the options dialog, velmor-cli and the exports read them by.
#include <array>
#include <cstdint>

#include "core/archive/strumien.h"

namespace velmor {

// The switches of the record, by their byte.
enum class TOpcja : uint8_t {
  kPrzedLekcjami = 0,     // duties before the day's lessons allowed
  kPoLekcjach = 1,        // duties after the day's lessons allowed
  kJednaDluga = 2,        // at most one long break a day
  kKolorNauczyciela = 4,  // the duty plan shows the teachers' colours
  kZZastrzezeniem = 5,    // the optimal entry may take candidates with a reservation
  kNajpierwRowno = 7,     // the optimal entry evens the loads before the score
};

struct TOpisOpcji {
  TOpcja Opcja;
  const char* Podpis;      // the options dialog's caption (UTF-8)
  bool WpisAutomatyczny;   // in the dialog's automatic-entry group, else "Inne"
  bool Domyslnie;          // a fresh document's value
  const char* Cli;         // velmor-cli fill's on|off switch, or nullptr
  bool TylkoOptymalnie;    // that switch needs --optimal
  const char* Json;        // the key in the JSON export
  const char* Tak = "on";  // the switch's two values
  const char* Nie = "off";
  bool ZeroWlacza = false;  // byte 0 is on: older files hold 0 there
};

// By byte. Older files hold 0 in bytes 5 and 7.
inline constexpr std::array<TOpisOpcji, 6> kOpcje{{
    {TOpcja::kPrzedLekcjami, "Dyżury przed lekcjami (nauczyciel musi wcześniej przyjść)", true,
     false, "--before-lessons", false, "beforeLessons"},
    {TOpcja::kPoLekcjach, "Dyżury po lekcjach (nauczyciel musi dłużej zostać)", true, false,
     "--after-lessons", false, "afterLessons"},
    {TOpcja::kJednaDluga, "Dyżur na tylko jednej długiej przerwie dziennie", true, true,
     "--one-long-break", false, "oneLongBreakADay"},
    {TOpcja::kKolorNauczyciela, "W planie użyj koloru nauczyciela", false, true, nullptr, false,
     "teacherColours"},
    {TOpcja::kZZastrzezeniem, "Dopuszczaj kandydatów z zastrzeżeniem", true, false,
     "--allow-reservations", true, "allowReservations"},
    {TOpcja::kNajpierwRowno, "Najpierw równe obciążenie", true, true, "--fairness", true,
     "fairnessFirst", "first", "last", true},
}};

constexpr bool ZeroWlacza(TOpcja o) {
  for (const TOpisOpcji& opis : kOpcje)
    if (opis.Opcja == o) return opis.ZeroWlacza;
  return false;
}

// The optimal entry's time limit, byte 6: 0 (as older files hold it) is the
// default.
inline constexpr const char* kPodpisLimitu = "Czas szukania planu optymalnego";
inline constexpr int kDomyslnyLimitSekund = 10, kNajwiekszyLimitSekund = 255;

class TOpcje {
 public:
  using TRekord = std::array<uint8_t, 16>;

  TOpcje();
  // The record as a file holds it, reserved bytes and all.
  static TOpcje ZRekordu(const TRekord& rekord);
  const TRekord& Rekord() const { return bajty_; }

  bool Wlaczona(TOpcja o) const { return (bajty_[static_cast<size_t>(o)] != 0) != ZeroWlacza(o); }
  void Ustaw(TOpcja o, bool wlaczona) {
    bajty_[static_cast<size_t>(o)] = wlaczona != ZeroWlacza(o) ? 1 : 0;
  }
  bool PrzedLekcjami() const { return Wlaczona(TOpcja::kPrzedLekcjami); }
  bool PoLekcjach() const { return Wlaczona(TOpcja::kPoLekcjach); }
  bool JednaDluga() const { return Wlaczona(TOpcja::kJednaDluga); }
  bool KolorNauczyciela() const { return Wlaczona(TOpcja::kKolorNauczyciela); }
  bool ZZastrzezeniem() const { return Wlaczona(TOpcja::kZZastrzezeniem); }
  bool NajpierwRowno() const { return Wlaczona(TOpcja::kNajpierwRowno); }

  int LimitSekund() const { return bajty_[6] != 0 ? bajty_[6] : kDomyslnyLimitSekund; }
  // 1 to 255 seconds; the default is kept as 0, as older files have it.
  void UstawLimitSekund(int sekundy);

  // Duty-plan files only. A file that ends before the record keeps the
  // options of a fresh document.
  void Czytaj(TOrvelOdczyt& s, int rodzaj);
  void Zapisz(TOrvelZapis& s) const { s.Write(bajty_.data(), bajty_.size()); }
  bool operator==(const TOpcje&) const = default;

 private:
  TRekord bajty_{};
};

}  // namespace velmor
