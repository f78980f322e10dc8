#include "gui/common/ustawieniaokien.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>

#include "core/document/miejsce_okna.h"
#include "gui/grid/celledi.h"

namespace velmor {

namespace {

// The window a window serves: its parent's, when shown, else the active one.
const QWidget* Wlasciciel(const QWidget* okno) {
  const QWidget* rodzic = okno->parentWidget() ? okno->parentWidget()->window() : nullptr;
  const QWidget* w = rodzic && rodzic->isVisible() ? rodzic : QApplication::activeWindow();
  return w != okno ? w : nullptr;
}

// Another shown window already stands at that corner.
bool Zajete(const QWidget* okno, const TProstokat& p) {
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (w != okno && w->isVisible() && w->frameGeometry().topLeft() == QPoint(p.Left, p.Top))
      return true;
  return false;
}

}  // namespace

// Whether a window was shown since its place was set, and the first place
// beside the window it serves for one whose place is not known; windows
// placed beside the same one step down, so that none hides another.
class TPokazania : public QObject {
 public:
  explicit TPokazania(QWidget* okno) : QObject(okno), okno_(okno) {
    okno->installEventFilter(this);
  }
  bool Pokazane = false;
  bool ObokWlasciciela = true;

 protected:
  bool eventFilter(QObject* obiekt, QEvent* e) override {
    if (obiekt != okno_ || e->type() != QEvent::Show) return false;
    Pokazane = true;
    if (const QWidget* wlasciciel = Wlasciciel(okno_); wlasciciel && ObokWlasciciela) {
      const std::vector<TProstokat> ekrany = Ekrany();
      TProstokat p =
          velmor::ObokWlasciciela(ProstokatOkna(okno_), ProstokatOkna(wlasciciel), ekrany);
      for (int i = 0; i < 5 && Zajete(okno_, p); ++i) {
        p.Top += 40;
        p.Bottom += 40;
        p = NaEkranie(p, ekrany);
      }
      UstawProstokat(okno_, p);
    }
    ObokWlasciciela = false;
    return false;
  }

 private:
  QWidget* okno_;
};

void TOknaStopki::Zarejestruj(TOknoStopki wiersz, QWidget* okno, TCellEdi* siatka,
                              std::function<void()> poOdczycie) {
  okna_[static_cast<size_t>(wiersz)] = {okno, siatka, std::move(poOdczycie), new TPokazania(okno)};
}

void TOknaStopki::Ustaw(const TStopka& stopka) const {
  for (size_t i = 0; i < okna_.size(); ++i) {
    const TOknoWiersza& w = okna_[i];
    if (!w.Okno) continue;
    const TProstokat& p = stopka.Okna[i].Prostokat;
    w.Pokazania->Pokazane = w.Okno->isVisible();
    w.Pokazania->ObokWlasciciela = !ZnaneMiejsce(p) && !w.Okno->isVisible();
    // A row never placed (written where no window was shown, as by
    // velmor-cli) leaves the window's own place and its table's own look.
    if (p == TProstokat{}) continue;
    if (ZnaneMiejsce(p)) UstawProstokat(w.Okno, NaEkranie(p, Ekrany()));
    else w.Okno->resize(p.Szerokosc(), p.Wysokosc());
    if (w.Siatka && TStopka::MaSiatke(static_cast<int>(i)))
      w.Siatka->Zastosuj(stopka.Okna[i].Siatka);
    if (w.PoOdczycie) w.PoOdczycie();
  }
}

void TOknaStopki::Pobierz(TStopka& stopka) const {
  for (size_t i = 0; i < okna_.size(); ++i) {
    const TOknoWiersza& w = okna_[i];
    if (!w.Okno) continue;
    // A window not shown since the open has no place of its own to give.
    if (w.Pokazania->Pokazane || w.Okno->isVisible())
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

std::vector<TProstokat> Ekrany() {
  std::vector<TProstokat> ekrany;
  for (const QScreen* ekran : QGuiApplication::screens()) {
    const QRect r = ekran->availableGeometry();
    ekrany.push_back({r.x(), r.y(), r.x() + r.width(), r.y() + r.height()});
  }
  return ekrany;
}

TProstokat ProstokatOkna(const QWidget* okno) {
  const QRect r = okno->frameGeometry();
  return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

namespace {

// The outer rectangle r given to a window with the frame it has now, at
// least at its smallest size.
void UstawZewnetrzny(QWidget* okno, const QRect& r) {
  const QRect ramka = okno->frameGeometry(), wnetrze = okno->geometry();
  const QMargins m(wnetrze.left() - ramka.left(), wnetrze.top() - ramka.top(),
                   ramka.right() - wnetrze.right(), ramka.bottom() - wnetrze.bottom());
  const QSize najmniejszy = okno->minimumSizeHint().expandedTo(okno->minimumSize());
  const QSize rozmiar = QSize(r.width() - m.left() - m.right(), r.height() - m.top() - m.bottom())
                            .expandedTo(najmniejszy)
                            .expandedTo(QSize(1, 1));
  okno->setGeometry(QRect(r.topLeft() + QPoint(m.left(), m.top()), rozmiar));
}

// A window not on screen yet has no frame: its rectangle is given again once
// it is shown and the window manager's frame is known (at its first expose).
class TMiejscePoPokazaniu : public QObject {
 public:
  static constexpr const char* kNazwa = "miejscePoPokazaniu";

  TMiejscePoPokazaniu(QWidget* okno, const QRect& r) : QObject(okno), okno_(okno), r_(r) {
    setObjectName(kNazwa);
    okno->installEventFilter(this);
    if (okno->windowHandle()) okno->windowHandle()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* obiekt, QEvent* e) override {
    if (obiekt == okno_ && e->type() == QEvent::Show && okno_->windowHandle())
      okno_->windowHandle()->installEventFilter(this);
    if (obiekt == okno_->windowHandle() && e->type() == QEvent::Expose &&
        okno_->windowHandle()->isExposed()) {
      UstawZewnetrzny(okno_, r_);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* okno_;
  QRect r_;
};

}  // namespace

void UstawProstokat(QWidget* okno, const TProstokat& p) {
  if (p.Szerokosc() <= 0 || p.Wysokosc() <= 0) return;
  const QRect r(p.Left, p.Top, p.Szerokosc(), p.Wysokosc());
  // Found by name: without its own meta-object any child would match its type.
  delete okno->findChild<QObject*>(TMiejscePoPokazaniu::kNazwa, Qt::FindDirectChildrenOnly);
  UstawZewnetrzny(okno, r);
  if (!okno->isVisible() || !okno->windowHandle() || !okno->windowHandle()->isExposed())
    new TMiejscePoPokazaniu(okno, r);
}

}  // namespace velmor
