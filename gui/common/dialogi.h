#pragma once
// The system dialogs the program runs: file choice, the yes/no/cancel
// question and the printer set-up. The program hands them to the windows
// that run them; a test hands its own, so that no modal system dialog runs.
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace velmor {

// A file dialog: what it shows and the file name it holds between runs.
struct TDialogPliku {
  QString Tytul;
  QString Rozszerzenie;  // default extension, without the dot
  QString Filtr;         // "description|pattern|description|pattern"
  bool DoZapisu = false;
  QString Nazwa;           // preselected; the chosen name after a run
  int* Wybrany = nullptr;  // when given, gets the index of the filter chosen
};

class TDialogi {
 public:
  virtual ~TDialogi() = default;
  // The chosen file name; empty when the dialog was cancelled.
  virtual QString WybierzPlik(QWidget* rodzic, const TDialogPliku& dialog) = 0;
  // An existing folder; empty when the dialog was cancelled.
  virtual QString WybierzFolder(QWidget* rodzic, const QString& tytul) = 0;
  // Yes, No or Cancel, with the exclamation icon.
  virtual QMessageBox::StandardButton Zapytaj(QWidget* rodzic, const QString& tytul,
                                              const QString& tekst) = 0;
  virtual void UstawieniaDrukarki(QWidget* rodzic, QPrinter& drukarka) = 0;
  // A note the user only acknowledges.
  virtual void Ostrzez(QWidget* rodzic, const QString& tytul, const QString& tekst) = 0;
};

// The platform's dialogs.
class TDialogiSystemowe : public TDialogi {
 public:
  QString WybierzPlik(QWidget* rodzic, const TDialogPliku& dialog) override;
  QString WybierzFolder(QWidget* rodzic, const QString& tytul) override;
  QMessageBox::StandardButton Zapytaj(QWidget* rodzic, const QString& tytul,
                                      const QString& tekst) override;
  void UstawieniaDrukarki(QWidget* rodzic, QPrinter& drukarka) override;
  void Ostrzez(QWidget* rodzic, const QString& tytul, const QString& tekst) override;
};

// A filter in the "description|pattern" form as name filters of a Qt file
// dialog. Patterns match both letter cases, and "*.*" matches every file.
QStringList FiltryQt(const QString& filtr);

}  // namespace velmor
