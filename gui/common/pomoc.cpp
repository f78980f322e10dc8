#include "gui/common/pomoc.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velmor {
namespace {

constexpr const char* kWlasnosc = "kontekstPomocy";

class TOknoPomocy : public QWidget {
 public:
  TOknoPomocy() {
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    setWindowTitle("Velmor - pomoc");
    resize(520, 420);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    przegladarka_ = new QTextBrowser(this);
    przegladarka_->setOpenLinks(false);
    connect(przegladarka_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { Pokaz(url.fileName().section('.', 0, 0).toInt()); });
    uklad->addWidget(przegladarka_);
  }

  void Pokaz(int temat) {
    temat_ = temat;
    QFile plik(QString(":/help/%1.html").arg(temat));
    if (plik.open(QIODevice::ReadOnly)) przegladarka_->setHtml(QString::fromUtf8(plik.readAll()));
    else przegladarka_->setHtml(QString("<p>Brak tematu pomocy nr %1.</p>").arg(temat));
  }

  int temat_ = 0;

 private:
  QTextBrowser* przegladarka_;
};

QPointer<TOknoPomocy> g_okno;

}  // namespace

void UstawKontekstPomocy(QWidget* okno, int temat) { okno->setProperty(kWlasnosc, temat); }

int KontekstPomocy(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    const QVariant v = widget->property(kWlasnosc);
    if (v.isValid() && v.toInt() != 0) return v.toInt();
    if (widget->isWindow()) break;
  }
  return 0;
}

void PokazPomoc(int temat) {
  if (!g_okno) g_okno = new TOknoPomocy;
  // Under a modal window the help must belong to it to take input.
  QWidget* modalne = QApplication::activeModalWidget();
  if (modalne != g_okno->parentWidget()) {
    g_okno->setParent(modalne, g_okno->windowFlags());
  }
  g_okno->Pokaz(temat);
  g_okno->show();
  g_okno->raise();
}

int TematPomocy() { return g_okno ? g_okno->temat_ : 0; }

bool TFiltrPomocy::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (zdarzenie->type() != QEvent::KeyPress ||
      static_cast<QKeyEvent*>(zdarzenie)->key() != Qt::Key_F1 || !obiekt->isWidgetType())
    return false;
  const int temat = KontekstPomocy(static_cast<QWidget*>(obiekt));
  if (temat == 0) return false;
  PokazPomoc(temat);
  return true;
}

}  // namespace velmor
