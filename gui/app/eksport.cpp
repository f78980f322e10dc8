#include "gui/app/eksport.h"

#include <QPrinter>
#include <ctime>
#include <stdexcept>

#include "core/archive/bledy.h"
#include "core/archive/nowe_pliki.h"
#include "core/archive/sciezka.h"
#include "core/eksport/csv.h"
#include "core/eksport/html.h"
#include "core/eksport/ical.h"
#include "core/eksport/json.h"
#include "core/eksport/tabele.h"
#include "core/eksport/wspolne.h"
#include "gui/common/dialogi.h"
#include "gui/grid/drukpdf.h"
#include "gui/grid/tekst.h"

namespace velmor {
namespace {

// Asks for the file; empty when cancelled.
QString Plik(QWidget* rodzic, TDialogi& dialogi, const char* tytul, const char* rozszerzenie,
             const char* filtr) {
  TDialogPliku dialog;
  dialog.Tytul = QString::fromUtf8(tytul);
  dialog.Rozszerzenie = rozszerzenie;
  dialog.Filtr = QString::fromUtf8(filtr);
  dialog.DoZapisu = true;
  return dialogi.WybierzPlik(rodzic, dialog);
}

bool Zapisz(const std::vector<std::pair<std::filesystem::path, std::string>>& pliki) {
  try {
    TNowePliki nowe;
    for (const auto& [nazwa, tresc] : pliki) nowe.Dodaj(nazwa, tresc);
    nowe.Zatwierdz();
    return true;
  } catch (const EStrumien&) {
    const std::filesystem::path& pierwszy = pliki.front().first;
    EOrvelError blad(
        3, SzczegolPorazki(Utf8Sciezki(pliki.size() == 1 ? pierwszy : pierwszy.parent_path())));
    return false;
  }
}

}  // namespace

bool Eksportuj(TEksport rodzaj, QWidget* rodzic, const TDokument& d, TDialogi& dialogi,
               TCellEdi& plan) {
  QString nazwa;
  switch (rodzaj) {
    case TEksport::kKalendarze: {
      const QString folder = dialogi.WybierzFolder(rodzic, "Kalendarze nauczycieli: folder");
      if (folder.isEmpty()) return false;
      TUstawieniaIcal u;
      u.Znacznik = std::time(nullptr);
      try {
        return Zapisz(KalendarzeNauczycieli(d, SciezkaPliku(folder), u));
      } catch (const std::out_of_range&) {
        EOrvelError blad(3);
        return false;
      }
    }
    case TEksport::kStrona:
      nazwa =
          Plik(rodzic, dialogi, "Strona do pokoju nauczycielskiego", "html", "Strona HTML|*.html");
      return !nazwa.isEmpty() && Zapisz({{SciezkaPliku(nazwa), PlanHtml(d)}});
    case TEksport::kTabela:
      nazwa = Plik(rodzic, dialogi, "Plan dyżurów jako tabela", "csv", "Tabela CSV|*.csv");
      return !nazwa.isEmpty() && Zapisz({{SciezkaPliku(nazwa), JakoCsv(WidokDyzurow(d))}});
    case TEksport::kModel:
      nazwa = Plik(rodzic, dialogi, "Model dyżurów", "json", "JSON|*.json");
      return !nazwa.isEmpty() && Zapisz({{SciezkaPliku(nazwa), PlanJson(d)}});
    case TEksport::kPdf: {
      nazwa = Plik(rodzic, dialogi, "Plan dyżurów jako PDF", "pdf", "PDF|*.pdf");
      if (nazwa.isEmpty()) return false;
      QPrinter drukarka(QPrinter::HighResolution);
      if (DrukujDoPdf(plan, drukarka, "Plan dyżurów", SciezkaPliku(nazwa))) return true;
      EOrvelError blad(3, nazwa.toStdString());
      return false;
    }
  }
  return false;
}

}  // namespace velmor
