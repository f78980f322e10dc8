#include "gui/app/oknozastepcze.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/app/pomoc.h"

namespace velmor {

TOknoZastepcze::TOknoZastepcze(const QString& nazwa, const QString& tytul, int kontekst,
                               QWidget* rodzic)
    : QWidget(rodzic, Qt::Window) {
  setObjectName(nazwa);
  setWindowTitle(tytul);
  UstawKontekstPomocy(this, kontekst);
  auto* uklad = new QVBoxLayout(this);
  uklad->addWidget(new QLabel(tytul.trimmed(), this));
  resize(320, 200);
}

}  // namespace velmor
