#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>

#include "../pod_wine.h"
#include "gui/app/aplikacja.h"
#include "gui/common/pomoc.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef _WIN32
  velmor::testy::PominNiedzialajacePodWine();
  // Under Wine the tests lay their windows out in the Linux run's fonts.
  const char* dejavu = "Z:\\usr\\share\\fonts\\truetype\\dejavu";
  if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") && QDir(dejavu).exists())
    qputenv("QT_QPA_FONTDIR", dejavu);
#endif
  velmor::TAplikacja aplikacja(argc, argv);
  // The user's settings (QSettings) go to a test location, not the real ones.
  QStandardPaths::setTestModeEnabled(true);
  velmor::TFiltrPomocy filtr;
  aplikacja.installEventFilter(&filtr);
  return RUN_ALL_TESTS();
}
