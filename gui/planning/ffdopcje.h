#pragma once
// Tffdopcje: the automatic-entry options, flags of the document's options
// record and the optimal entry's time limit.
#include <QDialog>
#include <array>

#include "core/model/opcje.h"

class QAbstractButton;
class QCheckBox;
class QSpinBox;

namespace velmor {

class Tffdopcje : public QDialog {
  Q_OBJECT
 public:
  explicit Tffdopcje(QWidget* rodzic = nullptr);

  // Shows the flags, runs the dialog modally, writes them back however it
  // was closed.
  void Pokaz(TOpcje& opcje);

  QCheckBox* Pole(TOpcja opcja) const;
  // The optimal entry's time limit in seconds.
  QSpinBox* Limit() const { return limit_; }
  QAbstractButton* Koniec() const { return koniec_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  std::array<QCheckBox*, kOpcje.size()> pola_{};  // by kOpcje
  QSpinBox* limit_;
  QAbstractButton* koniec_ = nullptr;
};

}  // namespace velmor
