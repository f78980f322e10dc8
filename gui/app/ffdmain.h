#pragma once
// The main window.
#include <QMainWindow>
#include <array>

#include "core/document/parametry.h"

namespace velmor {

class Tffdmain : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr const char* kTytulProgramu = "Velmor";

  Tffdmain(TParametryUruchomieniowe parametry, QWidget* rodzic = nullptr);

  const TParametryUruchomieniowe& Parametry() const { return parametry_; }
  // The four extra micro-plan windows: region, room, who is on duty, where on duty.
  QWidget* DodatkowyMikroplan(int i) const { return mikroplany_[static_cast<size_t>(i)]; }

 protected:
  void showEvent(QShowEvent* zdarzenie) override;
  void closeEvent(QCloseEvent* zdarzenie) override;

 private:
  void PierwszePokazanie();

  TParametryUruchomieniowe parametry_;
  std::array<QWidget*, 4> mikroplany_{};
  bool pokazane_ = false;
};

}  // namespace velmor
