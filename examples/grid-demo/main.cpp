// A table control to look at and try by hand: thousands of cells answered
// from a callback, frozen lines, sub-cells, window graphics, copy and paste,
// the appearance dialog (corner cell) and printing with preview (Ctrl+P).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <map>

#include "gui/grid/celledi.h"
#include "gui/grid/ffdruk.h"
#include "gui/grid/ffopcje.h"
#include "gui/grid/grafoczka.h"
#include "gui/grid/polski.h"

using namespace velmor;

int main(int argc, char** argv) {
  QApplication aplikacja(argc, argv);
  PolskieDialogiQt();
  QMainWindow okno;
  okno.setWindowTitle("TCellEdi");
  auto* siatka = new TCellEdi(&okno);
  okno.setCentralWidget(siatka);
  okno.resize(900, 600);

  std::map<std::pair<int, int>, std::string> wpisane;  // what was typed or pasted
  siatka->UstawIlx(5000);
  siatka->UstawIly(5000);
  siatka->UstawFixedCols(2);
  siatka->UstawFixedRows(2);
  siatka->UstawSzerInfo(60);

  siatka->OnOczko = [&wpisane](TCellEdi&, int x, int y, TTekstOczka& ato) {
    if (x == 0 || y == 0) {
      ato.ustaw_tekst(0, x == 0 ? "wiersz " + std::to_string(y) : "kol. " + std::to_string(x));
      ato.ustaw_kolor(0x00C0F0F0);
      return;
    }
    if (const auto it = wpisane.find({x, y}); it != wpisane.end()) {
      ato.ustaw_tekst(0, it->second);
      ato.ustaw_kolor(0x0080FF80);
      return;
    }
    if ((x + y) % 7 == 0) {  // three sub-cells side by side
      ato.Kolumny = 3;
      ato.Podoczka.assign(3, TPodoczko{});
      const uint32_t kolory[] = {0x00F0E0C0, 0x00C0F0E0, 0x00E0C0F0};
      for (int i = 0; i < 3; ++i)
        ato.Podoczka[static_cast<size_t>(i)] = {std::to_string(i + 1), kolory[i], 1, 1};
      return;
    }
    ato.ustaw_tekst(0, std::to_string(x * y));
    ato.ustaw_kolor(0x00FFFFFF - static_cast<uint32_t>((x * 37 + y * 91) % 64) * 0x010101u);
    if (y % 10 == 1) ato.BokiRamki = kBokGora, ato.GruboscRamki = 2, ato.KolorRamki = 0x00FF0000;
  };
  siatka->OnGrafOczko = [](TCellEdi& s, QPainter& p, int x, int y, int x0, int y0) {
    if (x < 1 || y < 1) return;
    TGrafOczkaRys g(p, x0, y0, s.SzerIo(x), s.WysIo(y));
    if (x % 11 == 0 && y % 3 == 0) g.kresl_zakaz(2, 1, 5);
    if (x % 13 == 0 && y % 4 == 0) g.kresl_trojkat(0, 1, y % 8 == 0, 0x00000000);
  };
  siatka->OnOczkoToClipboard = [siatka](TCellEdi&, int x, int y, std::string& txt,
                                        TStrumienRekordow*) {
    TTekstOczka ato;
    siatka->OnOczko(*siatka, x, y, ato);
    txt = ato.daj_tekst(0);
  };
  siatka->OnClipboardToOczko = [&wpisane](TCellEdi&, int x, int y, std::string& txt,
                                          TStrumienRekordow*) {
    if (x >= 0 && y >= 0) wpisane[{x, y}] = txt;
  };
  siatka->OnAkcjaEdit = [&wpisane](TCellEdi& s, int x, int y, int& key, int) {
    std::string& tekst = wpisane[{x, y}];
    if (key == '~') tekst.clear();
    else if (key == 8 && !tekst.empty()) tekst.pop_back();
    else if (key >= 32) tekst += static_cast<char>(key);
    else return;
    key = 0;
    s.OdswiezCell(x, y);
  };
  siatka->OnZmianaKomorki = [&okno](TCellEdi& s, int, int) {
    okno.statusBar()->showMessage(QString("x = %1, y = %2").arg(s.Kurx()).arg(s.Kury()));
  };
  Tffopcje wyglad(&okno);
  siatka->OnLeftTopAkcja = [&wyglad](TCellEdi& s, int, Qt::KeyboardModifiers) {
    wyglad.pokaz_wyglad(s, false, true, true, true);
  };
  QPrinter drukarka(QPrinter::HighResolution);
  Tffdruk druk(drukarka, &okno);
  QMenu* plik = okno.menuBar()->addMenu("&Plik");
  plik->addAction("&Drukuj...", QKeySequence::Print,
                  [&druk, siatka] { druk.drukuj_tabele(*siatka, "Orvel"); });
  plik->addAction("&Zamknij", QKeySequence::Quit, &okno, &QWidget::close);
  okno.statusBar()->showMessage(
      "Pisz w komórkach, Ctrl+C / Ctrl+V, narożnik: wygląd tabeli, Ctrl+P: drukuj");
  okno.show();
  return aplikacja.exec();
}
