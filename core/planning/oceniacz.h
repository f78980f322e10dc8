#pragma once
// What an automatic entry run reads over and over, taken once: the timetable
// does not change during a run; loads, who is on duty at a moment and who
// has a long-break duty on a day are kept up to date cell by cell.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/planning/ogolne.h"
#include "core/planning/warianty.h"

namespace velmor {

class TOceniacz {
 public:
  explicit TOceniacz(const TModele& m);

  // Facts about moment m shared by all of its cells.
  void Przygotuj(int m);
  TWariant Ocen(int t, int r, int m, const TZasadyOceny& z) const;
  // The tables follow a cell of moment m changed from `stary` to `nowy`.
  void Zmiana(int m, uint8_t stary, uint8_t nowy);

  // Teachers (ascending) whose lesson in slot s is in one of region r's
  // rooms; empty for s < 0.
  std::span<const uint8_t> WRejonie(int r, int s) const;
  // Teachers (ascending) with a lesson right before or right after moment m
  // and no ban there: nobody else can be entered at m.
  std::span<const uint8_t> Obecni(int m) const;
  // Whether teacher t is at his limit of duties, excluded from every cell.
  bool NaLimicie(int t) const {
    return obc_.Dyzury[static_cast<size_t>(t)] >= limity_[static_cast<size_t>(t)].first;
  }
  bool BezSal(int r) const { return bezSal_[static_cast<size_t>(r)]; }
  int SlotPrzed() const { return sPrzed_; }
  bool DlugiMoment() const { return dzienMomentu_ >= 0; }

 private:
  size_t Ind(int t, int s) const;
  TFaktyKandydata Fakty(int t, int r, int m, const TZasadyOceny& z) const;
  void ZbierzLekcje();
  void ZbierzRejony();
  void ZbierzObecnych();
  void ZbierzDyzury();
  void Zmiana(int m, uint8_t stary, uint8_t nowy, bool obciazenia);
  TObecnosc Kod(int t, int r, int m) const;

  const TModele& m_;
  TOgolne o_;
  TObciazenia obc_;
  int n_ = 0;
  // Per slot, the teachers side by side: a cell reads them in turn.
  std::vector<uint8_t> lekcja_, zakaz_, sala_;
  std::vector<int> dyzuryMomentu_;  // per moment and teacher: duties there
  std::vector<int> dlugieDnia_;     // per day and teacher: long-break duties
  std::vector<int> dzienDlugiego_;  // per moment: its day if long, else -1
  std::vector<std::array<bool, 256>> saleRejonu_;
  std::vector<bool> bezSal_;
  // The teachers in a region's rooms, slot after slot, region after region;
  // where the teachers of (slot, region) start, with one end entry.
  std::vector<uint8_t> wRejonie_;
  std::vector<uint32_t> poczatek_;
  std::vector<uint8_t> obecni_;  // likewise per moment
  std::vector<uint32_t> poczatekObecnych_;
  std::vector<std::pair<int, int>> limity_;  // duties and minutes per teacher
  // The moment being decided.
  int minutyMomentu_ = 0;
  int dzienMomentu_ = -1;  // its day when it is a long break
  int sPrzed_ = -1;        // the slot before it in the same day
  bool nastepny_ = false;  // the next moment exists in the same day
};

}  // namespace velmor
