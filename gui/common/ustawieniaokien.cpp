#include "gui/common/ustawieniaokien.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

#include "gui/grid/celledi.h"

namespace velmor {

void TOknaStopki::Zarejestruj(TOknoStopki wiersz, QWidget* okno, TCellEdi* siatka,
                              std::function<void()> poOdczycie) {
  okna_[static_cast<size_t>(wiersz)] = {okno, siatka, std::move(poOdczycie)};
}

void TOknaStopki::Ustaw(const TStopka& stopka) const {
  for (size_t i = 0; i < okna_.size(); ++i) {
    const TOknoWiersza& w = okna_[i];
    if (!w.Okno) continue;
    // A row never placed (written where no window was shown, as by
    // velmor-cli) leaves the window's own place and its table's own look.
    if (stopka.Okna[i].Prostokat == TProstokat{}) continue;
    UstawProstokat(w.Okno, stopka.Okna[i].Prostokat);
    if (w.Siatka && TStopka::MaSiatke(static_cast<int>(i)))
      w.Siatka->Zastosuj(stopka.Okna[i].Siatka);
    if (w.PoOdczycie) w.PoOdczycie();
  }
}

void TOknaStopki::Pobierz(TStopka& stopka) const {
  for (size_t i = 0; i < okna_.size(); ++i) {
    const TOknoWiersza& w = okna_[i];
    if (!w.Okno) continue;
    stopka.Okna[i].Prostokat = ProstokatOkna(w.Okno);
    if (w.Siatka && TStopka::MaSiatke(static_cast<int>(i)))
      stopka.Okna[i].Siatka = w.Siatka->Ustawienia();
  }
}

std::optional<TProstokat> PulpitEkranu() {
  QRect pulpit;
  for (const QScreen* ekran : QGuiApplication::screens()) pulpit |= ekran->availableGeometry();
  if (pulpit.isEmpty()) return std::nullopt;
  return TProstokat{pulpit.x(), pulpit.y(), pulpit.x() + pulpit.width(),
                    pulpit.y() + pulpit.height()};
}

TProstokat ProstokatOkna(const QWidget* okno) {
  const QRect r = okno->frameGeometry();
  return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

void UstawProstokat(QWidget* okno, const TProstokat& p) {
  if (p.Szerokosc() <= 0 || p.Wysokosc() <= 0) return;
  const QSize ramka = okno->frameGeometry().size() - okno->geometry().size();
  okno->move(p.Left, p.Top);  // a window's position is its frame's
  okno->resize(std::max(1, p.Szerokosc() - ramka.width()),
               std::max(1, p.Wysokosc() - ramka.height()));
}

}  // namespace velmor
