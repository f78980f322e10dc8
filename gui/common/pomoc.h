#pragma once
// The in-program help: one HTML topic per help context number.
#include <QObject>

class QWidget;

namespace velmor {

void UstawKontekstPomocy(QWidget* okno, int temat);
// The help context of the widget's window (0: none).
int KontekstPomocy(const QWidget* widget);

// Shows topic `temat` in the help window, over whatever is open.
void PokazPomoc(int temat);
// The topic the help window shows (0 before the first showing).
int TematPomocy();

// F1 anywhere opens the help topic of the window that has the focus.
class TFiltrPomocy : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
};

}  // namespace velmor
