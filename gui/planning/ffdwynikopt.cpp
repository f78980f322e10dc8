#include "gui/planning/ffdwynikopt.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/archive/liczebnik.h"
#include "core/eksport/tabele.h"
#include "core/planning/ogolne.h"
#include "core/planning/powody.h"
#include "gui/grid/tekst.h"
#include "gui/planning/wykres_obciazen.h"

namespace velmor {
namespace {

QTableWidget* Tabela(QWidget* rodzic, const QStringList& naglowki) {
  auto* t = new QTableWidget(0, static_cast<int>(naglowki.size()), rodzic);
  t->setHorizontalHeaderLabels(naglowki);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->verticalHeader()->hide();
  t->horizontalHeader()->setStretchLastSection(true);
  return t;
}

void Wiersz(QTableWidget* t, int w, const QStringList& pola) {
  for (int k = 0; k < pola.size(); ++k) t->setItem(w, k, new QTableWidgetItem(pola[k]));
}

QString ProcentTekst(double udzial) { return QString("%1 %").arg(Procent(udzial)); }

// The fair plan against the most convenient plan of its cells.
QString OpisRownosci(const TWynikOptimum& w, bool najpierwRowno) {
  const TRozpietosc &a = w.Wygodny, &b = w.Wpisany;
  if (!najpierwRowno)
    return QString::fromUtf8(
               "Równe obciążenie na końcu: suma ocen %1, największe obciążenie %2, "
               "najwięcej dyżurów %3, bez dyżuru %4.")
        .arg(w.Punkty)
        .arg(ProcentTekst(b.NajwiekszeObciazenie))
        .arg(b.NajwiecejDyzurow)
        .arg(b.BezDyzuru);
  return QString::fromUtf8(
             "Najpierw równe obciążenie%1: suma ocen %2 wobec %3 planu "
             "najwygodniejszego (równość kosztuje %4 %). Największe obciążenie "
             "%5 → %6, najwięcej dyżurów %7 → %8, bez dyżuru %9 → %10.")
      .arg(w.Wyrownany ? QString() : QString::fromUtf8(" (nie udowodnione)"))
      .arg(w.Punkty)
      .arg(w.PunktyWygodne)
      .arg(w.CenaRownosci(), 0, 'f', 1)
      .arg(ProcentTekst(a.NajwiekszeObciazenie), ProcentTekst(b.NajwiekszeObciazenie))
      .arg(a.NajwiecejDyzurow)
      .arg(b.NajwiecejDyzurow)
      .arg(a.BezDyzuru)
      .arg(b.BezDyzuru);
}

}  // namespace

Tffdwynikopt::Tffdwynikopt(QWidget* rodzic)
    : QWidget(rodzic, Qt::Window),
      podsumowanie_(new QLabel(this)),
      rownosc_(new QLabel(this)),
      puste_(Tabela(this, {"Moment", "Rejon", QString::fromUtf8("Dlaczego pusta")})),
      obciazenia_(Tabela(this, {})),
      wykres_(new TWykresObciazen(this)) {
  setObjectName("ffdwynikopt");
  setWindowTitle("Wynik wpisywania optymalnego");
  auto* zakladki = new QTabWidget(this);
  zakladki->addTab(puste_, QString::fromUtf8("Puste komórki"));
  zakladki->addTab(obciazenia_, QString::fromUtf8("Obciążenia"));
  auto* przewijany = new QScrollArea(this);
  przewijany->setWidget(wykres_);
  przewijany->setWidgetResizable(true);
  zakladki->addTab(przewijany, "Wykres");
  auto* uklad = new QVBoxLayout(this);
  podsumowanie_->setWordWrap(true);
  uklad->addWidget(podsumowanie_);
  rownosc_->setWordWrap(true);
  uklad->addWidget(rownosc_);
  uklad->addWidget(zakladki, 1);
  connect(puste_, &QTableWidget::cellClicked, this, [this](int w, int) {
    const QTableWidgetItem* e = puste_->item(w, 0);
    if (e != nullptr && PokazKomorke)
      PokazKomorke(e->data(Qt::UserRole).toInt(), e->data(Qt::UserRole + 1).toInt());
  });
  resize(620, 420);
}

void Tffdwynikopt::Pokaz(const TModele& m, const TObszar& obszar, const TZasadyOceny& z,
                         const TWynikOptimum& wynik, int przed) {
  std::vector<std::pair<int, int>> puste;
  int otwarte = 0;
  for (int k = obszar.MomentOd; k <= obszar.MomentDo; ++k)
    for (int r = obszar.RejonOd; r <= obszar.RejonDo; ++r) {
      const uint8_t v = m.Dyzury.Dyzurny(r, k);
      otwarte += v != kZamkniete;
      if (v == kBrak) puste.emplace_back(r, k);
    }
  QString tekst = QString::fromUtf8("Zajęte komórki: %1 przed, %2 po, z %3 otwartych. ")
                      .arg(przed)
                      .arg(przed + wynik.Wpisano)
                      .arg(otwarte);
  tekst += wynik.Optymalny
               ? QString::fromUtf8("Więcej się nie da: plan jest optymalny.")
               : QString::fromUtf8("%1 po %2 s; możliwe najwyżej %3.")
                     .arg(wynik.Przerwany ? "Przerwano" : QString::fromUtf8("Przekroczony czas"))
                     .arg(wynik.Sekundy, 0, 'f', 1)
                     .arg(QString::fromStdString(Liczebnik(przed + wynik.NajwyzejMozliwe, "komórka",
                                                           "komórki", "komórek")));
  if (wynik.Kawalki > 1)
    tekst += QString::fromUtf8(" Za duży na raz: liczony w %1 częściach, moment po momencie.")
                 .arg(wynik.Kawalki);
  podsumowanie_->setText(tekst);
  rownosc_->setText(OpisRownosci(wynik, m.Opcje.NajpierwRowno()));
  WypelnijPuste(m, puste, z);
  WypelnijObciazenia(m);
  show();
  raise();
}

void Tffdwynikopt::WypelnijPuste(const TModele& m, const std::vector<std::pair<int, int>>& komorki,
                                 const TZasadyOceny& z) {
  puste_->setRowCount(static_cast<int>(komorki.size()));
  for (int w = 0; w < puste_->rowCount(); ++w) {
    const auto [r, k] = komorki[static_cast<size_t>(w)];
    const QString rejon = m.Rejony.Istnieje(r) ? QTekst(m.Rejony[r].Nazwa) : QString();
    Wiersz(puste_, w,
           {QTekst(m.EtykietaMomentu(k)), rejon,
            QString::fromStdString(OpisPowodow(m, PowodyPustej(m, r, k, z)))});
    puste_->item(w, 0)->setData(Qt::UserRole, r);
    puste_->item(w, 0)->setData(Qt::UserRole + 1, k);
  }
  puste_->resizeColumnsToContents();
}

// The loads view of the plan: a header row, then a row per teacher.
void Tffdwynikopt::WypelnijObciazenia(const TModele& m) {
  const TTabela widok = WidokObciazen(m);
  QStringList naglowki;
  for (const std::string& n : widok[0]) naglowki << QString::fromStdString(n);
  obciazenia_->setColumnCount(static_cast<int>(naglowki.size()));
  obciazenia_->setHorizontalHeaderLabels(naglowki);
  obciazenia_->setRowCount(static_cast<int>(widok.size()) - 1);
  for (size_t w = 1; w < widok.size(); ++w) {
    QStringList pola;
    for (const std::string& x : widok[w]) pola << QString::fromStdString(x);
    Wiersz(obciazenia_, static_cast<int>(w) - 1, pola);
  }
  obciazenia_->resizeColumnsToContents();
  const TObciazenia o = TOgolne(m).policz_obciazenia();
  std::vector<TWykresObciazen::TSlupek> slupki;
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t)
    slupki.push_back({QTekst(m.Nauczyciele[t].Nazwisko + " " + m.Nauczyciele[t].Imie),
                      o.Dyzury[static_cast<size_t>(t)], m.Nauczyciele[t].LimitDyzurow});
  wykres_->Ustaw(std::move(slupki));
}

}  // namespace velmor
