#pragma once
// Tffddysp: the micro-plan, one week of a teacher, room or region as days by
// periods. Where a teacher is on duty, it also sets and clears his duty bans.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/model/wspolne.h"
#include "gui/planning/ramki.h"

class QLabel;
class QPushButton;

namespace velmor {

class TCellEdi;
class TDokument;
class TTekstOczka;

// The five instances, in the order of their trailer rows.
enum TMikroplan {
  kMikroplanGlowny,  // "Mikroplan": where a teacher teaches
  kMikroplanRejonu,  // regions editor: who is on duty in a region
  kMikroplanSali,    // regions editor: who teaches in a room
  kMikroplanKto,     // "Kto dyżuruje?"
  kMikroplanGdzie,   // "Gdzie dyżuruje?"
  kLiczbaMikroplanow
};

// What a micro-plan shows in each slot.
enum TTrybMikroplanu {
  kTrybGdzieUczy = 0,      // the room where teacher t teaches
  kTrybGdzieDyzuruje = 1,  // the region where teacher t is on duty
  kTrybKtoUczy = 2,        // who teaches in room o
  kTrybKtoDyzuruje = 3,    // who is on duty in region r
};

class Tffddysp : public TRamkaTowarzysza {
  Q_OBJECT
 public:
  static constexpr int kBezMomentu = kBrakSlotu;  // this or above: no cursor place

  Tffddysp(const TDokument& dokument, TMikroplan instancja, TUslugiOkna& uslugi,
           QWidget* rodzic = nullptr);

  // Moves the duty plan editor's cursor to region r and moment m.
  std::function<void(int rejon, int moment)> KursorPlanu;

  // `podmiot` is the teacher, room or region of the mode.
  void pokaz_mikroplan(TTrybMikroplanu tryb, int podmiot, int moment);
  // Inverts the teacher's ban in every selected slot without a duty
  // (kTrybGdzieDyzuruje).
  void PrzelaczZakazy();

  TTrybMikroplanu Tryb() const { return tryb_; }
  int Podmiot() const { return podmiot_; }
  QString TytulPanelu() const;
  QPushButton* Drukuj() const { return drukuj_; }
  QPushButton* Zakaz() const { return zakaz_; }
  QPushButton* Koniec() const { return koniec_; }
  // Why the last ban command left cells alone; empty otherwise.
  QLabel* Komunikat() const { return komunikat_; }

 private:
  void UstawSiatke();
  bool PodmiotIstnieje() const;
  void Wypelnij();
  std::string Tytul() const;
  int SlotOczka(int x, int y) const;
  void Naglowek(int d, TTekstOczka& ato) const;
  void Wiersz(int p, TTekstOczka& ato) const;
  void Oczko(int x, int y, TTekstOczka& ato) const;
  bool ZnakZakazu(int x, int y) const;
  void Akcja(int x, int y, int& klawisz);

  const TDokument& dok_;
  TUslugiOkna& uslugi_;
  TMikroplan instancja_;
  TTrybMikroplanu tryb_ = kTrybGdzieUczy;
  int podmiot_ = 0, moment_ = kBezMomentu;
  std::vector<uint8_t> bajty_;  // per slot, by mode
  QLabel *tytul_, *komunikat_;
  QPushButton *drukuj_, *zakaz_, *koniec_;
};

}  // namespace velmor
