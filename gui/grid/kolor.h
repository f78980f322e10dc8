#pragma once
// TKolor: the colour palette with which the editors colour selected rows. A
// press reports the colour under the pointer through OnAkcja.
#include <QFrame>
#include <functional>

namespace velmor {

class TKolor : public QFrame {
  Q_OBJECT
 public:
  explicit TKolor(QWidget* rodzic = nullptr);

  // The colour (0x00BBGGRR) at a point of the client area.
  uint32_t daj_kolor(int x, int y) const;

  std::function<void(TKolor&, uint32_t kolor)> OnAkcja;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
};

}  // namespace velmor
