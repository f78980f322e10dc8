#include "gui/app/eksport.h"

#include <QPrinter>
#include <ctime>
#include <stdexcept>
#include <string_view>

#include "core/archive/bledy.h"
#include "core/archive/nowe_pliki.h"
#include "core/archive/sciezka.h"
#include "core/eksport/formaty.h"
#include "core/eksport/gpu009.h"
#include "core/import/gpu.h"
#include "core/model/data.h"
#include "gui/common/dialogi.h"
#include "gui/grid/drukpdf.h"
#include "gui/grid/tekst.h"

namespace velmor {
namespace {

// Asks for the file, or for the folder of a format with a file per teacher;
// empty when cancelled. `filtr` gets the filter chosen.
QString Cel(QWidget* rodzic, TDialogi& dialogi, const TFormatEksportu& f, int& filtr) {
  if (f.Folder) return dialogi.WybierzFolder(rodzic, QString::fromUtf8(f.Tytul));
  TDialogPliku dialog;
  dialog.Tytul = QString::fromUtf8(f.Tytul);
  dialog.Rozszerzenie = f.Rozszerzenie;
  dialog.Filtr = QString::fromUtf8(f.Filtr);
  dialog.DoZapisu = true;
  dialog.Wybrany = &filtr;
  return dialogi.WybierzPlik(rodzic, dialog);
}

std::string Polacz(const std::vector<std::string>& linie) {
  std::string tekst;
  for (const std::string& l : linie) tekst += (tekst.empty() ? "" : "\n") + l;
  return tekst;
}

// GPU009 takes the short names from the timetabler's GPU004 beside the
// target; false, error 1 reported, for a damaged one.
bool SkrotyObok(const TFormatEksportu& f, const std::filesystem::path& cel,
                TUstawieniaEksportu& u) {
  if (std::string_view(f.Nazwa) != "gpu009") return true;
  const std::filesystem::path gpu004 = PlikGpu(cel.parent_path(), 4);
  if (gpu004.empty()) return true;
  try {
    u.Gpu004 = CzytajGpu004(gpu004);
    return true;
  } catch (const EStrumien&) {
    EOrvelError blad(1, SzczegolPorazki(Utf8Sciezki(gpu004)));
    return false;
  }
}

}  // namespace

bool Eksportuj(const TFormatEksportu& f, QWidget* rodzic, const TDokument& d, TDialogi& dialogi,
               TCellEdi& plan) {
  int filtr = 0;
  const QString nazwa = Cel(rodzic, dialogi, f, filtr);
  if (nazwa.isEmpty()) return false;
  const std::filesystem::path cel = SciezkaPliku(nazwa);
  TUstawieniaEksportu u;
  u.Excel = std::string_view(f.Nazwa) == "csv" && filtr == 1;  // its second filter is Excel's
  if (!SkrotyObok(f, cel, u)) return false;
  try {
    if (f.Pisz) {
      u.Ical.Znacznik = std::time(nullptr);
      u.Stan = Dzisiaj();
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

bool ZapiszStroneZastepstw(const std::string& html, QWidget* rodzic, TDialogi& dialogi) {
  TDialogPliku dialog;
  dialog.Tytul = QString::fromUtf8("Zastępstwa dnia: strona HTML");
  dialog.Rozszerzenie = "html";
  dialog.Filtr = "Strona HTML|*.html";
  dialog.DoZapisu = true;
  const QString nazwa = dialogi.WybierzPlik(rodzic, dialog);
  if (nazwa.isEmpty()) return false;
  const std::filesystem::path cel = SciezkaPliku(nazwa);
  try {
    ZapiszRazem({{cel, html}});
    return true;
  } catch (const EStrumien&) {
    EOrvelError blad(3, SzczegolPorazki(Utf8Sciezki(cel)));
  }
  return false;
}

}  // namespace velmor
