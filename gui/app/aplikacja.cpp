#include "gui/app/aplikacja.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <iostream>
#include <memory>
#include <string_view>

#include "core/archive/bledy.h"
#include "gui/app/druk_bez_okien.h"
#include "gui/app/ffdmain.h"
#include "gui/app/ffdyzerr.h"
#include "gui/app/program.h"
#include "gui/common/dialogi.h"
#include "gui/common/pomoc.h"
#include "gui/grid/polski.h"

namespace velmor {
namespace {

void ZglosNieznanyBlad() {
  try {
    EOrvelError blad(8);
  } catch (...) {
  }
}

}  // namespace

TAplikacja::TAplikacja(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(kTytul);
  setDesktopFileName("velmor");  // the installed desktop entry
}

bool TAplikacja::notify(QObject* odbiorca, QEvent* zdarzenie) {
  try {
    return QApplication::notify(odbiorca, zdarzenie);
  } catch (...) {
    ZglosNieznanyBlad();
    exit(0);
    return false;
  }
}

namespace {

// The folder of the configuration file: the documents folder; when that
// cannot be written, %APPDATA%\Velmor on Windows, elsewhere the program's
// folder, unless that cannot be written either (an installed program): then
// the user's configuration folder. Empty: the program's.
QString KatalogKonfiguracji() {
  const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (QDir(dokumenty).exists() && QFileInfo(dokumenty).isWritable()) return dokumenty;
#ifdef Q_OS_WIN
  const QString dane = qEnvironmentVariable("APPDATA");
  if (!dane.isEmpty() && QDir().mkpath(dane + "/Velmor")) return dane + "/Velmor";
#endif
  if (QFileInfo(QCoreApplication::applicationDirPath()).isWritable()) return {};
  const QString konfiguracja = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  return QDir().mkpath(konfiguracja) ? konfiguracja : QString();
}

}  // namespace

TParametryUruchomieniowe ParametryZSystemu() {
  std::vector<std::string> argumenty;
  const QStringList lista = QCoreApplication::arguments();
  for (qsizetype i = 1; i < lista.size(); ++i) argumenty.push_back(lista[i].toStdString());
  return TParametryUruchomieniowe::Zbuduj(QCoreApplication::applicationDirPath().toStdString(),
                                          KatalogKonfiguracji().toStdString(), argumenty);
}

int Uruchom(int argc, char** argv) {
  // Errors go to standard error while no window can show them.
  TRaportKonsoli konsola;
  TZmianaRaportu naKonsole(&konsola);
  // Printing without windows needs no display.
  const bool druk = argc > 1 && std::string_view(argv[1]) == "--print";
  if (druk && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
  // Off screen Qt reads its fonts from a folder: the system's.
  if (druk && qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
    qputenv("QT_QPA_FONTDIR", (qEnvironmentVariable("WINDIR") + "\\Fonts").toUtf8());
#endif
  // The platform's notes about windows nobody sees are no news to a user there.
  if (druk)
    qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext&, const QString& tekst) {
      if (typ == QtCriticalMsg || typ == QtFatalMsg) std::cerr << tekst.toStdString() << '\n';
    });
  TAplikacja aplikacja(argc, argv);
  if (druk) return DrukujBezOkien(QCoreApplication::arguments());
  PolskieDialogiQt();
  TFiltrPomocy filtr;
  aplikacja.installEventFilter(&filtr);
  TDialogiSystemowe dialogi;
  std::unique_ptr<TProgram> program;
  try {
    program = std::make_unique<TProgram>(ParametryZSystemu(), dialogi);
    TRaportOkna raport(program->Okna().ffdyzerr);
    TZmianaRaportu doOkna(&raport);
    // The program ends with its main window, whatever else is open.
    QObject::connect(
        program->Okna().ffdmain, &Tffdmain::Zamkniete, &aplikacja,
        [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    program->Okna().ffdmain->show();
    aplikacja.exec();
  } catch (...) {
    Tffdyzerr* okno = program ? program->Okna().ffdyzerr : nullptr;
    TRaportOkna raport(okno);
    TZmianaRaportu doOkna(okno ? static_cast<TRaportBledow*>(&raport) : &konsola);
    ZglosNieznanyBlad();
  }
  return 0;
}

}  // namespace velmor
