#pragma once
// The application object: title, start-up parameters, the last-resort error.
#include <QApplication>

#include "core/document/parametry.h"

namespace velmor {

class TAplikacja : public QApplication {
  Q_OBJECT
 public:
  static constexpr const char* kTytul = "Velmor  2025";

  TAplikacja(int& argc, char** argv);

  // An exception escaping an event handler shows error 8 and ends the program.
  bool notify(QObject* odbiorca, QEvent* zdarzenie) override;
};

// The parameters of this run: the executable's folder, the user's documents
// folder and the command line.
TParametryUruchomieniowe ParametryZSystemu();

// Entry: creates the windows, runs the message loop. Always returns 0.
int Uruchom(int argc, char** argv);

}  // namespace velmor
