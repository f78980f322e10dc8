#include "core/archive/nowe_pliki.h"

#include "core/archive/bledy.h"
#include "core/archive/sciezka.h"

namespace velmor {
namespace {

namespace fs = std::filesystem;

// A replaced target and where its old file waits (empty: there was none).
struct TWymiana {
  fs::path Cel, Stary;
};

// The old file under a second name beside it: a hard link, or a copy where
// the file system has none.
fs::path ZachowajStary(const fs::path& cel) {
  for (int proba = 0; proba < 100; ++proba) {
    fs::path stary = cel;
    stary += ".velmor-" + LosowyPrzyrostek();
    std::error_code ec;
    if (fs::exists(stary, ec)) continue;
    fs::create_hard_link(cel, stary, ec);
    if (ec) fs::copy_file(cel, stary, ec);
    if (!ec) return stary;
    throw EStrumien("nie można zachować pliku " + Utf8Sciezki(cel) + ": " + ec.message());
  }
  throw EStrumien("nie można zachować pliku " + Utf8Sciezki(cel));
}

void PrzywrocStary(const TWymiana& w) {
  std::error_code ec;
  if (w.Stary.empty()) fs::remove(w.Cel, ec);
  else fs::rename(w.Stary, w.Cel, ec);
}

}  // namespace

void TNowePliki::Dodaj(const fs::path& cel, std::string_view tresc) {
  auto plik = std::make_unique<TPlikZastepczy>(cel);
  ZapiszWszystko(plik->Deskryptor(), tresc.data(), tresc.size());
  pliki_.push_back(std::move(plik));
}

void TNowePliki::Zatwierdz() {
  std::vector<TWymiana> wymienione;
  try {
    for (auto& plik : pliki_) {
      TWymiana w{plik->Cel(), {}};
      std::error_code ec;
      if (fs::is_regular_file(w.Cel, ec)) w.Stary = ZachowajStary(w.Cel);
      try {
        plik->Zatwierdz();
      } catch (...) {
        if (!w.Stary.empty()) fs::remove(w.Stary, ec);
        throw;
      }
      wymienione.push_back(std::move(w));
    }
  } catch (...) {
    for (auto w = wymienione.rbegin(); w != wymienione.rend(); ++w) PrzywrocStary(*w);
    pliki_.clear();
    throw;
  }
  pliki_.clear();
  for (const TWymiana& w : wymienione) {
    std::error_code ec;
    if (!w.Stary.empty()) fs::remove(w.Stary, ec);
  }
}

void ZapiszRazem(const std::vector<std::pair<fs::path, std::string>>& pliki) {
  TNowePliki nowe;
  for (const auto& [cel, tresc] : pliki) nowe.Dodaj(cel, tresc);
  nowe.Zatwierdz();
}

}  // namespace velmor
