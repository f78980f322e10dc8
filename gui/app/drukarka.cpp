#include "gui/app/drukarka.h"

#include <QCoreApplication>
#include <QPrinter>
#include <memory>

namespace velmor {
namespace {

std::unique_ptr<QPrinter> g_drukarka;

}  // namespace

QPrinter& Drukarka() {
  if (!g_drukarka) {
    g_drukarka = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Released with the application, while the print system is still there.
    qAddPostRoutine([] { g_drukarka.reset(); });
  }
  return *g_drukarka;
}

}  // namespace velmor
