// Every help context a window carries, and every error's topic, has a page.
#include "gui/common/pomoc.h"

#include <QFile>
#include <QWidget>

#include "powloka.h"

using namespace velmor;
using namespace velmor::testy;

namespace {

bool JestTemat(int temat) { return QFile::exists(QString(":/help/%1.html").arg(temat)); }

class HelpTopics : public Powloka {};

TEST_F(HelpTopics, EveryWindowsContextHasATopic) {
  std::vector<QWidget*> okna;
  for (const QPointer<QObject>& o : Okna().Kolejnosc)
    if (auto* w = qobject_cast<QWidget*>(o.data())) okna.push_back(w);
  for (int i = 0; i < 4; ++i)
    okna.push_back(Towarzysze().Mikroplan(static_cast<TMikroplan>(kMikroplanRejonu + i)));

  int zKontekstem = 0;
  for (QWidget* w : okna) {
    ASSERT_NE(w, nullptr);
    const int temat = KontekstPomocy(w);
    if (temat == 0) continue;
    ++zKontekstem;
    EXPECT_TRUE(JestTemat(temat)) << w->metaObject()->className() << " " << temat;
  }
  // The main window, the editors and the planning windows all carry one.
  EXPECT_GE(zKontekstem, 14);
  EXPECT_EQ(KontekstPomocy(&Glowne()), 1);
}

TEST_F(HelpTopics, EveryErrorCodeHasATopic) {
  for (int kod : {0, 1, 2, 3, 4, 6, 8}) EXPECT_TRUE(JestTemat(1000 + 10 * kod)) << kod;
  EXPECT_FALSE(JestTemat(1050));  // the check itself sees a missing page
}

}  // namespace
