// A user's whole job through the real windows: a new plan from a timetable,
// its moments, regions with rooms and limits, saved and opened again.
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "gui/common/ustawieniaokien.h"
#include "gui/editors/ffdmomenty.h"
#include "gui/editors/ffdnaucz.h"
#include "gui/editors/ffdnowy.h"
#include "gui/editors/ffdodaj.h"
#include "gui/editors/ffdrejon.h"
#include "gui/grid/celledi.h"
#include "gui/grid/drukarki.h"
#include "gui/grid/ffdruk.h"
#include "gui/planning/ffddysp.h"
#include "gui/planning/ffddyzur.h"
#include "gui/planning/ffdstat.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

class WholeJob : public Powloka {
 protected:
  // One cell pasted, as the grid pastes: inside the window's paste step.
  static void Wklej(TCellEdi& s, int x, int y, std::string tekst) {
    s.OnWklejanie([&] { s.OnClipboardToOczko(s, x, y, tekst, nullptr); });
  }
  Tffdmomenty& Momenty() { return *static_cast<Tffdmomenty*>(Okna().ffdmomenty); }
  Tffdrejon& Rejony() { return *qobject_cast<Tffdrejon*>(Okna().ffdrejon); }
  Tffdnaucz& Limity() { return *static_cast<Tffdnaucz*>(Okna().ffdnaucz); }
  Tffdodaj& Picker() { return *qobject_cast<Tffdodaj*>(Okna().ffdodaj); }

  // Picks room `sala` for the regions editor's cursor row in the modal
  // picker; the picker is closed in any case.
  void WybierzSale(int rejon, int sala) {
    QTimer::singleShot(0, [this, sala] {
      Tffdodaj& p = Picker();
      EXPECT_TRUE(p.isVisible());
      p.Wybrane()->UstawKursor(0, 0);
      p.Wszystkie()->UstawKursor(0, sala);
      p.PrzyciskDolacz()->click();
      if (p.isVisible()) p.close();
    });
    TCellEdi& s = Rejony().Siatka();
    s.UstawKursor(1, rejon);
    s.UstawZaznaczenie({2, rejon + 1, 2, rejon + 1});
    int klawisz = 0;
    s.OnAkcjaEdit(s, 1, rejon, klawisz, 1);
  }
};

TEST_F(WholeJob, NewPlanEditedSavedAndOpenedAgain) {
  // Every teacher teaches the class, in room 2 and room 1 by turns.
  TSzkola szkola = Szkola({3, 3}, 4, 3);
  for (int s = 0; s < 6; ++s) {
    for (int t = 0; t < 4; ++t) szkola.Nauczyciele[t].Dyspozycja[s].Lista = {0};
    szkola.Oddzialy[0].Sale[s].Lista = {static_cast<uint8_t>(s % 2 ? 1 : 2)};
  }
  ZapiszPlanLekcji(folder / "szkola.tbx", kWersjaZapisu, szkola);
  UruchomIPokaz();

  // New, through the wizard.
  dialogi.Pliki = {Sciezka("szkola.tbx"), Sciezka("plan.vlm")};
  Tffdnowy* k = Okna().ffdnowy;
  QTimer::singleShot(0, k, [k] {
    k->Wskaz()->click();
    if (k->Zapisz()->isEnabled()) k->Zapisz()->click();
    k->Zamknij()->click();
  });
  Glowne().Nowy();
  ASSERT_TRUE(DaneDostepne());
  const int momentow = Dok().Momenty.Liczba();
  ASSERT_EQ(momentow, 6);

  // Moments: named as in the timetable, their minutes, one long break.
  Momenty().Pokaz();
  Momenty().Siatka().UstawKursor(0, 0);
  Momenty().Siatka().UstawZaznaczenie({1, 1, 1, momentow});
  Momenty().JakWPlanieLekcji();
  std::vector<std::string> nazwy;
  for (int m = 0; m < momentow; ++m) {
    nazwy.push_back(Dok().Momenty[m].Nazwa);
    EXPECT_EQ(nazwy.back().rfind("przed ", 0), 0u) << m;
    Wklej(Momenty().Siatka(), 1, m, std::to_string(10 + m));
  }
  Wklej(Momenty().Siatka(), 2, 2, "TAK");

  // Two regions, each with a room from the picker.
  Rejony().Pokaz();
  Rejony().Przycisk(Tffdrejon::kDodaj)->click();
  Rejony().Przycisk(Tffdrejon::kDodaj)->click();
  ASSERT_EQ(Dok().Rejony.Liczba(), 2);
  Wklej(Rejony().Siatka(), 0, 0, "Parter");
  Wklej(Rejony().Siatka(), 0, 1, "Pietro");
  WybierzSale(0, 2);
  WybierzSale(1, 1);
  ASSERT_EQ(Dok().Rejony[0].SaleRejonu.Elementy(), std::vector<uint8_t>{2});
  ASSERT_EQ(Dok().Rejony[1].SaleRejonu.Elementy(), std::vector<uint8_t>{1});

  // Limits, pasted in the form the editor copies: "limit (load)".
  Limity().Pokaz();
  for (int t = 0; t < Dok().Nauczyciele.Liczba(); ++t) {
    Wklej(Limity().Siatka(), 1, t, std::to_string(t + 6) + " (0)");
    Wklej(Limity().Siatka(), 2, t, std::to_string(60 + 10 * t) + " (0)");
  }

  // The duty plan: every cell selected and filled without questions.
  Tffddyzur& plan = *Okna().ffddyzur;
  plan.Pokaz();
  plan.Siatka().UstawKursor(1, 1);
  plan.Siatka().UstawZaznaczenie({2, 2, 3, momentow + 1});
  plan.Automatycznie()->setChecked(true);
  plan.Przycisk(Tffddyzur::kAutomatycznie)->click();
  std::vector<uint8_t> komorki;
  for (int r = 0; r < 2; ++r)
    for (int m = 0; m < momentow; ++m) komorki.push_back(Dok().Dyzury.Dyzurny(r, m));
  // Who is a candidate is the planner's business; here something must be in.
  EXPECT_GT(std::count_if(komorki.begin(), komorki.end(), [](uint8_t t) { return t < 4; }), 0);

  auto& stat = *qobject_cast<Tffdstat*>(Towarzysze().Statystyka);
  stat.pokaz_statystyke(0);
  EXPECT_TRUE(stat.isVisible());

  // A ban for a teacher at a moment free of duty, in "Gdzie dyżuruje?".
  int zt = -1, zs = -1;
  for (int t = 0; t < 4 && zt < 0; ++t)
    for (int m = 0; m < momentow && zt < 0; ++m)
      if (Dok().Dyzury.Dyzurny(0, m) != t && Dok().Dyzury.Dyzurny(1, m) != t &&
          Dok().Dyzury.Dyzurny(0, m) != kZamkniete)
        zt = t, zs = m;
  ASSERT_GE(zt, 0);
  auto& gdzie = *qobject_cast<Tffddysp*>(Towarzysze().Mikroplan(kMikroplanGlowny));
  gdzie.pokaz_mikroplan(kTrybGdzieDyzuruje, zt, Tffddysp::kBezMomentu);
  // The grid shows days across and periods down; find the moment's cell.
  int zx = -1, zy = -1;
  for (int d = 0; d < static_cast<int>(Dok().Dni.Dni.size()); ++d)
    for (int p = 0; p < static_cast<int>(Dok().Dni.Dni[static_cast<size_t>(d)].Godziny.size()); ++p)
      if (Dok().Dni.Slot(d, p) == zs) zx = d, zy = p;
  ASSERT_GE(zx, 0);
  gdzie.Siatka()->UstawKursor(zx, zy);
  gdzie.Siatka()->UstawZaznaczenie({zx + 1, zy + 1, zx + 1, zy + 1});
  gdzie.Zakaz()->click();
  ASSERT_TRUE(Dok().Nauczyciele[zt].Dyspozycja[zs].Zakaz != 0);

  // The duty plan printed to a PDF file.
  Tffdruk& druk = *Okna().ffdruk;
  WybierzDrukarke(druk.Printer(), kPlikPdf);
  const QString pdf = QString::fromStdString((folder / "plan.pdf").string());
  druk.PytajOPlik = [&pdf](QWidget*, const QString&) { return pdf; };
  druk.Wczytaj(plan.Siatka(), "Orvel");
  druk.findChild<QPushButton*>("drukuj")->click();
  QFile wydruk(pdf);
  ASSERT_TRUE(wydruk.open(QIODevice::ReadOnly));
  EXPECT_TRUE(wydruk.readAll().contains("/Type /Page"));

  Glowne().move(40, 50);
  Rejony().move(120, 90);
  const TProstokat glowne = ProstokatOkna(&Glowne()), rejony = ProstokatOkna(&Rejony());
  ASSERT_TRUE(Glowne().Zapisz());

  TDokument d;
  ASSERT_TRUE(d.OtworzPlik(folder / "plan.vlm", kRodzajPlanDyzurow));
  ASSERT_EQ(d.Momenty.Liczba(), momentow);
  for (int m = 0; m < momentow; ++m) {
    EXPECT_EQ(d.Momenty[m].Nazwa, nazwy[static_cast<size_t>(m)]) << m;
    EXPECT_EQ(d.Momenty[m].Minuty, 10 + m) << m;
    EXPECT_EQ(d.Momenty[m].Dluga != 0, m == 2) << m;
  }
  ASSERT_EQ(d.Rejony.Liczba(), 2);
  EXPECT_EQ(d.Rejony[0].Nazwa, "Parter");
  EXPECT_EQ(d.Rejony[1].Nazwa, "Pietro");
  EXPECT_EQ(d.Rejony[0].SaleRejonu.Elementy(), std::vector<uint8_t>{2});
  EXPECT_EQ(d.Rejony[1].SaleRejonu.Elementy(), std::vector<uint8_t>{1});
  for (int t = 0; t < d.Nauczyciele.Liczba(); ++t) {
    EXPECT_EQ(d.Nauczyciele[t].LimitDyzurow, t + 6) << t;
    EXPECT_EQ(d.Nauczyciele[t].LimitMinut, 60 + 10 * t) << t;
  }
  for (int r = 0; r < 2; ++r)
    for (int m = 0; m < momentow; ++m)
      EXPECT_EQ(d.Dyzury.Dyzurny(r, m), komorki[static_cast<size_t>(r * momentow + m)]);
  for (int t = 0; t < 4; ++t)
    for (int m = 0; m < momentow; ++m)
      EXPECT_EQ(d.Nauczyciele[t].Dyspozycja[m].Zakaz != 0, t == zt && m == zs) << t << " " << m;
  EXPECT_TRUE(d.Stopka.WpisujAutomatycznie);
  EXPECT_EQ(d.Stopka.Okna[kOknoGlowne].Prostokat, glowne);
  EXPECT_EQ(d.Stopka.Okna[kOknoRejony].Prostokat, rejony);

  // A new run opens the same document to the same places.
  UruchomIPokaz();
  dialogi.Pliki.push_back(Sciezka("plan.vlm"));
  Glowne().Odczytaj();
  ASSERT_TRUE(DaneDostepne());
  EXPECT_EQ(Dok().Momenty.Liczba(), momentow);
  for (int m = 0; m < momentow; ++m) EXPECT_EQ(Dok().Momenty[m].Minuty, 10 + m) << m;
  EXPECT_EQ(Dok().Rejony[1].Nazwa, "Pietro");
  EXPECT_EQ(Dok().Nauczyciele[3].LimitMinut, 90);
  for (int r = 0; r < 2; ++r)
    for (int m = 0; m < momentow; ++m)
      EXPECT_EQ(Dok().Dyzury.Dyzurny(r, m), komorki[static_cast<size_t>(r * momentow + m)]);
  EXPECT_TRUE(Dok().Nauczyciele[zt].Dyspozycja[zs].Zakaz != 0);
  EXPECT_TRUE(Okna().ffddyzur->Automatycznie()->isChecked());
  EXPECT_EQ(ProstokatOkna(&Glowne()), glowne);
  EXPECT_EQ(ProstokatOkna(&Rejony()), rejony);
  EXPECT_TRUE(bledy.kody.empty());
}

}  // namespace
