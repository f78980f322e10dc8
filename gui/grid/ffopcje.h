#pragma once
// Tffopcje: the look of one grid (sizes, frozen lines, alignment, fonts,
// colours, shading). Every change goes to the grid at once; there is no
// cancel.
#include <QDialog>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

#include "core/grid/ustawienia.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace velmor {

class TCellEdi;

class Tffopcje : public QDialog {
  Q_OBJECT
 public:
  explicit Tffopcje(QWidget* rodzic = nullptr);

  // Fills the dialog from the grid, shows it modally, returns when closed.
  // With `proporcjonalnie` the cell sizes are percentages of the sizes at
  // opening.
  void pokaz_wyglad(TCellEdi& siatka, bool proporcjonalnie, bool staleKolumny, bool staleWiersze,
                    bool wyrownaniePionowe);
  // What pokaz_wyglad does before showing the dialog.
  void Wczytaj(TCellEdi& siatka, bool proporcjonalnie, bool staleKolumny, bool staleWiersze,
               bool wyrownaniePionowe);

  // The font and colour dialogs; nothing when cancelled.
  std::function<std::optional<TCzcionka>(QWidget*, const TCzcionka&)> WybierzCzcionke;
  std::function<std::optional<uint32_t>(QWidget*, uint32_t)> WybierzKolor;

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  QWidget* ZbudujRozmiary();
  QWidget* ZbudujWyrownanie();
  QWidget* ZbudujCzcionki();
  QWidget* ZbudujKolory();
  template <typename F>
  void Zmiana(F f);  // applies f to the grid unless loading, then repaints
  void SzerokoscOczek(int v);
  void WysokoscOczek(int v);
  void CzcionkaTabeli();
  void PokazKolor(QPushButton* b, uint32_t kolor);

  QPointer<TCellEdi> siatka_;
  bool ladowanie_ = false;
  bool proporcjonalnie_ = false;
  std::vector<int> szerokosci_, wysokosci_;  // data sizes at opening

  QSpinBox *szerInfo_, *wysInfo_, *szerOczek_, *wysOczek_, *staleKolumny_, *staleWiersze_,
      *cieniowanie_;
  QLabel *etStaleKolumny_, *etStaleWierszy_;
  QButtonGroup *poziome_, *pionowe_;
  QGroupBox* grupaPionowa_;
  QCheckBox *jakTabeliNaglowek_, *jakTabeliKursor_;
  std::vector<std::pair<QPushButton*, uint32_t TCellEdi::*>> kolory_;
};

}  // namespace velmor
