#pragma once
// TWykresObciazen: a bar per teacher, his duties against his duty-count
// limit: the limit as a frame, the duties filled in, red past the limit.
#include <QStringList>
#include <QWidget>
#include <utility>
#include <vector>

namespace velmor {

class TWykresObciazen : public QWidget {
  Q_OBJECT
 public:
  explicit TWykresObciazen(QWidget* rodzic = nullptr);

  // Per teacher: his name, duties and limit.
  struct TSlupek {
    QString Nazwa;
    int Dyzury = 0, Limit = 0;
  };
  void Ustaw(std::vector<TSlupek> slupki);
  const std::vector<TSlupek>& Slupki() const { return slupki_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  std::vector<TSlupek> slupki_;
};

}  // namespace velmor
