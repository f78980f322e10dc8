#pragma once
// A new duty plan from a timetable: what the previous plan carries over.
#include <array>
#include <string>
#include <vector>

#include "core/document/dokument.h"

namespace velmor {

// A previous teacher: who he is and what he may do.
struct TNauczycielPlanu {
  std::string Nazwisko, Imie;
  int32_t LimitDyzurow = 0, LimitMinut = 0;
};

// The previous plan's shape, taken before the timetable is read.
struct TKsztaltPlanu {
  int Sloty = 0, Rejony = 0, Nauczyciele = 0;
  std::vector<int> Lekcje;  // period count of every day
  std::vector<TNauczycielPlanu> Kadra;
  std::vector<std::string> Sale;  // the rooms' names

  static TKsztaltPlanu Z(const TModele& m);
  // The previous slot of the same day and period as new slot s, or kBrakSlotu.
  int PoprzedniSlot(const TDni& dni, int s) const;
};

enum TPrzeniesienie { kPrzeniesMomenty, kPrzeniesRejony, kPrzeniesLimity, kPrzeniesPlan };

// The four carry-over boxes: which may be ticked, which are ticked at first.
struct TPolaPrzeniesienia {
  std::array<bool, 4> Dostepne{}, Zaznaczone{};
  bool JakiesDostepne() const { return Dostepne[0] || Dostepne[1] || Dostepne[2] || Dostepne[3]; }
  static TPolaPrzeniesienia Z(const TKsztaltPlanu& przed, const TModele& teraz);
};

// Which previous item each new one is: the one of the same name (bytes
// compared exactly); among several of one name the k-th new one is the k-th
// previous one.
struct TDopasowanie {
  std::vector<int> Poprzedni;  // per new item: the previous one, or -1
  std::vector<int> Nowy;       // per previous item: the new one, or -1

  static TDopasowanie Z(const std::vector<std::string>& przed,
                        const std::vector<std::string>& teraz);
  int BezZmian() const;
  int Nowe() const { return static_cast<int>(Poprzedni.size()) - BezZmian(); }
  int Usuniete() const { return static_cast<int>(Nowy.size()) - BezZmian(); }
};

// How the timetable now in the models matches the previous plan.
struct TDopasowaniePlanu {
  TDopasowanie Nauczyciele, Sale;
  std::vector<std::string> RejonyBezSal;  // regions whose every room is gone

  static TDopasowaniePlanu Z(const TKsztaltPlanu& przed, const TModele& teraz);
  // "Nauczyciele: 34 bez zmian, 1 nowy, 1 usunięty. Sale: 20 bez zmian."
  // and the regions left without rooms; UTF-8.
  std::string Opis() const;
};

// Rebuilds regions, limits, moments and the duty table for the timetable now
// in the models; `przenies` are the ticked boxes. Teachers take the limits
// and duties, regions the rooms, of the previous ones of the same name.
void PrzebudujPlan(TModele& m, const TKsztaltPlanu& przed, const std::array<bool, 4>& przenies);

}  // namespace velmor
