#pragma once
// The red error window: one numbered message at a time.
#include <QDialog>

#include "core/archive/bledy.h"

class QLabel;
class QToolButton;

namespace velmor {

class Tffdyzerr : public QDialog {
  Q_OBJECT
 public:
  explicit Tffdyzerr(QWidget* rodzic = nullptr);

  // Shows the message of `kod`, and below it `szczegol` (such as the file
  // that failed) when given, and waits until the user closes the window.
  // While the window is already showing only the texts and the topic change.
  void Pokaz(int kod, const QString& szczegol = {});

  int Temat() const { return temat_; }
  QString Tekst() const;
  QString Szczegol() const;
  QToolButton* PrzyciskSkomentuj() const { return skomentuj_; }
  QToolButton* PrzyciskZamknij() const { return zamknij_; }

 protected:
  void keyPressEvent(QKeyEvent* zdarzenie) override;
  void mousePressEvent(QMouseEvent* zdarzenie) override;
  void showEvent(QShowEvent* zdarzenie) override;

 private:
  QLabel* etykieta_;
  QLabel* szczegol_;
  QToolButton* skomentuj_;
  QToolButton* zamknij_;
  int temat_ = 0;
};

// Sends every report of the core to the error window.
class TRaportOkna : public TRaportBledow {
 public:
  explicit TRaportOkna(Tffdyzerr* okno) : okno_(okno) {}
  void Pokaz(int kod) override { okno_->Pokaz(kod); }
  void PokazZeSzczegolem(int kod, const std::string& szczegol) override {
    okno_->Pokaz(kod, QString::fromStdString(szczegol));
  }

 private:
  Tffdyzerr* okno_;
};

}  // namespace velmor
