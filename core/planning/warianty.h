#pragma once
// Judging a teacher for one duty cell, and the list of judged candidates.
#include <cstdint>
#include <vector>

#include "core/model/opcje.h"

namespace velmor {

struct TWariant {
  int32_t moc = 0;            // -1: excluded; otherwise higher is better
  uint8_t nauczyciel = 0;
  int32_t komunikat = 11;     // message code; 11: none
  uint8_t zastrzezenie = 0;   // 1: acceptable only with a reservation
  bool operator==(const TWariant&) const = default;
};

constexpr int kBezKomunikatu = 11;

// The message of a code (UTF-8, leading blanks included); "" for 11.
const char* KomunikatWariantu(int kod);
// Excluded red, with reservation magenta, clean cyan (0x00BBGGRR).
uint32_t KolorWariantu(const TWariant& w);
bool Wykluczony(const TWariant& w);
bool Czysty(const TWariant& w);

// How a run judges: whether the list is shown, and option bytes 0, 1, 2.
struct TZasadyOceny {
  bool Automatycznie = false;  // "Wpisuj automatycznie" ticked
  bool PrzedLekcjami = false;  // duties before lessons allowed
  bool PoLekcjach = false;     // duties after lessons allowed
  bool JednaDluga = true;      // one long-break duty a day
  static TZasadyOceny Z(const TOpcje& opcje, bool automatycznie);
};

// What the judgement reads about teacher t at the cell (region r, moment m).
struct TFaktyKandydata {
  bool Zakaz = false;           // banned at m
  int Dyzury = 0, Minuty = 0;   // load so far
  int LimitDyzurow = 0, LimitMinut = 0;
  int MinutyMomentu = 0;
  bool Zajety = false;          // on duty somewhere at m
  bool DlugaZajeta = false;     // m is long and t has a long-break duty that day
  int Kod = -1;                 // presence code
};

// The candidate's score; `komunikat` and `zastrzezenie` start at 11 and 0.
int ocen_kandydata(const TFaktyKandydata& f, const TZasadyOceny& z, int& komunikat,
                   uint8_t& zastrzezenie);

class TListaWariantow {
 public:
  void wyczysc_warianty(int moment);
  void dodaj_wariant(int moc, uint8_t nauczyciel, int komunikat, uint8_t zastrzezenie);
  // Stable sort by column 0 (teacher), 1 (message) or 2 (score).
  void sortuj_warianty(int kolumna);

  // The record that column 2 sorts first, without sorting; -1 when empty.
  int Najlepszy() const;
  // The choice rule for the record at `indeks` (the first when nothing is
  // shown): the teacher, or -1 when it may not be entered.
  int Wybor(int indeks, bool pokazana) const;

  int Moment() const { return moment_; }
  int Kolumna() const { return kolumna_; }
  const std::vector<TWariant>& Warianty() const { return w_; }

 private:
  std::vector<TWariant> w_;
  int kolumna_ = 2;
  int moment_ = 0;
};

}  // namespace velmor
