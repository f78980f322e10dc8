#pragma once
// The export formats in one table: velmor-cli export, its help and the
// main window's "Eksport" menu all read it. A new format is one entry here
// and its writer.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/document/dokument.h"
#include "core/eksport/ical.h"

namespace velmor {

// What the writers are told besides the plan.
struct TUstawieniaEksportu {
  std::string Widok = "duty";  // the table a format with a view shows (see Widok)
  bool Excel = false;          // CSV with a byte-order mark and semicolons
  std::string Szkola;          // the page's heading (UTF-8), when given
  std::optional<double> Stan;  // the page's "as of" day
  TUstawieniaIcal Ical;
  int Nauczyciel = -1;  // calendars: only this teacher's, into the target file
  std::string Gpu004;   // GPU009: the bytes of the school's GPU004, for the short names
  std::vector<std::string>* Ostrzezenia = nullptr;  // what the writer could not do well
};

// The files of one export: each target and its content.
using TPlikiEksportu = std::vector<std::pair<std::filesystem::path, std::string>>;

struct TFormatEksportu {
  const char* Nazwa;         // velmor-cli's --format
  const char* Rozszerzenie;  // of the file
  bool Folder;               // a file per teacher into a folder (unless one teacher is asked for)
  bool ZWidokiem;            // takes --view
  bool Kalendarz;            // takes the calendar's --teacher, --from and --weeks
  const char* Menu;          // the "Eksport" menu's entry (UTF-8)
  const char* Tytul;         // the save dialog's title (UTF-8)
  const char* Filtr;         // the save dialog's filter
  const char* Opis;          // velmor-cli --help (UTF-8)
  // The files for target `cel`; nullptr for the PDF, which the gui program
  // prints through the windows' page layout.
  TPlikiEksportu (*Pisz)(const TModele& m, const std::filesystem::path& cel,
                         const TUstawieniaEksportu& u);
};

extern const std::array<TFormatEksportu, 6> kFormatyEksportu;

// The format of that --format name, or nullptr.
const TFormatEksportu* FormatEksportu(std::string_view nazwa);

// The --format names of the formats `ktore` picks (all without it), joined
// by `odstep`.
std::string NazwyFormatow(std::string_view odstep, bool (*ktore)(const TFormatEksportu&) = nullptr);

}  // namespace velmor
