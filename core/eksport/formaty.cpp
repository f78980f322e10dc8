#include "core/eksport/formaty.h"

#include "core/eksport/csv.h"
#include "core/eksport/gpu009.h"
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

TPlikiEksportu Strona(const TModele& m, const fs::path& cel, const TUstawieniaEksportu& u) {
  return {{cel, PlanHtml(m, u.Szkola, u.Stan)}};
}

TPlikiEksportu Tabela(const TModele& m, const fs::path& cel, const TUstawieniaEksportu& u) {
  return {{cel, JakoCsv(Widok(m, u.Widok, TPostac::Arkusz), u.Excel)}};
}

TPlikiEksportu Model(const TModele& m, const fs::path& cel, const TUstawieniaEksportu&) {
  return {{cel, PlanJson(m)}};
}

TPlikiEksportu Nadzory(const TModele& m, const fs::path& cel, const TUstawieniaEksportu& u) {
  std::vector<std::string> nieznalezieni;
  const std::string tekst = TekstGpu009(NadzoryGpu(m, u.Gpu004, &nieznalezieni));
  if (u.Ostrzezenia)
    for (const std::string& n : nieznalezieni)
      u.Ostrzezenia->push_back("nie ma w GPU004: " + n + " (zamiast skrótu nazwisko)");
  return {{cel, tekst}};
}

}  // namespace

const std::array<TFormatEksportu, 6> kFormatyEksportu{{
    {"ics", "ics", true, false, true, "&Kalendarze nauczycieli (iCalendar)...",
     "Kalendarze nauczycieli: folder", "iCalendar|*.ics",
     "kalendarz dyżurów (bez --teacher: plik na nauczyciela w folderze WYNIK; do końca roku "
     "szkolnego albo --until, --weeks; --previous: odwołane dyżury poprzedniego planu)",
     Kalendarze},
    {"html", "html", false, false, false, "&Strona do pokoju nauczycielskiego (HTML)...",
     "Strona do pokoju nauczycielskiego", "Strona HTML|*.html",
     "strona do pokoju nauczycielskiego (--school: nazwa szkoły w nagłówku)", Strona},
    {"csv", "csv", false, true, false, "&Tabela planu (CSV)...", "Plan dyżurów jako tabela",
     "Tabela CSV|*.csv|Tabela CSV dla Excela (średniki)|*.csv",
     "tabela widoku (--view, jak w show; --excel: dla Excela)", Tabela},
    {"json", "json", false, false, false, "&Model dyżurów (JSON)...", "Model dyżurów",
     "JSON|*.json", "cały model dyżurów", Model},
    {"pdf", "pdf", false, true, false, "&Plan dyżurów (PDF)...", "Plan dyżurów jako PDF",
     "PDF|*.pdf", "widok (--view) wydrukowany programem velmor (velmor --print)", nullptr},
    {"gpu009", "txt", false, false, false, "&Nadzory przerw dla programu planu lekcji (GPU009)...",
     "Dyżury jako nadzory przerw GPU009", "GPU009|GPU009.txt",
     "dyżury jako nadzory przerw GPU009 (--teachers GPU004.TXT: skróty nauczycieli)", Nadzory},
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
