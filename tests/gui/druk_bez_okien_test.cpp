// velmor --print: a table of a plan printed to PDF without a window.
#include "gui/app/druk_bez_okien.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>

#include "gui/grid/celledi.h"
#include "gui/grid/drukpdf.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

// Pages of a PDF file by pdfinfo; -1 when it cannot tell. Under Wine, where
// no Linux program starts, the page objects Qt writes are counted.
int Strony(const std::filesystem::path& pdf) {
#ifdef _WIN32
  QFile plik(QString::fromStdWString(pdf.wstring()));
  if (!plik.open(QIODevice::ReadOnly)) return -1;
  const QByteArray tresc = plik.readAll();
  return tresc.startsWith("%PDF-") ? static_cast<int>(tresc.count("/Type /Page\n")) : -1;
#else
  QProcess p;
  p.start("pdfinfo", {QString::fromStdString(pdf.string())});
  if (!p.waitForFinished(20000) || p.exitCode() != 0) return -1;
  for (const QString& linia : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
    if (linia.startsWith("Pages:")) return linia.mid(6).trimmed().toInt();
  return -1;
#endif
}

class PrintWithoutWindows : public Powloka {};

}  // namespace

TEST_F(PrintWithoutWindows, EveryPageOfTheViewAndClearFailures) {
  // Enough teachers for the limits table to need several pages.
  ZapiszPlanDyzurow(folder / "plan.vlm", Szkola({8, 8, 8, 8, 8}, 120, 6), 6);
  const QString plan = Sciezka("plan.vlm"), pdf = Sciezka("limity.pdf");
  ASSERT_EQ(DrukujBezOkien({"velmor", "--print", plan, "--view", "limits", "-o", pdf}), 0);
  // The same table printed from the limits window of a program of its own:
  // every page of the layout, and the window keeps its own column widths.
  dialogi.Pliki.push_back(plan);
  Glowne().Odczytaj();
  Okna().ffdnaucz->Pokaz();
  TCellEdi& siatka = Okna().ffdnaucz->Siatka();
  const int szer = siatka.SzerKolumny(1);
  QPrinter drukarka(QPrinter::HighResolution);
  ASSERT_TRUE(DrukujDoPdf(siatka, drukarka, "Limity", folder / "okno.pdf"));
  const int stron = siatka.UkladStron().LiczbaStron();
  ASSERT_GT(stron, 1);
  EXPECT_EQ(Strony(folder / "okno.pdf"), stron);
  EXPECT_EQ(Strony(folder / "limity.pdf"), stron);
  EXPECT_EQ(siatka.SzerKolumny(1), szer);
  EXPECT_EQ(DrukujBezOkien({"velmor", "--print", plan, "-o", Sciezka("plan.pdf")}), 0);
  EXPECT_GE(Strony(folder / "plan.pdf"), 1);

  EXPECT_EQ(DrukujBezOkien({"velmor", "--print", plan, "--view", "nic", "-o", pdf}), 2);
  EXPECT_EQ(DrukujBezOkien({"velmor", "--print", plan}), 2);
  EXPECT_EQ(DrukujBezOkien({"velmor", "--print", Sciezka("brak.vlm"), "-o", pdf}), 1);
  const QString wBraku = Sciezka("brak/plan.pdf");
  EXPECT_EQ(DrukujBezOkien({"velmor", "--print", plan, "-o", wBraku}), 3);
  EXPECT_FALSE(QFile::exists(wBraku));
}
