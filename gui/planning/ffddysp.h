#pragma once
// Tffddysp: the micro-plan, one week of a teacher, room or region as days by
// periods. In mode 1 it also sets and clears the teacher's duty bans.
#include <functional>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
#include "gui/planning/ramki.h"

class QPushButton;

namespace velmor {

class TCellEdi;
class TDokument;
class TTekstOczka;

// The five instances, in the order of their trailer rows.
enum TMikroplan {
  kMikroplanGlowny,   // "Mikroplan": where a teacher teaches
  kMikroplanRejonu,   // regions editor, mode 3
  kMikroplanSali,     // regions editor, mode 2
  kMikroplanKto,      // "Kto dyżuruje?"
  kMikroplanGdzie,    // "Gdzie dyżuruje?"
  kLiczbaMikroplanow
};

class Tffddysp : public TRamkaTowarzysza {
  Q_OBJECT
 public:
  static constexpr int kBezMomentu = 10000;  // any moment above 9999: no cursor place

  Tffddysp(TDokument& dokument, TMikroplan instancja, TUslugiOkna& uslugi,
           QWidget* rodzic = nullptr);

  // Moves the duty plan editor's cursor to region r and moment m.
  std::function<void(int rejon, int moment)> KursorPlanu;

  // Mode 0 where teacher t teaches, 1 where t is on duty, 2 who teaches in
  // room o, 3 who is on duty in region r.
  void pokaz_mikroplan(int tryb, int podmiot, int moment);
  // Inverts the teacher's ban in every selected slot without a duty (mode 1).
  void PrzelaczZakazy();

  int Tryb() const { return tryb_; }
  int Podmiot() const { return podmiot_; }
  QString TytulPanelu() const;
  QPushButton* Drukuj() const { return drukuj_; }
  QPushButton* Zakaz() const { return zakaz_; }
  QPushButton* Koniec() const { return koniec_; }


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

  TDokument& dok_;
  TMikroplan instancja_;
  int tryb_ = 0, podmiot_ = 0, moment_ = kBezMomentu;
  std::vector<uint8_t> bajty_;  // per slot, by mode
  QLabel* tytul_;
  QPushButton *drukuj_, *zakaz_, *koniec_;
};

}  // namespace velmor
