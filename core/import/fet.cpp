#include "core/import/fet.h"

#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "core/import/budowa.h"

namespace velmor {
namespace {

std::string Tekst(pugi::xml_node n, const char* dziecko) {
  return n.child(dziecko).text().as_string();
}

bool Aktywne(pugi::xml_node n) {
  const pugi::xml_node a = n.child("Active");
  return !a || std::string_view(a.text().as_string()) != "false";
}

// Weight_Percentage of 100, written as any decimal.
bool Wiazace(pugi::xml_node n) { return n.child("Weight_Percentage").text().as_double() >= 100.0; }

struct TCzytanie {
  pugi::xml_node fet;
  TPlanObcy p{"FET"};
  std::map<std::string, int> oddzialZbioru;  // students set -> its year, the class
  std::map<std::string, std::vector<std::string>> salePrawdziwe;  // virtual room -> real ones
};

void Lista(TCzytanie& c, const char* lista, const char* element, TNazwy& nazwy) {
  for (pugi::xml_node n : c.fet.child(lista).children(element)) nazwy.Dodaj(Tekst(n, "Name"));
}

void Dni(TCzytanie& c) {
  Lista(c, "Days_List", "Day", c.p.dni);
  Lista(c, "Hours_List", "Hour", c.p.godziny);
  for (pugi::xml_node h : c.fet.child("Hours_List").children("Hour"))
    c.p.etykietyGodzin.push_back(Tekst(h, "Long_Name"));
  c.p.SprawdzSiatke();
}

// A year is a class; its groups and subgroups belong to it.
void Uczniowie(TCzytanie& c) {
  for (pugi::xml_node rok : c.fet.child("Students_List").children("Year")) {
    const int o = c.p.oddzialy.Dodaj(Tekst(rok, "Name"));
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
      c.p.sale.Dodaj(nazwa);
      continue;
    }
    std::vector<std::string>& prawdziwe = c.salePrawdziwe[nazwa];
    for (pugi::xml_node z : n.children("Set_of_Real_Rooms"))
      for (pugi::xml_node r : z.children("Real_Room")) prawdziwe.push_back(r.text().as_string());
  }
}

struct TMiejsce {
  int dzien = -1, godzina = -1;
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
    const int d = c.p.dni.Indeks(dzien), h = c.p.godziny.Indeks(godzina);
    if (d < 0 || h < 0)
      c.p.Blad("zajęcia " + Tekst(n, "Activity_Id") + " w nieznanym dniu lub godzinie");
    TMiejsce& m = miejsca[n.child("Activity_Id").text().as_int()];
    m.dzien = d;
    m.godzina = h;
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
      if (const int i = c.p.sale.Indeks(r); i >= 0) m.sale.push_back(i);
  }
  return miejsca;
}

void Zajecia(TCzytanie& c) {
  const std::map<int, TMiejsce> miejsca = Miejsca(c);
  int aktywnych = 0;
  for (pugi::xml_node a : c.fet.child("Activities_List").children("Activity")) {
    const auto m = miejsca.find(a.child("Id").text().as_int());
    aktywnych += Aktywne(a);
    if (!Aktywne(a) || m == miejsca.end() || m->second.dzien < 0) continue;
    TLekcjaObca l;
    l.opis = "zajęcia " + Tekst(a, "Id");
    for (pugi::xml_node t : a.children("Teacher"))
      if (const int i = c.p.nauczyciele.Indeks(t.text().as_string()); i >= 0)
        l.nauczyciele.push_back(i);
    for (pugi::xml_node u : a.children("Students")) {
      const auto o = c.oddzialZbioru.find(u.text().as_string());
      if (o != c.oddzialZbioru.end()) l.oddzialy.push_back(o->second);
    }
    l.przedmiot = c.p.przedmioty.Indeks(Tekst(a, "Subject"));
    if (l.przedmiot < 0) c.p.Blad(l.opis + " z nieznanego przedmiotu");
    l.dzien = m->second.dzien;
    l.godzina = m->second.godzina;
    l.trwa = std::max(1, a.child("Duration").text().as_int());
    l.sale = m->second.sale;
    c.p.lekcje.push_back(std::move(l));
  }
  // The school file FET starts from, perhaps with some lessons fixed: its
  // timetable is in another file. Without the rest, teachers would seem
  // free while they teach.
  const int bez = aktywnych - static_cast<int>(c.p.lekcje.size());
  if (bez > 0)
    c.p.Blad((c.p.lekcje.empty()
                  ? std::string("żadne zajęcia nie mają")
                  : std::to_string(bez) + " z " + std::to_string(aktywnych) + " zajęć nie ma") +
             " miejsca w planie (plan z FET to plik NAZWA_data_and_timetable.fet)");
}

}  // namespace

TSzkola CzytajFet(std::string_view xml) {
  pugi::xml_document dokument;
  const pugi::xml_parse_result wynik = dokument.load_buffer(xml.data(), xml.size());
  TCzytanie c;
  if (!wynik)
    c.p.Blad("to nie XML (bajt " + std::to_string(wynik.offset) + ": " + wynik.description() + ")");
  c.fet = dokument.child("fet");
  if (!c.fet) c.p.Blad("brak elementu <fet>");
  Dni(c);
  Lista(c, "Teachers_List", "Teacher", c.p.nauczyciele);
  Lista(c, "Subjects_List", "Subject", c.p.przedmioty);
  Uczniowie(c);
  Sale(c);
  Zajecia(c);
  return Zbuduj(c.p);
}

TSzkola CzytajFet(const std::filesystem::path& plik) {
  return CzytajFet(std::string_view(CzytajPlikObcy(plik, "FET")));
}

}  // namespace velmor
