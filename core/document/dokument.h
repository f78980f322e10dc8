#pragma once
// The duty-plan document: the single model instances and their file state.
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "core/archive/napisy.h"
#include "core/document/historia.h"
#include "core/document/stopka.h"
#include "core/import/rozpoznanie.h"
#include "core/model/dni.h"
#include "core/model/dyzury.h"
#include "core/model/momenty.h"
#include "core/model/nauczyciele.h"
#include "core/model/oddzialy.h"
#include "core/model/opcje.h"
#include "core/model/przedmioty.h"
#include "core/model/rejony.h"
#include "core/model/sale.h"
#include "core/model/zastepstwa.h"

namespace velmor {

// Everything a duty-plan file holds.
struct TModele {
  TDni Dni;
  TNauczle Nauczyciele;
  TOddzialy Oddzialy;
  TPrzedmioty Przedmioty;
  TSale Sale;
  TMomenty Momenty;
  TRejony Rejony;
  TDyzury Dyzury;
  TOpcje Opcje;
  TStopka Stopka;
  TZastepstwa Zastepstwa;

  // The sections in their order; kind 5 adds the options and the trailer,
  // and the absences and cover where there are any.
  void Czytaj(TOrvelOdczyt& s, int rodzaj, const TProstokat& pulpit);
  void Zapisz(TOrvelZapis& s, int wersjaPliku) const;
  // What the readers rely on: one moment per slot, a duty table of regions
  // x slots, lists a byte index can address.
  bool Spojne() const;
  // "Pon przed 8:00-8:45" (Windows-1250): slot s's weekday cut to 3 letters
  // and its moment's name (none for a slot without a moment).
  std::string EtykietaMomentu(int s) const;
  // A region inserted before region i (at the end when i is the count), or
  // region i removed, with its duty column and its cover.
  void WstawRejon(int i);
  bool UsunRejon(int i);
  bool operator==(const TModele&) const = default;
};

class TDokument : public TModele {
 public:
  int WersjaPliku = 0;     // version byte of the file read last
  bool Zmieniony = false;  // changes not yet saved; follows the history
  THistoria Historia;

  // Told after every change of the models (a step, undo, redo, an open, a
  // new plan) which parts it touched (TCzesciZmiany bits). Listeners are the
  // document's own: a copy of the document has none.
  using TSluchacz = std::function<void(uint32_t czesci)>;
  int DodajSluchacza(TSluchacz sluchacz);
  void UsunSluchacza(int numer);

  // One user action on the duty model, for its lifetime: every change of
  // the moments, regions, limits, bans, duty table, options and the
  // automatic-entry box is made inside one. The state before is kept for
  // undo, and the document is marked changed when anything changed. `scal`:
  // see THistoria::Dodaj. In debug builds, and wherever the environment sets
  // VELMOR_SPRAWDZ_HISTORIE (the tests do), its end checks that undo would
  // bring back every model as it was, and aborts the program when a change
  // is one the history's state does not hold.
  class TZmiana {
   public:
    TZmiana(TDokument& dokument, std::string nazwa, std::string scal = {});
    ~TZmiana();
    TZmiana(const TZmiana&) = delete;
    TZmiana& operator=(const TZmiana&) = delete;
    // The models this step may change.
    TModele& Modele() { return dokument_; }

   private:
    void SprawdzHistorie() const;

    TDokument& dokument_;
    TStanDyzurow przed_;
    TWidokPlanu widok_;
    std::unique_ptr<TModele> cale_;  // every model before, when checked
    std::string nazwa_, scal_;
  };

  // The duty plan's view, asked as each step begins (set by its window).
  std::function<TWidokPlanu()> WidokPlanu;

  // Whether every TZmiana checks its undo (see there).
  static bool SprawdzanaHistoria();

  // Undoes or redoes the last step; false when there is none.
  bool Cofnij();
  bool Ponow();
  // A plan made anew, never saved: no history, and changed.
  void NowyPlan();
  // The desktop that stored window rectangles are kept on; unbounded
  // without a display.
  TProstokat Pulpit{std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min(),
                    std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()};

  // Reads a duty-plan file (kind 5) or a timetable file (kind 1: a .tbx
  // file, FET's XML or CSV, GPU files, read as `jak` says). All or nothing:
  // on failure the messages are reported (error 1 last) and the document is
  // left exactly as it was.
  bool OtworzPlik(const std::filesystem::path& nazwa, int rodzaj,
                  const TOdczytPlanuLekcji& jak = {});

  // Writes the duty-plan file through a new file that replaces the target
  // only when complete (see TPlikZastepczy). An inconsistent document is
  // refused. On failure error 3 is reported and the old file is untouched.
  bool ZapiszPlik(const std::filesystem::path& nazwa);

 private:
  // Takes models read as the document's, with a fresh history.
  void Przyjmij(TModele&& nowe);
  void Powiadom(uint32_t czesci);
  // The state undo or redo gave back, `teraz` the one it replaced.
  void PrzywrocKrok(const TStanDyzurow& stan, const TStanDyzurow& teraz);

  // Not copied with the document.
  struct TSluchacze {
    TSluchacze() = default;
    TSluchacze(const TSluchacze&) {}
    TSluchacze& operator=(const TSluchacze&) { return *this; }
    std::vector<std::pair<int, TSluchacz>> Lista;
    int Nastepny = 0;
  };
  TSluchacze sluchacze_;
};

}  // namespace velmor
