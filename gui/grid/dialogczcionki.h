#pragma once
// Choosing a grid font: face, size (6 to 20 points), style and colour.
#include <QDialog>
#include <optional>

#include "core/grid/ustawienia.h"

class QFontDialog;
class QPushButton;

namespace velmor {

class TDialogCzcionki : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kNajmniejsza = 6, kNajwieksza = 20;

  TDialogCzcionki(const TCzcionka& f, QWidget* rodzic = nullptr);

  // The chosen font; the character set is the one it started with.
  TCzcionka Czcionka() const;
  void UstawKolor(uint32_t kolor);
  QFontDialog* Wybor() const { return wybor_; }

 private:
  QFontDialog* wybor_;
  QPushButton* kolor_;
  uint32_t barwa_;
  uint8_t zestaw_;
};

// Runs the font dialog; nothing when cancelled.
std::optional<TCzcionka> WybierzCzcionke(QWidget* rodzic, const TCzcionka& f);
// Runs the colour dialog; nothing when cancelled.
std::optional<uint32_t> WybierzKolor(QWidget* rodzic, uint32_t kolor);

}  // namespace velmor
