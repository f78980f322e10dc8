#include "core/eksport/formaty.h"

#include "core/eksport/csv.h"
#include "core/eksport/html.h"
#include "core/eksport/json.h"
#include "core/eksport/tabele.h"

namespace velmor {
namespace {

namespace fs = std::filesystem;

TPlikiEksportu Kalendarze(const TModele& m, const fs::path& cel, const TUstawieniaEksportu& u) {
  if (u.Nauczyciel >= 0) return {{cel, KalendarzNauczyciela(m, u.Nauczyciel, u.Ical)}};
  return KalendarzeNauczycieli(m, cel, u.Ical);
}

TPlikiEksportu Strona(const TModele& m, const fs::path& cel, const TUstawieniaEksportu&) {
  return {{cel, PlanHtml(m)}};
}

TPlikiEksportu Tabela(const TModele& m, const fs::path& cel, const TUstawieniaEksportu& u) {
  return {{cel, JakoCsv(Widok(m, u.Widok))}};
}

TPlikiEksportu Model(const TModele& m, const fs::path& cel, const TUstawieniaEksportu&) {
  return {{cel, PlanJson(m)}};
}

}  // namespace

const std::array<TFormatEksportu, 5> kFormatyEksportu{{
    {"ics", "ics", true, false, true, "&Kalendarze nauczycieli (iCalendar)...",
     "Kalendarze nauczycieli: folder", "iCalendar|*.ics",
     "kalendarz dyżurów (bez --teacher: plik na nauczyciela w folderze WYNIK)", Kalendarze},
    {"html", "html", false, false, false, "&Strona do pokoju nauczycielskiego (HTML)...",
     "Strona do pokoju nauczycielskiego", "Strona HTML|*.html", "strona do pokoju nauczycielskiego",
     Strona},
    {"csv", "csv", false, true, false, "&Tabela planu (CSV)...", "Plan dyżurów jako tabela",
     "Tabela CSV|*.csv", "tabela widoku (--view, jak w show)", Tabela},
    {"json", "json", false, false, false, "&Model dyżurów (JSON)...", "Model dyżurów",
     "JSON|*.json", "cały model dyżurów", Model},
    {"pdf", "pdf", false, true, false, "&Plan dyżurów (PDF)...", "Plan dyżurów jako PDF",
     "PDF|*.pdf", "widok (--view) wydrukowany programem velmor (velmor --print)", nullptr},
}};

const TFormatEksportu* FormatEksportu(std::string_view nazwa) {
  for (const TFormatEksportu& f : kFormatyEksportu)
    if (nazwa == f.Nazwa) return &f;
  return nullptr;
}

std::string NazwyFormatow(std::string_view odstep, bool (*ktore)(const TFormatEksportu&)) {
  std::string wynik;
  for (const TFormatEksportu& f : kFormatyEksportu) {
    if (ktore && !ktore(f)) continue;
    if (!wynik.empty()) wynik += odstep;
    wynik += f.Nazwa;
  }
  return wynik;
}

}  // namespace velmor
