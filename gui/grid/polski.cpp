#include "gui/grid/polski.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmor {

bool PolskieDialogiQt() {
  auto* tlumaczenie = new QTranslator(QCoreApplication::instance());
  if (!tlumaczenie->load(QLocale(QLocale::Polish), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete tlumaczenie;
    return false;
  }
  return QCoreApplication::installTranslator(tlumaczenie);
}

}  // namespace velmor
