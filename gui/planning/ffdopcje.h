#pragma once
// Tffdopcje: the automatic-entry options, four flags of the document's
// options record.
#include <QDialog>
#include <array>

class QAbstractButton;
class QCheckBox;

namespace velmor {

struct TOpcje;

class Tffdopcje : public QDialog {
  Q_OBJECT
 public:
  explicit Tffdopcje(TOpcje& opcje, QWidget* rodzic = nullptr);

  // Shows the flags, runs the dialog modally, writes them back however it
  // was closed.
  void Pokaz();

  // The check box of option byte 0, 1, 2 or 4 (nullptr for others).
  QCheckBox* Pole(int bajt) const;
  QAbstractButton* Koniec() const { return koniec_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  static constexpr std::array<int, 4> kBajty{0, 1, 2, 4};

  TOpcje& opcje_;
  std::array<QCheckBox*, 4> pola_{};
  QAbstractButton* koniec_ = nullptr;
};

}  // namespace velmor
