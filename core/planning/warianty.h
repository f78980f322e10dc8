#pragma once
// Judging a teacher for one duty cell, and the list of judged candidates.
#include <cstdint>
#include <vector>

#include "core/model/opcje.h"
#include "core/planning/obecnosc.h"

namespace velmor {

// The message of a judged candidate, shown in the variant list.
enum TKomunikat : int32_t {
  kKomunikatMusiZostac = 0,          // only a lesson before, in the region
  kKomunikatMusiPrzyjsc = 1,         // only a lesson after, in the region
  kKomunikatPozaRejonem = 2,         // lessons before and after, not in the region
  kKomunikatPozaRejonemZostac = 3,   // only a lesson before, not in the region
  kKomunikatPozaRejonemPrzyjsc = 4,  // only a lesson after, not in the region
  kKomunikatDlugaZajeta = 5,         // a long-break duty that day already
  kKomunikatNieMaWSzkole = 6,        // no lesson before nor after
  kKomunikatLimitDyzurow = 7,
  kKomunikatLimitMinut = 8,
  kKomunikatZajety = 9,  // on duty elsewhere at the moment
  kKomunikatZakaz = 10,  // banned at the moment
  kBezKomunikatu = 11,
};

struct TWariant {
  int32_t moc = 0;  // -1: excluded; otherwise higher is better
  uint8_t nauczyciel = 0;
  int32_t komunikat = kBezKomunikatu;  // a TKomunikat
  uint8_t zastrzezenie = 0;            // 1: acceptable only with a reservation
  bool operator==(const TWariant&) const = default;
};

// What a choice of a teacher from the list gives when it gives none.
enum TBrakWyboru : int {
  kWyborPrzerwany = -2,  // cancelled: the run stops
  kBezWyboru = -1,       // nothing chosen, or a record that may not be entered
};

// The message of a code (UTF-8, leading blanks included); "" for
// kBezKomunikatu and for a code outside TKomunikat.
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
  bool Zakaz = false;          // banned at m
  int Dyzury = 0, Minuty = 0;  // load so far
  int LimitDyzurow = 0, LimitMinut = 0;
  int MinutyMomentu = 0;
  bool Zajety = false;            // on duty somewhere at m
  bool DlugaZajeta = false;       // m is long and t has a long-break duty that day
  TObecnosc Kod = kObecnoscBrak;  // presence code
};

// The rules that exclude a candidate before his presence is looked at, in
// their order: the message of the first that holds, or kBezKomunikatu.
inline TKomunikat Wykluczenie(const TFaktyKandydata& f, const TZasadyOceny& z) {
  if (f.Zakaz) return kKomunikatZakaz;
  if (f.Dyzury >= f.LimitDyzurow) return kKomunikatLimitDyzurow;
  if (f.LimitMinut < f.Minuty + f.MinutyMomentu) return kKomunikatLimitMinut;
  if (f.Zajety) return kKomunikatZajety;
  if (f.DlugaZajeta && z.Automatycznie && z.JednaDluga) return kKomunikatDlugaZajeta;
  return kBezKomunikatu;
}

// Whether the judgement reaches the presence code (f.Kod): it does not for a
// teacher excluded before it. Lets callers skip working the code out.
inline bool ObecnoscPotrzebna(const TFaktyKandydata& f, const TZasadyOceny& z) {
  return Wykluczenie(f, z) == kBezKomunikatu;
}

namespace detail {
inline int Wyklucz(TKomunikat kod, int& komunikat) {
  komunikat = kod;
  return -1;
}

inline int Zastrzez(TKomunikat kod, int& komunikat, uint8_t& zastrzezenie) {
  komunikat = kod;
  zastrzezenie = 1;
  return 0;
}

}  // namespace detail

// The candidate's score; `komunikat` and `zastrzezenie` start at
// kBezKomunikatu and 0. Inline: the automatic entry judges every teacher for
// every cell.
inline int ocen_kandydata(const TFaktyKandydata& f, const TZasadyOceny& z, int& komunikat,
                          uint8_t& zastrzezenie) {
  if (const TKomunikat k = Wykluczenie(f, z); k != kBezKomunikatu)
    return detail::Wyklucz(k, komunikat);
  int moc = 20;
  if (f.DlugaZajeta) {
    komunikat = kKomunikatDlugaZajeta;
    if (!z.Automatycznie) {
      moc = 0;
      zastrzezenie = 1;
    }
  }
  switch (f.Kod) {
    case kObecnoscBrak: return detail::Wyklucz(kKomunikatNieMaWSzkole, komunikat);
    case kObecnoscBezSal: return moc;
    case kObecnoscPoPozaRejonem:
      return detail::Zastrzez(kKomunikatPozaRejonemPrzyjsc, komunikat, zastrzezenie);
    case kObecnoscPrzedPozaRejonem:
      return detail::Zastrzez(kKomunikatPozaRejonemZostac, komunikat, zastrzezenie);
    case kObecnoscObiePozaRejonem:
      return detail::Zastrzez(kKomunikatPozaRejonem, komunikat, zastrzezenie);
    case kObecnoscPoWRejonie:
      return z.Automatycznie && z.PrzedLekcjami
                 ? moc
                 : detail::Zastrzez(kKomunikatMusiPrzyjsc, komunikat, zastrzezenie);
    case kObecnoscPrzedWRejonie:
      return z.Automatycznie && z.PoLekcjach
                 ? moc
                 : detail::Zastrzez(kKomunikatMusiZostac, komunikat, zastrzezenie);
    default: return moc + 10 * f.Kod;
  }
}

// Whether a comes before b in the list sorted by score (column 2).
inline bool PrzedWgMocy(const TWariant& a, const TWariant& b) {
  return a.moc != b.moc ? a.moc > b.moc : a.komunikat < b.komunikat;
}

class TListaWariantow {
 public:
  void wyczysc_warianty(int moment);
  void dodaj_wariant(int moc, uint8_t nauczyciel, int komunikat, uint8_t zastrzezenie) {
    w_.push_back({moc, nauczyciel, komunikat, zastrzezenie});
  }
  // Stable sort by column 0 (teacher), 1 (message) or 2 (score).
  void sortuj_warianty(int kolumna);

  // The record that column 2 sorts first, without sorting; -1 when empty.
  int Najlepszy() const;
  // The choice rule for the record at `indeks` (the first when nothing is
  // shown): the teacher, or kBezWyboru when it may not be entered.
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
