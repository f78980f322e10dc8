#include "gui/app/ffdmain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

#include "gui/app/okna.h"
#include "gui/app/oknozastepcze.h"
#include "gui/app/pomoc.h"

namespace velmor {

Tffdmain::Tffdmain(TParametryUruchomieniowe parametry, QWidget* rodzic)
    : QMainWindow(rodzic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      parametry_(std::move(parametry)) {
  setObjectName("ffdmain");
  setWindowTitle(kTytulProgramu);
  UstawKontekstPomocy(this, 1);
  resize(460, 120);

  QMenu* pliki = menuBar()->addMenu("&Pliki");
  QAction* koniec = pliki->addAction("&Koniec", this, &QWidget::close);
  koniec->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  QMenu* pomoc = menuBar()->addMenu("Po&moc");
  pomoc->addAction("Velmor - &pomoc", this, [] { PokazPomoc(1); });

  for (auto& okno : mikroplany_) okno = new TOknoZastepcze("ffddysp", "Mikroplan", 220, this);
}

void Tffdmain::showEvent(QShowEvent* zdarzenie) {
  QMainWindow::showEvent(zdarzenie);
  if (pokazane_) return;
  pokazane_ = true;
  PierwszePokazanie();
}

void Tffdmain::PierwszePokazanie() {
  const QWidget* glowny = Okna().ffddysp;
  for (int i = 0; i < 4; ++i)
    mikroplany_[i]->move(glowny->pos() + QPoint(20, 20) * (i + 1));
  const QString tytul = glowny->windowTitle();
  mikroplany_[0]->setWindowTitle(tytul + " rejonu");
  mikroplany_[1]->setWindowTitle(tytul + " sali");
  mikroplany_[2]->setWindowTitle("Kto dyżuruje?");
  mikroplany_[3]->setWindowTitle("Gdzie dyżuruje?");
  setWindowTitle(QString(kTytulProgramu) + " 2025");
}

void Tffdmain::closeEvent(QCloseEvent* zdarzenie) {
  zdarzenie->accept();
  QApplication::quit();
}

}  // namespace velmor
