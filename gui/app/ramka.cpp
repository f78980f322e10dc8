#include "gui/app/ramka.h"

#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/app/pomoc.h"

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

}  // namespace velmor
