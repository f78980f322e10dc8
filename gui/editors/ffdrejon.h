#pragma once
// Tffdrejon: the duty regions editor. A row per region: its name, typed in
// place, and its rooms, chosen in the room picker; regions are added and
// removed with their duty-table columns, and coloured from the palette.
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "gui/planning/ffddysp.h"

class QLabel;
class QToolButton;

namespace velmor {

class Tffdodaj;
class TTowarzysze;
class TUslugiOkna;

class TCellEdi;
class TDokument;
struct TModele;
class TKolor;
struct TTekstOczka;

class Tffdrejon : public QWidget {
  Q_OBJECT
 public:
  enum TPolecenie { kZapisz, kDodaj, kUsun, kDrukuj, kKoniec, kLiczbaPolecen };
  static constexpr int kMaksNazwa = 20;

  // `sale`: the room picker.
  Tffdrejon(const TDokument& dokument, TUslugiOkna& uslugi, TTowarzysze& towarzysze, Tffdodaj& sale,
            QWidget* rodzic = nullptr);

  // Fits the grid to the regions, repaints or shows the window.
  void Pokaz();
  // Shows the models as they now are, where the window is open.
  void Odswiez();
  void DodajRejon();
  void UsunRejon();
  // Colours the selected regions.
  void Koloruj(uint32_t kolor);

  TCellEdi& Siatka() { return *siatka_; }
  TKolor* Paleta() const { return paleta_; }
  QToolButton* Przycisk(TPolecenie p) const { return polecenia_[p]; }
  QString Status() const;

  // Region r's rooms joined by ",", an invalid entry left empty.
  std::string TekstSal(int r) const;
  void Oczko(int x, int y, TTekstOczka& ato) const;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void ZbudujPrzyciski();
  void PodlaczSiatke();
  void Akcja(int x, int y, int& klawisz, int button);
  void EdytujNazwe(int y, int& klawisz);
  void WybierzSale(int y);
  // One of the regions editor's own micro-plans.
  void Mikroplan(TMikroplan okno, TTrybMikroplanu tryb, int podmiot);
  void Wklej(int x, int y, const std::string& tekst);
  void ZmianaKomorki(int staryY);
  // Calls f(r) for every selected row inside the regions.
  void NaWierszach(const std::function<void(int r)>& f);
  bool JestRejon(int y) const;

  const TDokument& dok_;
  TUslugiOkna& uslugi_;
  TModele* wklejane_ = nullptr;  // the models of the paste under way
  TTowarzysze& towarzysze_;
  Tffdodaj& sale_;
  TCellEdi* siatka_;
  TKolor* paleta_;
  QLabel* status_;
  std::array<QToolButton*, kLiczbaPolecen> polecenia_{};
};

}  // namespace velmor
