#pragma once
// A window whose contents are not built yet: it has its caption and help
// context, so the program's window set is complete.
#include <QWidget>

namespace velmor {

class TOknoZastepcze : public QWidget {
  Q_OBJECT
 public:
  TOknoZastepcze(const QString& nazwa, const QString& tytul, int kontekst,
                 QWidget* rodzic = nullptr);
};

}  // namespace velmor
