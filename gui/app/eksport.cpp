#include "gui/app/eksport.h"

#include <QPrinter>
#include <ctime>
#include <stdexcept>

#include "core/archive/bledy.h"
#include "core/archive/nowe_pliki.h"
#include "core/archive/sciezka.h"
#include "core/eksport/formaty.h"
#include "core/import/budowa.h"
#include "core/import/gpu.h"
#include "gui/common/dialogi.h"
#include "gui/grid/drukpdf.h"
#include "gui/grid/tekst.h"

namespace velmor {
namespace {

// Asks for the file, or for the folder of a format with a file per teacher;
// empty when cancelled.
QString Cel(QWidget* rodzic, TDialogi& dialogi, const TFormatEksportu& f) {
  if (f.Folder) return dialogi.WybierzFolder(rodzic, QString::fromUtf8(f.Tytul));
  TDialogPliku dialog;
  dialog.Tytul = QString::fromUtf8(f.Tytul);
  dialog.Rozszerzenie = f.Rozszerzenie;
  dialog.Filtr = QString::fromUtf8(f.Filtr);
  dialog.DoZapisu = true;
  return dialogi.WybierzPlik(rodzic, dialog);
}

std::string Polacz(const std::vector<std::string>& linie) {
  std::string tekst;
  for (const std::string& l : linie) tekst += (tekst.empty() ? "" : "\n") + l;
  return tekst;
}

}  // namespace

bool Eksportuj(const TFormatEksportu& f, QWidget* rodzic, const TDokument& d, TDialogi& dialogi,
               TCellEdi& plan) {
  const QString nazwa = Cel(rodzic, dialogi, f);
  if (nazwa.isEmpty()) return false;
  const std::filesystem::path cel = SciezkaPliku(nazwa);
  try {
    if (f.Pisz) {
      TUstawieniaEksportu u;
      u.Ical.Znacznik = std::time(nullptr);
      // GPU009 takes the short names from the timetabler's GPU004 beside it.
      if (const auto gpu004 = PlikGpu(cel.parent_path(), 4); !gpu004.empty())
        u.Gpu004 = CzytajPlikObcy(gpu004, "GPU004");
      std::vector<std::string> ostrzezenia;
      u.Ostrzezenia = &ostrzezenia;
      ZapiszRazem(f.Pisz(d, cel, u));
      if (!ostrzezenia.empty())
        dialogi.Ostrzez(rodzic, QString::fromUtf8(f.Tytul),
                        QString::fromStdString(Polacz(ostrzezenia)));
      return true;
    }
    QPrinter drukarka(QPrinter::HighResolution);
    if (DrukujDoPdf(plan, drukarka, "Plan dyżurów", cel)) return true;
    EOrvelError blad(3, Utf8Sciezki(cel));
  } catch (const EStrumien&) {
    EOrvelError blad(3, SzczegolPorazki(Utf8Sciezki(cel)));
  } catch (const std::out_of_range&) {
    EOrvelError blad(3, Utf8Sciezki(cel) + ": daty dyżurów wychodzą poza lata 1-9999");
  }
  return false;
}

}  // namespace velmor
