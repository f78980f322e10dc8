#include "gui/common/ramka.h"

#include <QAbstractButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/common/pomoc.h"
#include "gui/grid/celledi.h"

namespace velmor {

QVBoxLayout* RamkaOkna(QWidget* okno, const char* nazwa, const char* tytul, int pomoc) {
  okno->setObjectName(nazwa);
  okno->setWindowTitle(QString::fromUtf8(tytul));
  UstawKontekstPomocy(okno, pomoc);
  auto* uklad = new QVBoxLayout(okno);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->setSpacing(0);
  return uklad;
}

QToolBar* PasekOkna(QVBoxLayout* uklad, std::span<QToolButton* const> przyciski) {
  auto* pasek = new QToolBar(uklad->parentWidget());
  uklad->addWidget(pasek);
  for (QToolButton* p : przyciski) pasek->addWidget(p);
  return pasek;
}

void PodlaczDialogi(TCellEdi& siatka, TUslugiOkna& uslugi, TOpcjeWygladu wyglad,
                    QAbstractButton* drukuj, std::function<QString()> tytul) {
  siatka.OnLeftTopAkcja = [&uslugi, wyglad](TCellEdi& s, int, Qt::KeyboardModifiers) {
    uslugi.PokazWyglad(s, wyglad);
  };
  if (!drukuj) return;
  QObject::connect(drukuj, &QAbstractButton::clicked, &siatka,
                   [&siatka, &uslugi, tytul = std::move(tytul)] {
                     uslugi.Drukuj(siatka, tytul ? tytul() : QString("Orvel"));
                   });
}

}  // namespace velmor
