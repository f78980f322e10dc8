#include "core/eksport/html.h"

#include <cmath>
#include <cstdio>

#include "core/eksport/wspolne.h"
#include "core/eksport/zastepstwa.h"
#include "core/model/data.h"
#include "core/planning/ogolne.h"

namespace velmor {
namespace {

constexpr const char* kStyl = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 10pt; margin: 1em; }
h1 { font-size: 16pt; margin: 0 0 .3em; }
p.szkola { font-size: 12pt; margin: 0 0 .2em; }
h2 { font-size: 13pt; margin: 1.5em 0 .4em; }
table { border-collapse: collapse; margin-bottom: 1em; }
th, td { border: 1px solid #666; padding: 2px 6px; text-align: left; vertical-align: top; }
thead th { background: #e4e4e4; }
td.zamkniete { background: #c8c8c8; color: #666; text-align: center; }
td.brak { color: #b00000; font-style: italic; }
td.liczba { text-align: right; }
table.plan tbody th, table.plan tbody td:first-of-type { white-space: nowrap; }
tfoot td { font-weight: bold; }
@page { size: A4; margin: 1.2cm; }
@page plan { size: A4 landscape; margin: 1cm; }
@media print {
  body { margin: 0; font-size: 9pt; }
  section { break-before: page; page-break-before: always; }
  section:first-of-type { break-before: auto; page-break-before: auto; }
  #plan { page: plan; }
  table.plan { width: 100%; font-size: 8pt; }
  tr { break-inside: avoid; page-break-inside: avoid; }
  * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)";

// Text for an element or an attribute. Control characters, which XML
// cannot hold, become blanks.
std::string H(const std::string& utf8) {
  std::string wynik;
  for (const char c : utf8) {
    switch (c) {
      case '&': wynik += "&amp;"; break;
      case '<': wynik += "&lt;"; break;
      case '>': wynik += "&gt;"; break;
      case '"': wynik += "&quot;"; break;
      case '\'': wynik += "&#39;"; break;
      default: wynik += static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' ? ' ' : c;
    }
  }
  return wynik;
}

std::string HC(const std::string& cp1250) { return H(Utf8(cp1250)); }

// WCAG relative luminance of a 0x00BBGGRR colour.
double Luminancja(uint32_t kolor) {
  const auto liniowa = [](uint32_t c) {
    const double v = static_cast<double>(c & 0xFF) / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * liniowa(kolor) + 0.7152 * liniowa(kolor >> 8) + 0.0722 * liniowa(kolor >> 16);
}

// Background and the text colour of the better contrast on it.
std::string StylKoloru(uint32_t kolor) {
  const double l = Luminancja(kolor);
  const bool bialy = 1.05 / (l + 0.05) > (l + 0.05) / 0.05;
  return " style=\"background: " + KolorHtml(kolor) +
         (bialy ? "; color: #FFFFFF\"" : "; color: #000000\"");
}

// The moment's name and its clock times: "przed 8:55 (8:45–8:55)".
std::string NazwaMomentu(const TModele& m, int s) {
  if (s >= m.Momenty.Liczba()) return "";
  const std::string godziny = GodzinyPrzerwyTekst(m, s);
  return HC(m.Momenty[s].Nazwa) +
         (godziny.empty() ? "" : " <span class=\"godziny\">(" + godziny + ")</span>");
}

void Plan(const TModele& m, const std::string& szkola, std::optional<double> stan, std::string& h) {
  h += "<section id=\"plan\">\n";
  if (!szkola.empty()) h += "<p class=\"szkola\">" + H(szkola) + "</p>\n";
  h += "<h1>Plan dyżurów</h1>\n";
  std::string daty;
  if (const std::string od = DataPolska(std::trunc(m.Dni.DataPoczatku)); !od.empty())
    daty = "Od " + od + ".";
  if (const std::string dzien = stan ? DataPolska(*stan) : ""; !dzien.empty())
    daty += (daty.empty() ? "" : " ") + std::string("Stan na ") + dzien + ".";
  if (!daty.empty()) h += "<p class=\"daty\">" + daty + "</p>\n";
  h += "<table class=\"plan\">\n<thead><tr><th scope=\"col\">Dzień</th><th "
       "scope=\"col\">Przerwa</th>";
  for (int r = 0; r < m.Dyzury.LiczbaRejonow(); ++r)
    h += m.Rejony.Istnieje(r) ? "<th scope=\"col\"" + StylKoloru(m.Rejony[r].Kolor) + ">" +
                                    HC(m.Rejony[r].Nazwa) + "</th>"
                              : "<th scope=\"col\"></th>";
  h += "</tr></thead>\n";
  const int momenty = m.Dyzury.LiczbaMomentow();
  for (int s = 0; s < momenty;) {
    // One body per day, its name over the day's rows.
    const int dzien = m.Dni.DzienILekcja(s).first;
    int koniec = s + 1;
    while (koniec < momenty && m.Dni.DzienILekcja(koniec).first == dzien) ++koniec;
    h += "<tbody>\n";
    for (int w = s; w < koniec; ++w) {
      h += "<tr>";
      if (w == s)
        h += "<th scope=\"rowgroup\" rowspan=\"" + std::to_string(koniec - s) + "\">" +
             H(DzienMomentu(m, s)) + "</th>";
      h += "<td>" + NazwaMomentu(m, w) + "</td>";
      for (int r = 0; r < m.Dyzury.LiczbaRejonow(); ++r) {
        const int t = NauczycielKomorki(m, r, w);
        if (t >= 0)
          h += "<td" + (m.Rejony.Istnieje(r) ? StylKoloru(m.Rejony[r].Kolor) : "") + ">" +
               HC(m.Nauczyciele[t].NazwaNauczyciela()) + "</td>";
        else if (m.Dyzury.Dyzurny(r, w) == kZamkniete) h += "<td class=\"zamkniete\">—</td>";
        else h += "<td class=\"brak\">brak</td>";
      }
      h += "</tr>\n";
    }
    h += "</tbody>\n";
    s = koniec;
  }
  h += "</table>\n</section>\n";
}

void Nauczyciel(const TModele& m, int t, int dyzury, int minuty, std::string& h) {
  const TNaucz& n = m.Nauczyciele[t];
  h += "<section class=\"nauczyciel\">\n<h2>" + H(NazwiskoImie(n)) + "</h2>\n";
  h += "<table>\n<thead><tr><th scope=\"col\">Dzień</th><th scope=\"col\">Przerwa</th>"
       "<th scope=\"col\">Rejon</th><th scope=\"col\">Minuty</th></tr>"
       "</thead>\n<tbody>\n";
  for (const TDyzur& d : DyzuryNauczyciela(m, t)) {
    h += "<tr><td>" + H(DzienMomentu(m, d.Moment)) + "</td><td>" + NazwaMomentu(m, d.Moment) +
         "</td><td" + (m.Rejony.Istnieje(d.Rejon) ? StylKoloru(m.Rejony[d.Rejon].Kolor) : "") +
         ">" + (m.Rejony.Istnieje(d.Rejon) ? HC(m.Rejony[d.Rejon].Nazwa) : "") +
         "</td><td class=\"liczba\">" + std::to_string(m.Momenty[d.Moment].Minuty) + "</td></tr>\n";
  }
  h += "</tbody>\n<tfoot><tr><td colspan=\"3\">Razem dyżurów: " + std::to_string(dyzury) +
       " (limit " + std::to_string(n.LimitDyzurow) + ")</td><td class=\"liczba\">" +
       std::to_string(minuty) + " (limit " + std::to_string(n.LimitMinut) +
       ")</td></tr></tfoot>\n</table>\n</section>\n";
}

std::string Poczatek(const std::string& tytul) {
  std::string h =
      "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"pl\" xml:lang=\"pl\">\n"
      "<head>\n<meta charset=\"utf-8\"/>\n<title>" +
      H(tytul) + "</title>\n<style>";
  h += kStyl;
  h += "</style>\n</head>\n<body>\n";
  return h;
}

}  // namespace

std::string PlanHtml(const TModele& m, const std::string& szkola, std::optional<double> stan) {
  std::string h = Poczatek(szkola.empty() ? "Plan dyżurów" : "Plan dyżurów: " + szkola);
  Plan(m, szkola, stan, h);
  const TObciazenia obc = TOgolne(m).policz_obciazenia();
  std::string bez;
  for (const int t : NauczycieleAlfabetycznie(m)) {
    const auto i = static_cast<size_t>(t);
    if (obc.Dyzury[i] > 0) Nauczyciel(m, t, obc.Dyzury[i], obc.Minuty[i], h);
    else bez += (bez.empty() ? "" : ", ") + H(NazwiskoImie(m.Nauczyciele[t]));
  }
  // Teachers without a duty share one block.
  if (!bez.empty())
    h += "<section class=\"bez-dyzurow\">\n<h2>Bez dyżurów</h2>\n<p>" + bez + "</p>\n</section>\n";
  h += "</body>\n</html>\n";
  return h;
}

std::string ZastepstwaHtml(const TModele& m, int data) {
  const std::string dzien = DzienZastepstw(data);
  std::string h = Poczatek("Zastępstwa: " + dzien);
  h += "<h1>Zastępstwa na dyżurach</h1>\n<p>" + H(dzien) + "</p>\n";
  std::string nieobecni;
  for (const TNieobecnosc& n : m.Zastepstwa.Nieobecnosci) {
    if (n.Od > data || data > n.Do) continue;
    std::string opis = H(Utf8(m.Nauczyciele[n.Nauczyciel].NazwaNauczyciela()));
    if (n.OdLekcji || n.DoLekcji)
      opis += ", lekcje " + (n.OdLekcji ? std::to_string(n.OdLekcji) : std::string("1")) + "-" +
              (n.DoLekcji ? std::to_string(n.DoLekcji) : std::string());
    if (!n.Powod.empty()) opis += " (" + HC(n.Powod) + ")";
    nieobecni += "<li>" + opis + "</li>\n";
  }
  if (!nieobecni.empty()) h += "<h2>Nieobecni</h2>\n<ul>\n" + nieobecni + "</ul>\n";
  h += "<table>\n<thead><tr><th scope=\"col\">Przerwa</th><th scope=\"col\">Rejon</th>"
       "<th scope=\"col\">Za</th><th scope=\"col\">Dyżur pełni</th></tr></thead>\n<tbody>\n";
  for (const TLiniaZastepstwa& l : LinieZastepstw(m, data)) {
    const std::string kto = l.BezZastepstwa ? "<td class=\"zamkniete\">bez zastępstwa</td>"
                            : l.Kto.empty() ? "<td class=\"brak\">nieobsadzony</td>"
                                            : "<td>" + H(l.Kto) + "</td>";
    h += "<tr><td>" + H(l.Moment) + "</td><td>" + H(l.Rejon) + "</td><td>" + H(l.Nieobecny) +
         "</td>" + kto + "</tr>\n";
  }
  h += "</tbody>\n</table>\n</body>\n</html>\n";
  return h;
}

}  // namespace velmor
