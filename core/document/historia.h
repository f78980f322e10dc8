#pragma once
// The undo history of the duty model: the state before every user action,
// and the changed flag that follows it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/document/stopka.h"
#include "core/model/dyzury.h"
#include "core/model/momenty.h"
#include "core/model/opcje.h"
#include "core/model/rejony.h"
#include "core/model/zastepstwa.h"

namespace velmor {

struct TModele;

// What the user edits: moments, regions, limits, bans, the duty table, the
// options record and the "Wpisuj automatycznie" box.
struct TStanDyzurow {
  TMomenty Momenty;
  TRejony Rejony;
  TDyzury Dyzury;
  TOpcje Opcje;
  std::vector<int32_t> Limity;  // duties and minutes, teacher after teacher
  std::vector<uint8_t> Zakazy;  // ban per teacher and slot
  bool WpisujAutomatycznie = false;
  TZastepstwa Zastepstwa;

  static TStanDyzurow Z(const TModele& m);
  void Przywroc(TModele& m) const;
  size_t Rozmiar() const;  // about its bytes in memory
  bool operator==(const TStanDyzurow&) const = default;
};

// Where the duty plan's cursor (data cells) and selection (the grid's own
// cells) were as a step began, for its undo and redo to put them back; -1:
// not known.
struct TWidokPlanu {
  int Kolumna = -1, Wiersz = -1;
  int Lewa = -1, Gora = -1, Prawa = -1, Dol = -1;
};

// The parts of the duty model a change touched, as bits.
enum TCzesciZmiany : uint32_t {
  kZmianaTabeli = 1u << 0,
  kZmianaMomentow = 1u << 1,
  kZmianaRejonow = 1u << 2,
  kZmianaLimitow = 1u << 3,
  kZmianaZakazow = 1u << 4,
  kZmianaOpcji = 1u << 5,      // the options record and the "Wpisuj automatycznie" box
  kZmianaCofnieta = 1u << 6,   // by undo or redo (see THistoria::Widok)
  kZmianaZastepstw = 1u << 7,  // absences and cover
  kZmianaCalosci = ~0u,        // a document opened, made anew
};

// The parts in which two states differ; 0 when they are equal.
uint32_t Roznica(const TStanDyzurow& a, const TStanDyzurow& b);

class THistoria {
 public:
  static constexpr size_t kNajwiecejKrokow = 500;
  static constexpr size_t kNajwiecejBajtow = 64u << 20;

  // One action done: `przed` is the state before it, `widok` the duty
  // plan's view then. A step with the key `scal` right after one with the
  // same key joins it (typing into a cell).
  void Dodaj(TStanDyzurow przed, std::string nazwa, std::string scal = {}, TWidokPlanu widok = {});
  // Ends joining: the next step stands alone.
  void Przerwij() { scal_.clear(); }

  bool MoznaCofnac() const { return !cofnij_.empty(); }
  bool MoznaPonowic() const { return !ponow_.empty(); }
  const std::string& NazwaCofniecia() const;
  const std::string& NazwaPonowienia() const;
  // The state to restore; `teraz` is kept for the way back.
  TStanDyzurow Cofnij(TStanDyzurow teraz);
  TStanDyzurow Ponow(TStanDyzurow teraz);
  // The duty plan's view as the step last undone or redone began.
  const TWidokPlanu& Widok() const { return widok_; }

  // A new or opened document: no steps, and the state now is the saved one
  // (or none is, for a plan never saved).
  void Wyczysc(bool zapisany);
  void Zapisano() { zapisany_ = pozycja_; }
  // The state now is not the one saved.
  bool Zmieniony() const { return zapisany_ != pozycja_; }
  size_t LiczbaKrokow() const { return cofnij_.size(); }

 private:
  struct TKrok {
    TStanDyzurow Stan;
    std::string Nazwa;
    TWidokPlanu Widok;
  };
  void Ogranicz();

  std::vector<TKrok> cofnij_, ponow_;
  std::string scal_;  // the key the last step may still be joined by
  TWidokPlanu widok_;
  int64_t pozycja_ = 0;   // steps done since the start, less those undone
  int64_t zapisany_ = 0;  // the position saved, or -1: none
};

}  // namespace velmor
