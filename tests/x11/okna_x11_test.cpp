// Windows under a real window manager (Xvfb with openbox): places that come
// back the same at every save and reopen, and companions that stand beside
// the duty plan editor, leave it the keyboard and stay under its lists.
#include <xcb/xcb.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <functional>

#include "cykl.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/planning/ffddysp.h"
#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

// Waits for `warunek` up to 20 s: a loaded machine and a window manager
// that has only just started can be slow.
bool Czekaj(const std::function<bool()>& warunek) {
  QElapsedTimer stoper;
  stoper.start();
  while (!warunek() && stoper.elapsed() < 20000) QTest::qWait(20);
  return warunek();
}

bool ZRamka(const QWidget& okno) { return okno.frameGeometry() != okno.geometry(); }

// True once the window manager frames windows: a probe window gets a frame.
bool MenedzerOkien() {
  QWidget proba;
  proba.resize(50, 50);
  proba.show();
  return Czekaj([&] { return ZRamka(proba); });
}

std::string Opis(const TProstokat& p) {
  return std::to_string(p.Left) + "," + std::to_string(p.Top) + " " + std::to_string(p.Right) +
         "," + std::to_string(p.Bottom);
}

// The window's frame: its ancestor that is a child of the root window.
xcb_window_t Ramka(xcb_connection_t* x, xcb_window_t okno) {
  for (;;) {
    xcb_query_tree_reply_t* drzewo = xcb_query_tree_reply(x, xcb_query_tree(x, okno), nullptr);
    if (!drzewo) return okno;
    const xcb_window_t rodzic = drzewo->parent, korzen = drzewo->root;
    free(drzewo);
    if (rodzic == korzen || rodzic == XCB_NONE) return okno;
    okno = rodzic;
  }
}

// The place of a's frame above b's in the stacking order: > 0 when above.
int Wyzej(const QWidget& a, const QWidget& b) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* x = x11->connection();
  const xcb_window_t ra = Ramka(x, static_cast<xcb_window_t>(a.winId()));
  const xcb_window_t rb = Ramka(x, static_cast<xcb_window_t>(b.winId()));
  xcb_query_tree_reply_t* drzewo = xcb_query_tree_reply(
      x, xcb_query_tree(x, xcb_setup_roots_iterator(xcb_get_setup(x)).data->root), nullptr);
  int ia = -1, ib = -1;
  const xcb_window_t* dzieci = xcb_query_tree_children(drzewo);
  for (int i = 0; i < xcb_query_tree_children_length(drzewo); ++i) {
    if (dzieci[i] == ra) ia = i;
    if (dzieci[i] == rb) ib = i;
  }
  free(drzewo);
  return ia - ib;
}

class UnderAWindowManager : public Powloka {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs X with a window manager";
    ASSERT_TRUE(MenedzerOkien());
    Powloka::SetUp();
  }

  Tffddyzur& Plan() { return *Okna().ffddyzur; }
};

}  // namespace

int velmor::testy::Cykl(const char* plan, const char* folder) {
  const std::filesystem::path f(folder);
  TDialogiTestowe dialogi;
  TProgram program(
      TParametryUruchomieniowe::Zbuduj((f / "program").string(), (f / "dok").string(), {plan}),
      dialogi);
  Tffdmain& glowne = *program.Okna().ffdmain;
  Tffddyzur& edytor = *program.Okna().ffddyzur;
  glowne.show();
  edytor.Pokaz();
  if (!Czekaj([&] { return ZRamka(glowne) && ZRamka(edytor); })) return 2;
  // The places given again once the frames were known: waited for as read,
  // and saved as they are in any case, for the test to judge.
  const TStopka& wczytana = glowne.Dokument().Stopka;
  Czekaj([&] {
    return ProstokatOkna(&glowne) == wczytana.Okna[kOknoGlowne].Prostokat &&
           ProstokatOkna(&edytor) == wczytana.Okna[kOknoPlan].Prostokat;
  });
  return glowne.Zapisz() ? 0 : 1;
}

// Each run is a new process, as when the user starts the program again: no
// frame is known before its windows are first shown.
TEST_F(UnderAWindowManager, PlacesComeBackTheSameAtEverySaveAndReopen) {
  TStopka stopka;
  stopka.Okna[kOknoGlowne].Prostokat = {150, 120, 570, 280};
  stopka.Okna[kOknoPlan].Prostokat = {400, 380, 1000, 830};
  const std::filesystem::path plik = folder / "plan.vlm";
  ZapiszPlanDyzurow(plik, Szkola({2, 2}, 4, 3), 3, stopka);
  for (int cykl = 0; cykl < 3; ++cykl) {
    SCOPED_TRACE(cykl);
    const QStringList argumenty = {"--cykl", QString::fromStdString(plik.string()),
                                   QString::fromStdString((folder / "").string())};
    ASSERT_EQ(QProcess::execute(QCoreApplication::applicationFilePath(), argumenty), 0);
    TDokument zapisany;
    ASSERT_TRUE(zapisany.OtworzPlik(plik, kRodzajPlanDyzurow));
    for (TOknoStopki okno : {kOknoGlowne, kOknoPlan})
      EXPECT_EQ(zapisany.Stopka.Okna[okno].Prostokat, stopka.Okna[okno].Prostokat)
          << Opis(zapisany.Stopka.Okna[okno].Prostokat);
  }
}

TEST_F(UnderAWindowManager, CompanionsStandBesideTheEditorWithoutTheKeyboardAndUnderItsLists) {
  ZapiszPlanDyzurow(folder / "plan.vlm", Szkola({2, 2}, 4, 3), 3);
  dialogi.Pliki.push_back(Sciezka("plan.vlm"));
  UruchomIPokaz();
  Glowne().Odczytaj();
  Plan().Pokaz();
  Plan().setGeometry(300, 200, 400, 300);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Plan(), 20000));
  ASSERT_TRUE(
      Czekaj([&] { return ZRamka(Plan()) && Plan().geometry() == QRect(300, 200, 400, 300); }));
  Plan().Siatka().UstawKursor(1, 1);
  QTest::keyClick(&Plan().Siatka(), Qt::Key_3);
  Tffddysp& kto = *Towarzysze().Mikroplan(kMikroplanKto);
  ASSERT_TRUE(Czekaj([&] { return kto.isVisible() && ZRamka(kto); }));
  QTest::qWait(300);
  EXPECT_EQ(QApplication::activeWindow(), &Plan());
  const QRect p = Plan().frameGeometry(), k = kto.frameGeometry();
  EXPECT_TRUE(k.left() > p.right() || k.right() < p.left())
      << p.x() << "," << p.y() << " " << p.width() << " / " << k.x() << "," << k.y() << " "
      << k.width();
  EXPECT_TRUE(Czekaj([&] { return Wyzej(kto, Plan()) > 0; }));

  // The chooser, a modal list, opens above the companion.
  bool nadTowarzyszem = false;
  QTimer::singleShot(0, [&] {
    QWidget* lista = QApplication::activeModalWidget();
    ASSERT_NE(lista, nullptr);
    nadTowarzyszem = Czekaj([&] { return ZRamka(*lista) && Wyzej(*lista, kto) > 0; });
    QTest::keyClick(lista, Qt::Key_Escape);
  });
  Okna().ffdlista->otworz_liste(1, 0);
  for (int t = 0; t < 4; ++t) Okna().ffdlista->dodaj_pozycje(t, t, t);
  Okna().ffdlista->wybierz_pozycje(1);
  EXPECT_TRUE(nadTowarzyszem);
}
