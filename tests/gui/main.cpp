#include <gtest/gtest.h>

#include <QStandardPaths>

#include "gui/app/aplikacja.h"
#include "gui/common/pomoc.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  velmor::TAplikacja aplikacja(argc, argv);
  // The user's settings (QSettings) go to a test location, not the real ones.
  QStandardPaths::setTestModeEnabled(true);
  velmor::TFiltrPomocy filtr;
  aplikacja.installEventFilter(&filtr);
  return RUN_ALL_TESTS();
}
