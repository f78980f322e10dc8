#include "gui/common/fdlosa.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include "core/document/konfiguracja.h"
#include "core/model/wspolne.h"
#include "gui/common/ustawieniaokien.h"
#include "gui/grid/klepsydra.h"
#include "gui/grid/tekst.h"

namespace velmor {
namespace {

const char* const kFiltrPlanu = "Pliki planu dyżurów (*.VLM)|*.vlm|Wszystkie pliki (*.*)|*.*";
const char* const kFiltrLekcji =
    "Pliki z planem lekcji (*.TBX)|*.tbx|Plany lekcji z programu FET (*.FET)|*.fet|"
    "Wyniki programu FET (*_TIMETABLE.CSV)|*_timetable.csv|Pliki GPU (GPU001.TXT)|gpu001.txt|"
    "Wszystkie pliki (*.*)|*.*";

// The window the dialogs belong to: the modal one that runs them, or the
// main window.
QWidget* Rodzic(const QObject* losa) {
  if (QWidget* modalne = QApplication::activeModalWidget()) return modalne;
  return qobject_cast<QWidget*>(losa->parent());
}

}  // namespace

Tfdlosa::Tfdlosa(TDokument& dokument, const TParametryUruchomieniowe& parametry, TDialogi& dialogi,
                 const TOknaStopki& okna, QObject* rodzic)
    : QObject(rodzic), dokument_(dokument), parametry_(parametry), dialogi_(dialogi), okna_(okna) {
  setObjectName("fdlosa");
  DialogOtwarcia = {"Otwieranie pliku z planem dyżurów", "vlm", kFiltrPlanu, false, {}};
  DialogZapisu = {"Zapis pliku z planem dyżurów", "vlm", kFiltrPlanu, true, {}};
  DialogPlanuLekcji = {"Otwieranie pliku z planem lekcji", "tbx", kFiltrLekcji, false, {}};
}

bool Tfdlosa::WybierzIOtworz(int rodzaj) {
  if (rodzaj != kRodzajPlanDyzurow && rodzaj != kRodzajPlanLekcji) return true;
  TDialogPliku& dialog = rodzaj == kRodzajPlanDyzurow ? DialogOtwarcia : DialogPlanuLekcji;
  const QString nazwa = dialogi_.WybierzPlik(Rodzic(this), dialog);
  if (nazwa.isEmpty()) return true;
  dialog.Nazwa = nazwa;
  if (!OtworzPlik(nazwa, rodzaj)) return false;
  if (rodzaj == kRodzajPlanDyzurow) {
    DialogZapisu.Nazwa = nazwa;
    emit PokazNazwe(nazwa);
  }
  return true;
}

bool Tfdlosa::OtworzPlik(const QString& nazwa, int rodzaj) {
  KlepsydrKursor klepsydra;
  if (const auto pulpit = PulpitEkranu()) dokument_.Pulpit = *pulpit;
  if (!dokument_.OtworzPlik(SciezkaPliku(nazwa), rodzaj)) return false;
  if (rodzaj == kRodzajPlanDyzurow) okna_.Ustaw(dokument_.Stopka);
  return true;
}

bool Tfdlosa::ZapiszPlik(const QString& nazwa) {
  if (nazwa.isEmpty()) return ZapiszJako();
  KlepsydrKursor klepsydra;
  okna_.Pobierz(dokument_.Stopka);
  return dokument_.ZapiszPlik(SciezkaPliku(nazwa));
}

bool Tfdlosa::ZapiszJako() {
  const QString nazwa = dialogi_.WybierzPlik(Rodzic(this), DialogZapisu);
  if (nazwa.isEmpty() || !ZapiszPlik(nazwa)) return false;
  DialogZapisu.Nazwa = nazwa;
  emit PokazNazwe(nazwa);
  return true;
}

bool Tfdlosa::CzytajKonfiguracje() {
  KlepsydrKursor klepsydra;
  const std::optional<std::string> nazwa = velmor::CzytajKonfiguracje(parametry_);
  if (!nazwa) return false;
  DialogOtwarcia.Nazwa = QString::fromStdString(*nazwa);
  return true;
}

bool Tfdlosa::ZapiszKonfiguracje() {
  KlepsydrKursor klepsydra;
  return velmor::ZapiszKonfiguracje(parametry_,
                                    QDir::toNativeSeparators(DialogZapisu.Nazwa).toStdString());
}

}  // namespace velmor
