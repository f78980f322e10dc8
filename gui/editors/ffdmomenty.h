#pragma once
// Tffdmomenty: the duty moments editor. A row per moment with its name,
// length in minutes and long-break mark; the moment's colour is the row's.
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QToolButton;

namespace velmor {

class TUslugiOkna;

class TCellEdi;
class TDokument;
struct TModele;
class TKolor;
struct TTekstOczka;

class Tffdmomenty : public QWidget {
  Q_OBJECT
 public:
  enum TPolecenie { kZapisz, kJakWPlanie, kDrukuj, kKoniec, kLiczbaPolecen };

  Tffdmomenty(const TDokument& dokument, TUslugiOkna& uslugi, QWidget* rodzic = nullptr);

  // Fits the rows to the moments, shows the window and focuses the grid.
  void Pokaz();
  // Shows the models as they now are, where the window is open.
  void Odswiez();
  // Names the selected moments "przed " and their period's label.
  void JakWPlanieLekcji();
  // Gives the selected moments the colour.
  void Koloruj(uint32_t kolor);

  TCellEdi& Siatka() { return *siatka_; }
  TKolor& Paleta() { return *paleta_; }
  QToolButton* Przycisk(TPolecenie p) const { return polecenia_[p]; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void ZbudujPrzyciski();
  void PodlaczSiatke();
  void Naglowek(int y, TTekstOczka& ato) const;
  void Oczko(int x, int y, TTekstOczka& ato) const;
  void Edycja(int x, int y, int& key, int button);
  void Wklej(int x, int y, const std::string& tekst);
  bool JestMoment(int y) const;
  // Calls f(y) for every selected row that has a moment.
  void NaWierszach(const std::function<void(int y)>& f);

  const TDokument& dokument_;
  TUslugiOkna& uslugi_;
  TModele* wklejane_ = nullptr;  // the models of the paste under way
  TCellEdi* siatka_;
  TKolor* paleta_ = nullptr;
  std::array<QToolButton*, kLiczbaPolecen> polecenia_{};
};

}  // namespace velmor
