#include <gtest/gtest.h>

#include <QApplication>

#include "gui/app/pomoc.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication aplikacja(argc, argv);
  velmor::TFiltrPomocy filtr;
  aplikacja.installEventFilter(&filtr);
  return RUN_ALL_TESTS();
}
