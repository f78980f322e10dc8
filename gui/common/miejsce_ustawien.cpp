#include "gui/common/miejsce_ustawien.h"

#include <QCoreApplication>
#include <QSettings>
#include <QWidget>

namespace velmor {
namespace {

constexpr const char* kKlucz = "geometria";

}  // namespace

void CzytajMiejsce(QWidget& okno, const char* grupa) {
  QSettings u("Velmor", QCoreApplication::applicationName());
  u.beginGroup(grupa);
  if (u.contains(kKlucz)) okno.restoreGeometry(u.value(kKlucz).toByteArray());
}

void ZapiszMiejsce(const QWidget& okno, const char* grupa) {
  QSettings u("Velmor", QCoreApplication::applicationName());
  u.beginGroup(grupa);
  u.setValue(kKlucz, okno.saveGeometry());
}

}  // namespace velmor
