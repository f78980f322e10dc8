#include "core/document/dokument.h"

#include <cstdio>
#include <cstdlib>

#include "core/archive/bledy.h"
#include "core/archive/dysk.h"
#include "core/archive/sciezka.h"
#include "core/import/rozpoznanie.h"
#include "core/model/formy.h"
#include "core/model/wspolne.h"

namespace velmor {
namespace {

constexpr int kNajstarszaWersja = 60;

// What an open starts from. A plan, from a fresh document: nothing the file
// lacks comes from the plan open before. A timetable, from the document in
// memory: its duty model and the teachers' limits stay for the new-plan
// wizard, and its lists are resized in place.
TModele PoczatekOdczytu(const TModele& teraz, int rodzaj) {
  return rodzaj == kRodzajPlanDyzurow ? TModele{} : teraz;
}

// A slot no older reader looks at.
constexpr int kSekcjaZastepstw = 20;

}  // namespace

void TModele::Czytaj(TOrvelOdczyt& s, int rodzaj, const TProstokat& pulpit) {
  if (s.IdzDoSekcji(0)) Dni.Czytaj(s, rodzaj);
  if (s.IdzDoSekcji(1)) Nauczyciele.Czytaj(s, rodzaj);
  if (s.IdzDoSekcji(2)) Oddzialy.Czytaj(s, rodzaj);
  if (s.IdzDoSekcji(3)) Sale.Czytaj(s, rodzaj);
  if (s.IdzDoSekcji(4)) Przedmioty.Czytaj(s, rodzaj);
  if (rodzaj == kRodzajPlanDyzurow) {
    // A timetable's other sections are its program's own: not even looked for.
    // A plan without moments or without a duty table gets them as a new plan
    // has them, so that both fit the slots and regions read.
    const int sloty = Dni.LiczbaSlotow();
    if (s.IdzDoSekcji(11)) {
      Momenty.Czytaj(s, rodzaj, sloty);
    } else {
      Momenty.ZmienRozmiar(0);
      Momenty.ZmienRozmiar(sloty);
    }
    if (s.IdzDoSekcji(12)) Rejony.Czytaj(s, rodzaj);
    if (s.IdzDoSekcji(13)) {
      Dyzury.Czytaj(s, rodzaj, Rejony.Liczba(), sloty);
    } else {
      Dyzury.ZmienRozmiar(Rejony.Liczba(), sloty);
      Dyzury.UstawWszystkie(kBrak);
    }
    Opcje.Czytaj(s, rodzaj);
    Stopka.Czytaj(s, s.Wersja, pulpit);
    if (s.IdzDoSekcji(kSekcjaZastepstw))
      Zastepstwa.Czytaj(s, Nauczyciele.Liczba(), sloty, Rejony.Liczba());
  } else {
    for (TNaucz& n : Nauczyciele)
      for (TPozycjaDysp& p : n.Dyspozycja.Pozycje) p.Zakaz = 0;
  }
}

bool TModele::Spojne() const {
  const int sloty = Dni.LiczbaSlotow();
  const bool dni = static_cast<int>(Dni.Dni.size()) <= TDni::kMaksDni && sloty <= TDni::kMaksSlotow;
  const bool listy = Nauczyciele.Liczba() <= kMaksPozycji && Oddzialy.Liczba() <= kMaksPozycji &&
                     Sale.Liczba() <= kMaksPozycji && Przedmioty.Liczba() <= kMaksPozycji &&
                     Rejony.Liczba() <= kMaksPozycji;
  const bool tabela =
      Dyzury.LiczbaMomentow() == sloty && (sloty == 0 || Dyzury.LiczbaRejonow() == Rejony.Liczba());
  return dni && listy && tabela && Momenty.Liczba() == sloty;
}

void TModele::Zapisz(TOrvelZapis& s, int wersjaPliku) const {
  s.PoczatekSekcji(0);
  Dni.Zapisz(s);
  s.PoczatekSekcji(1);
  Nauczyciele.Zapisz(s);
  s.PoczatekSekcji(2);
  Oddzialy.Zapisz(s);
  s.PoczatekSekcji(3);
  Sale.Zapisz(s);
  s.PoczatekSekcji(4);
  Przedmioty.Zapisz(s);
  s.PoczatekSekcji(11);
  Momenty.Zapisz(s);
  s.PoczatekSekcji(12);
  Rejony.Zapisz(s);
  s.PoczatekSekcji(13);
  Dyzury.Zapisz(s);
  Opcje.Zapisz(s);
  Stopka.Zapisz(s, wersjaPliku);
  // After everything an older reader reads, and only when there is any: a
  // plan without absences is the file it always was.
  if (!Zastepstwa.Puste()) {
    s.PoczatekSekcji(kSekcjaZastepstw);
    Zastepstwa.Zapisz(s);
  }
}

std::string TModele::EtykietaMomentu(int s) const {
  const std::string nazwa = s < Momenty.Liczba() ? Momenty[s].Nazwa : std::string();
  return TDni::NazwaDnia(Dni.DzienILekcja(s).first, 3) + " " + nazwa;
}

void TModele::WstawRejon(int i) {
  const int miejsce = i < 0 || i > Rejony.Liczba() ? Rejony.Liczba() : i;
  Rejony.WstawRejon(miejsce, Dyzury);
  const auto bez = [](int x) { return x; };
  Zastepstwa.Przenumeruj(
      bez, [miejsce](int r) { return r >= miejsce ? r + 1 : r; }, bez);
}

bool TModele::UsunRejon(int i) {
  if (!Rejony.UsunRejon(i, Dyzury)) return false;
  const auto bez = [](int x) { return x; };
  Zastepstwa.Przenumeruj(
      bez, [i](int r) { return r == i  ? -1
                               : r > i ? r - 1
                                       : r; }, bez);
  return true;
}

void TDokument::Przyjmij(TModele&& nowe) {
  static_cast<TModele&>(*this) = std::move(nowe);
  Historia.Wyczysc(true);
  Zmieniony = false;
  Powiadom(kZmianaCalosci);
}

bool TDokument::OtworzPlik(const std::filesystem::path& nazwa, int rodzaj,
                           const TOdczytPlanuLekcji& jak) {
  try {
    const TFormatPlanuLekcji format = rodzaj != kRodzajPlanLekcji ? TFormatPlanuLekcji::Tbx
                                      : jak.format == TFormatPlanuLekcji::Samo
                                          ? RozpoznajPlanLekcji(nazwa)
                                          : jak.format;
    if (format != TFormatPlanuLekcji::Tbx) {
      TSzkola s = CzytajPlanObcy(nazwa, format, jak);
      TModele nowe = *this;
      nowe.Dni = std::move(s.Dni);
      nowe.Nauczyciele = std::move(s.Nauczyciele);
      nowe.Oddzialy = std::move(s.Oddzialy);
      nowe.Sale = std::move(s.Sale);
      nowe.Przedmioty = std::move(s.Przedmioty);
      Przyjmij(std::move(nowe));
      return true;
    }
    TOrvelOdczyt s(nazwa);
    const int wersja = s.CzytajBajt();
    if (wersja < kNajstarszaWersja || wersja > kWersjaZapisu) throw EOrvelError(4);
    s.Wersja = wersja;
    TModele nowe = PoczatekOdczytu(*this, rodzaj);
    nowe.Czytaj(s, rodzaj, Pulpit);
    Przyjmij(std::move(nowe));
    WersjaPliku = wersja;
    return true;
  } catch (...) {
    EOrvelError blad(1, SzczegolPorazki(Utf8Sciezki(nazwa)));
    return false;
  }
}

TDokument::TZmiana::TZmiana(TDokument& dokument, std::string nazwa, std::string scal)
    : dokument_(dokument),
      przed_(TStanDyzurow::Z(dokument)),
      widok_(dokument.WidokPlanu ? dokument.WidokPlanu() : TWidokPlanu{}),
      cale_(SprawdzanaHistoria() ? std::make_unique<TModele>(dokument) : nullptr),
      nazwa_(std::move(nazwa)),
      scal_(std::move(scal)) {}

bool TDokument::SprawdzanaHistoria() {
#ifndef NDEBUG
  return true;
#else
  static const bool sprawdzana = std::getenv("VELMOR_SPRAWDZ_HISTORIE") != nullptr;
  return sprawdzana;
#endif
}

void TDokument::TZmiana::SprawdzHistorie() const {
  TModele cofniete = dokument_;
  przed_.Przywroc(cofniete);
  // Window places are no edit: a save from a list open in the step takes them.
  cofniete.Stopka.Okna = cale_->Stopka.Okna;
  if (cofniete == *cale_) return;
  std::fprintf(stderr, "velmor: \"%s\" changed what its undo cannot bring back\n", nazwa_.c_str());
  std::abort();
}

TDokument::TZmiana::~TZmiana() {
  if (cale_) SprawdzHistorie();
  uint32_t czesci = 0;
  try {
    czesci = Roznica(przed_, TStanDyzurow::Z(dokument_));
    if (czesci == 0) return;
    dokument_.Historia.Dodaj(std::move(przed_), std::move(nazwa_), std::move(scal_), widok_);
    dokument_.Zmieniony = dokument_.Historia.Zmieniony();
  } catch (...) {
    // Out of memory for the history: the change stands, only its undo is lost.
    dokument_.Zmieniony = true;
  }
  dokument_.Powiadom(czesci == 0 ? kZmianaCalosci : czesci);
}

bool TDokument::Cofnij() {
  if (!Historia.MoznaCofnac()) return false;
  const TStanDyzurow teraz = TStanDyzurow::Z(*this);
  PrzywrocKrok(Historia.Cofnij(teraz), teraz);
  return true;
}

bool TDokument::Ponow() {
  if (!Historia.MoznaPonowic()) return false;
  const TStanDyzurow teraz = TStanDyzurow::Z(*this);
  PrzywrocKrok(Historia.Ponow(teraz), teraz);
  return true;
}

void TDokument::PrzywrocKrok(const TStanDyzurow& stan, const TStanDyzurow& teraz) {
  stan.Przywroc(*this);
  Zmieniony = Historia.Zmieniony();
  Powiadom(Roznica(stan, teraz) | kZmianaCofnieta);
}

void TDokument::NowyPlan() {
  Historia.Wyczysc(false);
  Zmieniony = true;
  Powiadom(kZmianaCalosci);
}

int TDokument::DodajSluchacza(TSluchacz sluchacz) {
  sluchacze_.Lista.emplace_back(sluchacze_.Nastepny, std::move(sluchacz));
  return sluchacze_.Nastepny++;
}

void TDokument::UsunSluchacza(int numer) {
  std::erase_if(sluchacze_.Lista, [numer](const auto& s) { return s.first == numer; });
}

void TDokument::Powiadom(uint32_t czesci) {
  // A listener may add or remove listeners: the list is walked as it was.
  const auto lista = sluchacze_.Lista;
  for (const auto& [numer, sluchacz] : lista) sluchacz(czesci);
}

bool TDokument::ZapiszPlik(const std::filesystem::path& nazwa) {
  try {
    // A file that would read back as another document is never written.
    if (!Spojne()) throw EStrumien("dokument niespójny");
    TPlikZastepczy plik(nazwa);
    {
      TOrvelZapis s(plik.Deskryptor());
      s.ZapiszBajt(kWersjaZapisu);
      Zapisz(s, WersjaPliku);
      s.Zamknij();
    }
    plik.Zatwierdz();
    Historia.Zapisano();
    Zmieniony = false;
    return true;
  } catch (...) {
    EOrvelError blad(3, SzczegolPorazki(Utf8Sciezki(nazwa)));
    return false;
  }
}

}  // namespace velmor
