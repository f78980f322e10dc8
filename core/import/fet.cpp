#include "core/import/fet.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "core/archive/bledy.h"
#include "core/archive/cp1250.h"

namespace velmor {
namespace {

// Largest list the models hold.
constexpr int kMaksPozycji = kBrak;
// The largest schools' files take a few MB; the parsed tree about 5 times
// the file.
constexpr std::uintmax_t kNajwiekszyPlik = std::uintmax_t{64} << 20;

[[noreturn]] void Blad(const std::string& powod) { throw EStrumien("FET: " + powod); }

std::string Tekst(pugi::xml_node n, const char* dziecko) {
  return n.child(dziecko).text().as_string();
}

bool Aktywne(pugi::xml_node n) {
  const pugi::xml_node a = n.child("Active");
  return !a || std::string_view(a.text().as_string()) != "false";
}

// Weight_Percentage of 100, written as any decimal.
bool Wiazace(pugi::xml_node n) { return n.child("Weight_Percentage").text().as_double() >= 100.0; }

// Names in order, each to its index; a name given twice is an error.
class TNazwy {
 public:
  explicit TNazwy(const char* rodzaj) : rodzaj_(rodzaj) {}
  int Dodaj(const std::string& nazwa) {
    if (!indeksy_.emplace(nazwa, static_cast<int>(nazwy_.size())).second)
      Blad(std::string(rodzaj_) + ": powtórzona nazwa \"" + nazwa + "\"");
    if (static_cast<int>(nazwy_.size()) >= kMaksPozycji)
      Blad(std::string(rodzaj_) + ": więcej niż 251");
    nazwy_.push_back(nazwa);
    return static_cast<int>(nazwy_.size()) - 1;
  }
  // -1 for a name not given.
  int Indeks(const std::string& nazwa) const {
    const auto i = indeksy_.find(nazwa);
    return i == indeksy_.end() ? -1 : i->second;
  }
  const std::vector<std::string>& Wszystkie() const { return nazwy_; }

 private:
  const char* rodzaj_;
  std::vector<std::string> nazwy_;
  std::map<std::string, int> indeksy_;
};

struct TCzytanie {
  pugi::xml_node fet;
  TNazwy dni{"dni"}, godziny{"godziny"}, nauczyciele{"nauczyciele"}, przedmioty{"przedmioty"},
      oddzialy{"klasy"}, sale{"sale"};
  std::map<std::string, int> oddzialZbioru;  // students set -> its year, the class
  std::map<std::string, std::vector<std::string>> salePrawdziwe;  // virtual room -> real ones
  TSzkola s;
};

void Lista(TCzytanie& c, const char* lista, const char* element, TNazwy& nazwy) {
  for (pugi::xml_node n : c.fet.child(lista).children(element)) nazwy.Dodaj(Tekst(n, "Name"));
}

// A year is a class; its groups and subgroups belong to it.
void Uczniowie(TCzytanie& c) {
  for (pugi::xml_node rok : c.fet.child("Students_List").children("Year")) {
    const int o = c.oddzialy.Dodaj(Tekst(rok, "Name"));
    c.oddzialZbioru[Tekst(rok, "Name")] = o;
    for (pugi::xml_node g : rok.children("Group")) {
      c.oddzialZbioru.emplace(Tekst(g, "Name"), o);
      for (pugi::xml_node p : g.children("Subgroup")) c.oddzialZbioru.emplace(Tekst(p, "Name"), o);
    }
  }
}

// Real rooms only; a virtual room stands for the rooms of its sets.
void Sale(TCzytanie& c) {
  for (pugi::xml_node n : c.fet.child("Rooms_List").children("Room")) {
    const std::string nazwa = Tekst(n, "Name");
    if (std::string_view(n.child("Virtual").text().as_string()) != "true") {
      c.sale.Dodaj(nazwa);
      continue;
    }
    std::vector<std::string>& prawdziwe = c.salePrawdziwe[nazwa];
    for (pugi::xml_node z : n.children("Set_of_Real_Rooms"))
      for (pugi::xml_node r : z.children("Real_Room")) prawdziwe.push_back(r.text().as_string());
  }
}

void Dni(TCzytanie& c) {
  Lista(c, "Days_List", "Day", c.dni);
  Lista(c, "Hours_List", "Hour", c.godziny);
  if (c.dni.Wszystkie().empty() || c.godziny.Wszystkie().empty()) Blad("brak dni lub godzin");
  if (c.dni.Wszystkie().size() > TDni::kMaksDni ||
      c.dni.Wszystkie().size() * c.godziny.Wszystkie().size() > TDni::kMaksSlotow)
    Blad("za dużo dni lub godzin");
  c.s.Dni.Dni.clear();
  for (size_t d = 0; d < c.dni.Wszystkie().size(); ++d) {
    TDzien dzien;
    for (pugi::xml_node h : c.fet.child("Hours_List").children("Hour")) {
      const std::string dluga = Tekst(h, "Long_Name");
      dzien.Godziny.push_back({Utf8DoCp1250(dluga.empty() ? Tekst(h, "Name") : dluga)});
    }
    c.s.Dni.Dni.push_back(std::move(dzien));
  }
  c.s.Dni.Przelicz();
}

// The models' lists, one entry per slot.
void Modele(TCzytanie& c) {
  const auto sloty = static_cast<size_t>(c.s.Dni.LiczbaSlotow());
  c.s.Nauczyciele.ZmienRozmiar(static_cast<int>(c.nauczyciele.Wszystkie().size()));
  for (int t = 0; t < c.s.Nauczyciele.Liczba(); ++t) {
    const std::string nazwa = Utf8DoCp1250(c.nauczyciele.Wszystkie()[static_cast<size_t>(t)]);
    const size_t odstep = nazwa.rfind(' ');
    TNaucz& n = c.s.Nauczyciele[t];
    n.Nazwisko = odstep == std::string::npos ? nazwa : nazwa.substr(odstep + 1);
    n.Imie = odstep == std::string::npos ? std::string() : nazwa.substr(0, odstep);
    n.Dyspozycja.Pozycje.resize(sloty);
  }
  c.s.Oddzialy.ZmienRozmiar(static_cast<int>(c.oddzialy.Wszystkie().size()));
  for (int o = 0; o < c.s.Oddzialy.Liczba(); ++o) {
    c.s.Oddzialy[o].Nazwa = Utf8DoCp1250(c.oddzialy.Wszystkie()[static_cast<size_t>(o)]);
    c.s.Oddzialy[o].Przedmioty.Pozycje.resize(sloty);
    c.s.Oddzialy[o].Sale.Pozycje.resize(sloty);
  }
  c.s.Sale.ZmienRozmiar(static_cast<int>(c.sale.Wszystkie().size()));
  for (int r = 0; r < c.s.Sale.Liczba(); ++r) {
    c.s.Sale[r].Nazwa = Utf8DoCp1250(c.sale.Wszystkie()[static_cast<size_t>(r)]);
    c.s.Sale[r].Zajecia.Pozycje.resize(sloty);
  }
  c.s.Przedmioty.ZmienRozmiar(static_cast<int>(c.przedmioty.Wszystkie().size()));
  for (int p = 0; p < c.s.Przedmioty.Liczba(); ++p) {
    c.s.Przedmioty[p].Nazwa = Utf8DoCp1250(c.przedmioty.Wszystkie()[static_cast<size_t>(p)]);
    c.s.Przedmioty[p].Program.Oczka.assign(c.oddzialy.Wszystkie().size(), TOczkoProg{});
  }
}

struct TMiejsce {
  int slot = -1;
  std::vector<int> sale;
};

// Each placed activity's first slot and rooms, by its id.
std::map<int, TMiejsce> Miejsca(const TCzytanie& c) {
  std::map<int, TMiejsce> miejsca;
  for (pugi::xml_node n :
       c.fet.child("Time_Constraints_List").children("ConstraintActivityPreferredStartingTime")) {
    if (!Aktywne(n) || !Wiazace(n)) continue;
    std::string dzien = Tekst(n, "Preferred_Day"), godzina = Tekst(n, "Preferred_Hour");
    if (dzien.empty()) dzien = Tekst(n, "Day");
    if (godzina.empty()) godzina = Tekst(n, "Hour");
    const int d = c.dni.Indeks(dzien), h = c.godziny.Indeks(godzina);
    if (d < 0 || h < 0)
      Blad("zajęcia " + Tekst(n, "Activity_Id") + " w nieznanym dniu lub godzinie");
    miejsca[n.child("Activity_Id").text().as_int()].slot = c.s.Dni.Slot(d, h);
  }
  for (pugi::xml_node n :
       c.fet.child("Space_Constraints_List").children("ConstraintActivityPreferredRoom")) {
    if (!Aktywne(n) || !Wiazace(n)) continue;
    TMiejsce& m = miejsca[n.child("Activity_Id").text().as_int()];
    m.sale.clear();
    std::vector<std::string> nazwy;
    for (pugi::xml_node r : n.children("Real_Room")) nazwy.push_back(r.text().as_string());
    if (nazwy.empty()) {
      const std::string sala = Tekst(n, "Room");
      const auto v = c.salePrawdziwe.find(sala);
      nazwy = v == c.salePrawdziwe.end() ? std::vector<std::string>{sala} : v->second;
    }
    for (const std::string& r : nazwy)
      if (const int i = c.sale.Indeks(r); i >= 0) m.sale.push_back(i);
  }
  return miejsca;
}

void Dodaj(TKrotkaLista& l, int v) {
  if (!l.Zawiera(static_cast<uint8_t>(v))) l.Dodaj(static_cast<uint8_t>(v));
}

// One hour of an activity: its teachers teach its classes, each class its
// subject in the first room.
void Lekcja(TSzkola& s, int slot, const std::vector<int>& nauczyciele,
            const std::vector<int>& oddzialy, int przedmiot, const std::vector<int>& sale) {
  const int sala = sale.empty() ? kBrak : sale.front();
  for (int t : nauczyciele)
    for (int o : oddzialy) Dodaj(s.Nauczyciele[t].Dyspozycja[slot].Lista, o);
  for (int o : oddzialy) {
    s.Oddzialy[o].Przedmioty[slot].Lista.Dodaj(static_cast<uint8_t>(przedmiot));
    s.Oddzialy[o].Sale[slot].Lista.Dodaj(static_cast<uint8_t>(sala));
  }
  for (int r : sale)
    for (int o : oddzialy) Dodaj(s.Sale[r].Zajecia[slot].Lista, o);
}

void Zajecia(TCzytanie& c) {
  const std::map<int, TMiejsce> miejsca = Miejsca(c);
  const int godzin = static_cast<int>(c.godziny.Wszystkie().size());
  int umieszczone = 0;
  for (pugi::xml_node a : c.fet.child("Activities_List").children("Activity")) {
    const auto m = miejsca.find(a.child("Id").text().as_int());
    if (!Aktywne(a) || m == miejsca.end() || m->second.slot < 0) continue;
    ++umieszczone;
    std::vector<int> nauczyciele, oddzialy;
    for (pugi::xml_node t : a.children("Teacher"))
      if (const int i = c.nauczyciele.Indeks(t.text().as_string()); i >= 0)
        nauczyciele.push_back(i);
    for (pugi::xml_node u : a.children("Students")) {
      const auto o = c.oddzialZbioru.find(u.text().as_string());
      if (o != c.oddzialZbioru.end()) oddzialy.push_back(o->second);
    }
    const int przedmiot = c.przedmioty.Indeks(Tekst(a, "Subject"));
    if (przedmiot < 0) Blad("zajęcia " + Tekst(a, "Id") + " z nieznanego przedmiotu");
    for (int o : oddzialy)
      if (!nauczyciele.empty())
        c.s.Przedmioty[przedmiot].Program.Oczka[static_cast<size_t>(o)] = {
            1, static_cast<uint8_t>(nauczyciele.front())};
    const auto [dzien, godzina] = c.s.Dni.DzienILekcja(m->second.slot);
    const int trwa = std::max(1, a.child("Duration").text().as_int());
    if (godzina + trwa > godzin)
      Blad("zajęcia " + Tekst(a, "Id") + " wychodzą poza ostatnią godzinę");
    for (int h = 0; h < trwa; ++h)
      Lekcja(c.s, c.s.Dni.Slot(dzien, godzina + h), nauczyciele, oddzialy, przedmiot,
             m->second.sale);
  }
  // The school file FET starts from: its timetable is in another file.
  if (umieszczone == 0)
    Blad(
        "żadne zajęcia nie mają miejsca w planie (plan z FET to plik "
        "NAZWA_data_and_timetable.fet)");
}

}  // namespace

TSzkola CzytajFet(std::string_view xml) {
  pugi::xml_document dokument;
  const pugi::xml_parse_result wynik = dokument.load_buffer(xml.data(), xml.size());
  if (!wynik)
    Blad("to nie XML (bajt " + std::to_string(wynik.offset) + ": " + wynik.description() + ")");
  TCzytanie c;
  c.fet = dokument.child("fet");
  if (!c.fet) Blad("brak elementu <fet>");
  Dni(c);
  Lista(c, "Teachers_List", "Teacher", c.nauczyciele);
  Lista(c, "Subjects_List", "Subject", c.przedmioty);
  Uczniowie(c);
  Sale(c);
  Modele(c);
  Zajecia(c);
  return std::move(c.s);
}

TSzkola CzytajFet(const std::filesystem::path& plik) {
  std::error_code blad;
  if (!std::filesystem::is_regular_file(plik, blad)) Blad("to nie jest zwykły plik");
  const std::uintmax_t rozmiar = std::filesystem::file_size(plik, blad);
  if (blad) Blad("nie można odczytać pliku");
  if (rozmiar > kNajwiekszyPlik) Blad("plik większy niż 64 MB");
  std::ifstream f(plik, std::ios::binary);
  if (!f) Blad("nie można odczytać pliku");
  const std::string tekst((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  return CzytajFet(std::string_view(tekst));
}

}  // namespace velmor
