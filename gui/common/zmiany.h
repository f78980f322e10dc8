#pragma once
// The document's change event as one Qt signal: the program forwards every
// change the document reports to it, and each window that shows the plan
// connects to it, refreshing itself when it is open.
#include <QObject>
#include <cstdint>

namespace velmor {

class TZmianyDokumentu : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  void Powiadom(uint32_t czesci) { emit Zmieniono(czesci); }

 signals:
  // `czesci`: TCzesciZmiany bits.
  void Zmieniono(uint32_t czesci);
};

}  // namespace velmor
