#include "core/eksport/json.h"

#include <cmath>
#include <cstdio>

#include "core/eksport/wspolne.h"
#include "core/model/data.h"
#include "core/planning/ogolne.h"

namespace velmor {
namespace {

std::string N(const std::string& cp1250) { return NapisJson(Utf8(cp1250)); }
std::string B(bool x) { return x ? "true" : "false"; }

std::string DataJson(double data) {
  return DataWZakresie(data) ? NapisJson(DataIso(data)) : "null";
}

// "start" and "end" of moment s's break, "08:45"; null without clock times.
std::string GodzinyJson(const TModele& m, int s) {
  const auto godziny = GodzinyPrzerwy(m, s);
  if (!godziny) return "\"start\": null, \"end\": null";
  return "\"start\": " + NapisJson(Zegar(godziny->first, true)) +
         ", \"end\": " + NapisJson(Zegar(godziny->second, true));
}

}  // namespace

std::string IndeksJson(int i) { return i >= 0 ? std::to_string(i) : "null"; }

// A JSON string of UTF-8 text.
std::string NapisJson(const std::string& utf8) {
  std::string wynik = "\"";
  for (const char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') wynik += {'\\', c};
    else if (c == '\n') wynik += "\\n";
    else if (c == '\r') wynik += "\\r";
    else if (c == '\t') wynik += "\\t";
    else if (b < 0x20) {
      char kod[8];
      std::snprintf(kod, sizeof kod, "\\u%04x", b);
      wynik += kod;
    } else {
      wynik += c;
    }
  }
  return wynik + '"';
}

std::string PlanJson(const TModele& m) {
  const TObciazenia obc = TOgolne(m).policz_obciazenia();
  std::string j = "{\n  \"version\": " + std::to_string(kWersjaJson) +
                  ",\n  \"start\": " + DataJson(std::trunc(m.Dni.DataPoczatku)) + ",\n";

  j += "  \"days\": [";
  for (size_t d = 0; d < m.Dni.Dni.size(); ++d) {
    j += d ? ",\n    " : "\n    ";
    j += "{\"name\": " + N(TDni::NazwaDnia(static_cast<int>(d), 0)) + ", \"periods\": [";
    const auto& godziny = m.Dni.Dni[d].Godziny;
    for (size_t g = 0; g < godziny.size(); ++g) j += (g ? ", " : "") + N(godziny[g].Nazwa);
    j += "]}";
  }
  j += "\n  ],\n";

  j += "  \"moments\": [";
  for (int s = 0; s < m.Momenty.Liczba(); ++s) {
    const TMoment& x = m.Momenty[s];
    const auto [dzien, lekcja] = m.Dni.DzienILekcja(s);
    j += s ? ",\n    " : "\n    ";
    j += "{\"index\": " + std::to_string(s) + ", \"name\": " + N(x.Nazwa) +
         ", \"day\": " + std::to_string(dzien) + ", \"period\": " + std::to_string(lekcja) +
         ", \"minutes\": " + std::to_string(x.Minuty) + ", " + GodzinyJson(m, s) +
         ", \"long\": " + B(x.Dluga != 0) + "}";
  }
  j += "\n  ],\n";

  j += "  \"regions\": [";
  for (int r = 0; r < m.Rejony.Liczba(); ++r) {
    const TRejon& x = m.Rejony[r];
    j += r ? ",\n    " : "\n    ";
    j += "{\"index\": " + std::to_string(r) + ", \"name\": " + N(x.Nazwa) +
         ", \"colour\": " + NapisJson(KolorHtml(x.Kolor)) + ", \"rooms\": [";
    bool pierwsza = true;
    for (const uint8_t sala : x.SaleRejonu.Elementy()) {
      if (!m.Sale.Istnieje(sala)) continue;
      j += (pierwsza ? "" : ", ") + N(m.Sale[sala].Nazwa);
      pierwsza = false;
    }
    j += "]}";
  }
  j += "\n  ],\n";

  j += "  \"teachers\": [";
  for (int t = 0; t < m.Nauczyciele.Liczba(); ++t) {
    const TNaucz& x = m.Nauczyciele[t];
    j += t ? ",\n    " : "\n    ";
    j += "{\"index\": " + std::to_string(t) + ", \"name\": " + N(x.NazwaNauczyciela()) +
         ", \"surname\": " + N(x.Nazwisko) + ", \"firstName\": " + N(x.Imie) +
         ", \"dutyLimit\": " + std::to_string(x.LimitDyzurow) +
         ", \"minuteLimit\": " + std::to_string(x.LimitMinut) +
         ", \"duties\": " + std::to_string(obc.Dyzury[static_cast<size_t>(t)]) +
         ", \"minutes\": " + std::to_string(obc.Minuty[static_cast<size_t>(t)]) +
         ", \"bannedMoments\": [";
    bool pierwszy = true;
    for (int s = 0; s < std::min(x.Dyspozycja.Liczba(), m.Momenty.Liczba()); ++s) {
      if (!x.Dyspozycja[s].Zakaz) continue;
      j += (pierwszy ? "" : ", ") + std::to_string(s);
      pierwszy = false;
    }
    j += "]}";
  }
  j += "\n  ],\n";

  // Cells follow "regions"; a cell past the region list is named by nothing.
  j += "  \"table\": [";
  for (int s = 0; s < m.Dyzury.LiczbaMomentow(); ++s) {
    j += s ? ",\n    " : "\n    ";
    j += "{\"moment\": " + std::to_string(s) +
         ", \"name\": " + (s < m.Momenty.Liczba() ? N(m.Momenty[s].Nazwa) : "null") +
         ", \"cells\": [";
    for (int r = 0; r < m.Dyzury.LiczbaRejonow(); ++r) {
      const int t = NauczycielKomorki(m, r, s);
      const bool zamknieta = m.Dyzury.Dyzurny(r, s) == kZamkniete;
      j += r ? ",\n      " : "\n      ";
      j += "{\"regionIndex\": " + std::to_string(r) +
           ", \"region\": " + (m.Rejony.Istnieje(r) ? N(m.Rejony[r].Nazwa) : "null") +
           ", \"teacherIndex\": " + IndeksJson(t) +
           ", \"teacher\": " + (t >= 0 ? N(m.Nauczyciele[t].NazwaNauczyciela()) : "null") +
           ", \"closed\": " + B(zamknieta) + "}";
    }
    j += "]}";
  }
  j += "\n  ],\n";

  j += "  \"options\": {";
  for (const TOpisOpcji& o : kOpcje)
    j += std::string("\"") + o.Json + "\": " + B(m.Opcje.Wlaczona(o.Opcja)) + ", ";
  j += "\"timeLimitSeconds\": " + std::to_string(m.Opcje.LimitSekund()) + ", \"bytes\": [";
  const TOpcje::TRekord& bajty = m.Opcje.Rekord();
  for (size_t i = 0; i < bajty.size(); ++i) j += (i ? ", " : "") + std::to_string(bajty[i]);
  j += "]}\n}\n";
  return j;
}

}  // namespace velmor
