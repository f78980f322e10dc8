#pragma once
// Tffdopcje: the automatic-entry options, flags of the document's options
// record and the optimal entry's time limit.
#include <QDialog>
#include <array>

class QAbstractButton;
class QCheckBox;
class QSpinBox;

namespace velmor {

struct TOpcje;

class Tffdopcje : public QDialog {
  Q_OBJECT
 public:
  explicit Tffdopcje(TOpcje& opcje, QWidget* rodzic = nullptr);

  // Shows the flags, runs the dialog modally, writes them back however it
  // was closed.
  void Pokaz();

  // The check box of option byte 0, 1, 2, 4 or 5 (nullptr for others).
  QCheckBox* Pole(int bajt) const;
  // The optimal entry's time limit in seconds (byte 6).
  QSpinBox* Limit() const { return limit_; }
  QAbstractButton* Koniec() const { return koniec_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // Byte 5: the optimal entry may take candidates with a reservation.
  static constexpr std::array<int, 5> kBajty{0, 1, 2, 5, 4};

  TOpcje& opcje_;
  std::array<QCheckBox*, 5> pola_{};
  QSpinBox* limit_;
  QAbstractButton* koniec_ = nullptr;
};

}  // namespace velmor
