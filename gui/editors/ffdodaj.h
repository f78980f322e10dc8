#pragma once
// Tffdodaj: the room picker of the regions editor. The rooms chosen on the
// left, the others on the right, narrowed by the first letters typed.
#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/wektor.h"

class QLabel;
class QPushButton;

namespace velmor {

class TCellEdi;
class TDokument;

class Tffdodaj : public QDialog {
  Q_OBJECT
 public:
  static constexpr size_t kMaksFiltr = 3;

  explicit Tffdodaj(const TDokument& dokument, QWidget* rodzic = nullptr);

  // Edits `wybraneSale` in place; false when left with Esc.
  bool Wybierz(TWektor<uint8_t>& wybraneSale);

  // "<<": the right grid's cursor room joins after the left grid's cursor.
  void Dolacz();
  // ">>": the left grid's cursor room leaves.
  void Wyklucz();

  TCellEdi* Wybrane() const { return wybrane_; }
  TCellEdi* Wszystkie() const { return wszystkie_; }
  QPushButton* PrzyciskDolacz() const { return dolacz_; }
  QPushButton* PrzyciskWyklucz() const { return wyklucz_; }
  QPushButton* Zamknij() const { return zamknij_; }
  QLabel* Filtr() const { return filtr_; }
  const std::string& TekstFiltru() const { return tekstFiltru_; }
  const std::vector<uint8_t>& WidoczneSale() const { return widoczne_; }

 protected:
  bool eventFilter(QObject* obiekt, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void PodlaczSiatke(TCellEdi& s, const char* naglowek, bool lewa);
  int LiczbaWybranych() const;
  uint8_t Sala(bool lewa, int y) const;
  void Przebuduj();
  bool Pisz(const QKeyEvent& e);

  const TDokument& dok_;
  TWektor<uint8_t>* wybraneSale_ = nullptr;
  std::vector<uint8_t> pozostale_, widoczne_;
  std::string tekstFiltru_;  // Windows-1250
  bool anulowano_ = false;
  TCellEdi *wybrane_, *wszystkie_;
  QPushButton *dolacz_, *wyklucz_, *zamknij_;
  QLabel* filtr_;
};

}  // namespace velmor
