#pragma once
// Choosing a grid font: face, size (6 to 20 points, the sizes the grid
// takes), style and colour.
#include <QDialog>
#include <array>
#include <optional>

#include "core/grid/ustawienia.h"

class QCheckBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace velmor {

class TDialogCzcionki : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kNajmniejsza = 6, kNajwieksza = 20;
  // The style boxes: bold, italic, underlined, struck out.
  enum TStyl { kPogrubiona, kPochylona, kPodkreslona, kPrzekreslona, kLiczbaStyli };

  TDialogCzcionki(const TCzcionka& f, QWidget* rodzic = nullptr);

  // The chosen font; the character set is the one it started with.
  TCzcionka Czcionka() const;
  void UstawKolor(uint32_t kolor);
  QFontComboBox* Kroj() const { return kroj_; }
  QSpinBox* Rozmiar() const { return rozmiar_; }
  QCheckBox* Styl(TStyl s) const { return style_[s]; }

 private:
  QFont Wybrana() const;
  void PokazProbke();

  QFontComboBox* kroj_;
  QSpinBox* rozmiar_;
  std::array<QCheckBox*, kLiczbaStyli> style_{};
  QLabel* probka_;
  QPushButton* kolor_;
  uint32_t barwa_;
  uint8_t zestaw_;
};

// Runs the font dialog; nothing when cancelled.
std::optional<TCzcionka> WybierzCzcionke(QWidget* rodzic, const TCzcionka& f);
// Runs the colour dialog; nothing when cancelled.
std::optional<uint32_t> WybierzKolor(QWidget* rodzic, uint32_t kolor);

}  // namespace velmor
