#pragma once
// Tffdlista: the teacher chooser of entry by hand. The list narrows to the
// names that begin with the letters typed.
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
struct TModele;

struct TPozycjaListy {
  int32_t klucz = 0;    // sort key
  int32_t wartosc = 0;  // returned when picked
  uint8_t indeks = 0;   // the teacher whose name the item shows
};

class Tffdlista : public TRamkaListy {
  Q_OBJECT
 public:
  Tffdlista(const TModele& modele, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

  // The three steps of a choice: open with a first letter (0 or 13: none),
  // add the items, show them; the value picked, or kBezWyboru.
  void otworz_liste(int tryb, int pierwszaLitera);
  void dodaj_pozycje(int klucz, int wartosc, int indeks);
  int wybierz_pozycje(int moment);
  int Wybierz(const std::vector<TPozycjaListy>& pozycje, int pierwszaLitera, int moment);

  // Moves the visible companion windows to a teacher and moment.
  std::function<void(int nauczyciel, int moment)> Towarzysze;

  QLabel* Ile() const { return ile_; }
  QLabel* Filtr() const { return filtr_; }
  // The items shown, in order.
  std::vector<TPozycjaListy> Widoczne() const;

 private:
  void PodlaczSiatke();
  std::string Etykieta(const TPozycjaListy& p) const;
  void Przefiltruj();
  void Odswiez();
  void Pisz(int& znak);

  const TModele& modele_;
  std::vector<TPozycjaListy> pozycje_;
  std::vector<int> widoczne_;  // positions in pozycje_
  std::string tekst_;          // the filter, Windows-1250
  int moment_ = kBrakSlotu;
  QLabel *ile_, *filtr_;
};

}  // namespace velmor
