#pragma once
// The hourglass cursor for the lifetime of a file operation.
#include <QGuiApplication>

namespace velmor {

class KlepsydrKursor {
 public:
  KlepsydrKursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~KlepsydrKursor() { QGuiApplication::restoreOverrideCursor(); }
  KlepsydrKursor(const KlepsydrKursor&) = delete;
  KlepsydrKursor& operator=(const KlepsydrKursor&) = delete;
};

}  // namespace velmor
