#pragma once
// Tfdlosa: the file hub. It holds the three file dialogs and performs every
// read and write of the document and of the configuration file.
#include <QObject>

#include "core/document/dokument.h"
#include "core/document/parametry.h"
#include "gui/common/dialogi.h"

namespace velmor {

class TOknaStopki;

class Tfdlosa : public QObject {
  Q_OBJECT
 public:
  // `okna`: the windows that take their places from a plan read and give
  // them to a plan saved.
  Tfdlosa(TDokument& dokument, const TParametryUruchomieniowe& parametry, TDialogi& dialogi,
          const TOknaStopki& okna, QObject* rodzic = nullptr);

  // The duty-plan open and save dialogs and the timetable open dialog. The
  // save dialog's name is the current file name (empty: never saved).
  TDialogPliku DialogOtwarcia, DialogZapisu, DialogPlanuLekcji;

  // Kind 5: a duty-plan file, kind 1: a timetable file. A cancelled dialog
  // (and any other kind) is true and changes nothing.
  bool WybierzIOtworz(int rodzaj);
  // All or nothing; a failure reports its messages and changes nothing.
  bool OtworzPlik(const QString& nazwa, int rodzaj);
  // An empty name runs `ZapiszJako`.
  bool ZapiszPlik(const QString& nazwa);
  // False when the dialog is cancelled or the save fails.
  bool ZapiszJako();

  // Puts the document to reopen into the open dialog; false when there is none.
  bool CzytajKonfiguracje();
  // Stores the current file name; false on failure, silently.
  bool ZapiszKonfiguracje();

 signals:
  // The current file's name is to be shown.
  void PokazNazwe(const QString& nazwa);

 private:
  TDokument& dokument_;
  const TParametryUruchomieniowe& parametry_;
  TDialogi& dialogi_;
  const TOknaStopki& okna_;
};

}  // namespace velmor
