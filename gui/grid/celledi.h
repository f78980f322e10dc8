#pragma once
// TCellEdi: the table control of every table window. It holds no cell data:
// every cell, header and clipboard text is asked of the owning window through
// the callbacks below, in data coordinates (x = column - 1, y = row - 1, -1
// for a header).
#include <QAbstractScrollArea>
#include <QFont>
#include <functional>
#include <optional>
#include <vector>

#include "core/grid/edycja.h"
#include "core/grid/strona.h"
#include "core/grid/strumien_rekordow.h"
#include "core/grid/tekstoczka.h"
#include "core/grid/ustawienia.h"
#include "core/grid/zaznaczenie.h"
#include "gui/grid/uklady_tekstow.h"

class QPainter;
class QPaintDevice;
class QTimer;

namespace velmor {

// The platform cell state handed to the painter.
struct TStanOczka {
  bool Zaznaczone = false;  // inside the selection
  bool Kursor = false;      // the current cell
  bool Staly = false;       // a header or frozen cell
};

class TCellEdi : public QAbstractScrollArea {
  Q_OBJECT
 public:
  static constexpr int kMaksIlosc = 49999;

  explicit TCellEdi(QWidget* rodzic = nullptr);

  // Callbacks (Sender is the control itself).
  std::function<void(TCellEdi&, int poz, TTekstOczka&ato)> OnLeftInfo, OnTopInfo;
  std::function<void(TCellEdi&, int x, int y, TTekstOczka& ato)> OnOczko;
  std::function<void(TCellEdi&, QPainter& p, int x, int y, int x0, int y0)> OnGrafOczko;
  std::function<void(TCellEdi&, int x, int y, int xm, int ym, int button)> OnMyszWOczkuAkcja;
  std::function<void(TCellEdi&, int x, int y, std::string&txt, TStrumienRekordow*schowek)>
      OnOczkoToClipboard, OnClipboardToOczko;
  std::function<void(TCellEdi&, int button, Qt::KeyboardModifiers shift)> OnLeftTopAkcja;
  std::function<void(TCellEdi&, int poz, int button, Qt::KeyboardModifiers shift)> OnLeftInfoAkcja,
      OnTopInfoAkcja;
  std::function<void(TCellEdi&, int x, int y, int& key, int button, Qt::KeyboardModifiers shift)>
      OnAkcja;
  std::function<void(TCellEdi&, int x, int y, int& key, int button)> OnAkcjaEdit;
  std::function<void(TCellEdi&, int oldx, int oldy)> OnZmianaKomorki, OnPrzeniesionoCol,
      OnPrzeniesionoRow, OnOdswiezenie;
  std::function<void(TCellEdi&, int x, int y, int x0, int y0)> OnMyszRuszona;
  // Wraps a whole paste, so that the window can make it one change.
  std::function<void(const std::function<void()>& wklej)> OnWklejanie;

  // Look. Changes show at the next repaint.
  uint32_t InfoKolor = 0x00FFB0B0, OczkoKolor = 0x00FFD0D0, ZaznaczKolor = 0x00D0A0A0,
           KursorKolor = 0x00A07070, TurboMyszRuchKolor = 0x00FF90F0,
           TurboMyszDragKolor = 0x00FFFFFF;
  int EkstraKolorZmiana = 40;
  bool EkstraKolorHorGrad = false;
  int DefaultJust = 0, DefaultJustVert = 0;
  bool TurboMyszRuch = true, SchowekExcelStyl = true, SchowekFile = false;
  // Platform grid options.
  bool ZakresZaznaczania = true, RozmiarWierszy = true, RozmiarKolumn = true,
       PrzesuwanieWierszy = false, PrzesuwanieKolumn = false;

  // Fonts of data, header and selected cells; setting one repaints.
  const TCzcionka& Font() const { return czcionki_[0]; }
  const TCzcionka& FontInfo() const { return czcionki_[1]; }
  const TCzcionka& FontKursor() const { return czcionki_[2]; }
  void UstawFont(const TCzcionka& f) { UstawCzcionke(0, f); }
  void UstawFontInfo(const TCzcionka& f) { UstawCzcionke(1, f); }
  void UstawFontKursor(const TCzcionka& f) { UstawCzcionke(2, f); }

  // Counts, grid coordinates (the header column and row included).
  int ColCount() const { return static_cast<int>(szer_.size()); }
  int RowCount() const { return static_cast<int>(wys_.size()); }
  void UstawColCount(int n);
  void UstawRowCount(int n);
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  void UstawFixedCols(int n);
  void UstawFixedRows(int n);
  int Ilx() const { return ColCount() - 1; }
  int Ily() const { return RowCount() - 1; }
  void UstawIlx(int v);  // 1..49999; new columns take the last one's width
  void UstawIly(int v);

  // Sizes in pixels.
  int SzerKolumny(int c) const { return szer_[static_cast<size_t>(c)]; }
  int WysWiersza(int r) const { return wys_[static_cast<size_t>(r)]; }
  void UstawSzerKolumny(int c, int w);
  void UstawWysWiersza(int r, int h);
  int SzerInfo() const { return SzerKolumny(0); }
  int WysInfo() const { return WysWiersza(0); }
  void UstawSzerInfo(int w) { UstawSzerKolumny(0, w); }
  void UstawWysInfo(int h) { UstawWysWiersza(0, h); }
  int DefaultSzerIo() const { return defaultSzerIo_; }
  int DefaultWysIo() const { return defaultWysIo_; }
  void UstawDefaultSzerIo(int w);  // every data column from FixedCols up
  void UstawDefaultWysIo(int h);
  int SzerIo(int x) const { return SzerKolumny(x + 1); }
  int WysIo(int y) const { return WysWiersza(y + 1); }
  void UstawSzerIo(int x, int w);  // ignored beyond the last data column
  void UstawWysIo(int y, int h);

  // Cursor and selection.
  int Kurx() const { return kolumna_ - 1; }
  int Kury() const { return wiersz_ - 1; }
  void UstawKursor(int x, int y);
  void UstawKurx(int x);
  void UstawKury(int y);
  TZaznaczenie Zaznaczenie() const { return zaznaczenie_; }
  // Grid coordinates, cut to the scrollable cells; the cursor stays.
  void UstawZaznaczenie(const TZaznaczenie& z);
  // Every scrollable cell.
  void ZaznaczWszystko();
  // The first scrollable column and row (grid coordinates): the cursor and
  // the selection never go into the frozen lines, unless nothing scrolls.
  int PierwszaKolumna() const;
  int PierwszyWiersz() const;

  // Repainting.
  void OdswiezCell(int x, int y);
  void OdswiezRow(int y);
  void OdswiezCol(int x);
  void OdswiezAll();

  // Cell geometry on the viewport (grid coordinates); empty when not visible.
  QRect CellRect(int kolumna, int wiersz) const;
  // The grid cell under a viewport point; (-1, -1) outside.
  QPoint KomorkaW(const QPoint& p) const;
  // Scrolls so that the grid cell is in view.
  void Pokaz(int kolumna, int wiersz);

  // Copy and paste, as the keys do.
  void do_schowka();
  void ze_schowka();
  std::string oczka_to_txt();
  void ini_sel_iterator(int tryb) { iterator_.ini_sel_iterator(tryb, zaznaczenie_); }
  bool sel_iterator(int& x, int& y) { return iterator_.sel_iterator(zaznaczenie_, x, y); }

  // Draws grid cell (kolumna, wiersz) into `r` on any painter. Mode 0..4:
  // black on white, as on screen, coloured text, header hover, header drag.
  void kresl_oczko(QPainter& p, bool drukowanie, int kolumna, int wiersz, const QRect& r,
                   TStanOczka stan, int tryb, double skala);
  // What grid cell (kolumna, wiersz) draws, shown selected or not: the
  // description and its font index; and that font at a print scale.
  TTekstOczka OpisOczka(int kolumna, int wiersz, bool zaznaczone, int& czcionka);
  QFont CzcionkaDruku(int czcionka, double skala) const;
  // The QPainter::drawText flags a sub-cell's text is drawn with.
  static int FlagiTekstu(const TPodoczko& po);

  // Page layout for printing on `drukarka` (its resolution and printable
  // size) with a preview of the given size; gives the page count.
  int IniStrony(const QPaintDevice& drukarka, int podgladSzer, int podgladWys, int pozycjaArkusza,
                const TOpcjeWydruku& opcje);
  // The same with sizes of the printing's own; the grid's stay as they are.
  int IniStrony(const QPaintDevice& drukarka, int podgladSzer, int podgladWys, int pozycjaArkusza,
                const TOpcjeWydruku& opcje, const TRozmiaryDruku& rozmiary);
  std::optional<TOpisStrony> OpisStrony(int strona) const { return uklad_.OpisStrony(strona); }
  const TUkladStron& UkladStron() const { return uklad_; }
  // Draws a page on the printer's painter, or scaled to the preview. `dol`
  // gets the lowest row bottom drawn. False when nothing was drawn: a page
  // outside the layout, or (on the printer) a table whose first row no longer
  // fits below what the sheet holds, so that it must go to a new sheet.
  bool DrukujStrone(QPainter& p, int strona, int& dol, const QString& tytul, bool podglad,
                    bool powtarzajTytul);

  // Settings blocks: the current look as a record, and a record applied.
  TUstawieniaSiatki Ustawienia() const;
  void Zastosuj(const TUstawieniaSiatki& u);

  // The font of a record, for painting.
  static QFont QCzcionka(const TCzcionka& f);
  static TCzcionka ZQFont(const QFont& f, uint32_t kolor, uint8_t zestaw);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void wklej();  // the paste itself
  void UstawCzcionke(int i, const TCzcionka& f);
  void UstawBiezaca(int kolumna, int wiersz, bool rozszerz);
  void ZglosZmiane(int x, int y);
  void PrzeliczPaski();
  int XKolumny(int c) const;
  int YWiersza(int r) const;
  bool Nawigacja(QKeyEvent* e);
  int KrawedzKolumny(const QPoint& p) const;
  int KrawedzWiersza(const QPoint& p) const;
  void NaciskNaglowka(bool kolumna, int indeks, const QPoint& p, int button,
                      Qt::KeyboardModifiers shift);
  void ZaznaczNaglowki(bool kolumny, int od, int doo);
  void PrzewinZaznaczanie();
  void WypelnijOpis(int kolumna, int wiersz, bool zaznaczone, TTekstOczka& ato, int& czcionka);
  void RysujPodoczko(QPainter& p, const TPodoczko& po, const QRect& r, bool drukowanie,
                     bool zaznaczone, bool kursor, int tryb, int czcionka);
  void RysujRogi(QPainter& p, const QRect& r);

  std::vector<int> szer_, wys_;
  int fixedCols_ = 1, fixedRows_ = 1;
  int defaultSzerIo_ = 100, defaultWysIo_ = 14;
  TCzcionka czcionki_[3];
  QFont qczcionki_[3];
  TUkladyTekstow uklady_;            // in qczcionki_, on screen
  int kolumna_ = 1, wiersz_ = 1;     // the current cell, grid coordinates
  int kotwicaK_ = 1, kotwicaW_ = 1;  // where a range selection started
  TZaznaczenie zaznaczenie_{1, 1, 1, 1};
  int zgloszonyX_ = 0, zgloszonyY_ = 0;  // the last reported cursor
  int lewaKolumna_ = 1, gornyWiersz_ = 1;
  TIteratorZaznaczenia iterator_;
  TStrumienRekordow rekordy_;
  // Mouse: hover header cells, drags, sizing and range selection.
  int najechanaK_ = 0, najechanyW_ = 0;
  int ciagnietaK_ = -1, ciagnietyW_ = -1;
  int rozmiarK_ = -1, rozmiarW_ = -1;
  bool zaznaczanieMysza_ = false;
  int zaznaczanieNaglowkow_ = 0;  // 1: a drag across column headers, 2: row headers
  QTimer* przewijanie_;           // scrolls while a drag selection is outside the view
  QPoint mysz_;                   // where that drag is
  QPoint ostatniaKomorka_{-1, -1};
  TUkladStron uklad_;
};

}  // namespace velmor
