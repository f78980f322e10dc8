#include "core/document/historia.h"

#include <algorithm>

#include "core/document/dokument.h"

namespace velmor {

TStanDyzurow TStanDyzurow::Z(const TModele& m) {
  TStanDyzurow s{m.Momenty,   m.Rejony, m.Dyzury, m.Opcje, {}, {}, m.Stopka.WpisujAutomatycznie,
                 m.Zastepstwa};
  for (const TNaucz& n : m.Nauczyciele) {
    s.Limity.push_back(n.LimitDyzurow);
    s.Limity.push_back(n.LimitMinut);
    for (const TPozycjaDysp& p : n.Dyspozycja.Pozycje) s.Zakazy.push_back(p.Zakaz);
  }
  return s;
}

uint32_t Roznica(const TStanDyzurow& a, const TStanDyzurow& b) {
  uint32_t c = 0;
  if (a.Dyzury != b.Dyzury) c |= kZmianaTabeli;
  if (a.Momenty != b.Momenty) c |= kZmianaMomentow;
  if (a.Rejony != b.Rejony) c |= kZmianaRejonow;
  if (a.Limity != b.Limity) c |= kZmianaLimitow;
  if (a.Zakazy != b.Zakazy) c |= kZmianaZakazow;
  if (a.Opcje != b.Opcje || a.WpisujAutomatycznie != b.WpisujAutomatycznie) c |= kZmianaOpcji;
  if (a.Zastepstwa != b.Zastepstwa) c |= kZmianaZastepstw;
  return c;
}

void TStanDyzurow::Przywroc(TModele& m) const {
  m.Momenty = Momenty;
  m.Rejony = Rejony;
  m.Dyzury = Dyzury;
  m.Opcje = Opcje;
  m.Stopka.WpisujAutomatycznie = WpisujAutomatycznie;
  m.Zastepstwa = Zastepstwa;
  size_t l = 0, z = 0;
  for (TNaucz& n : m.Nauczyciele) {
    if (l + 1 < Limity.size()) {
      n.LimitDyzurow = Limity[l++];
      n.LimitMinut = Limity[l++];
    }
    for (TPozycjaDysp& p : n.Dyspozycja.Pozycje)
      if (z < Zakazy.size()) p.Zakaz = Zakazy[z++];
  }
}

size_t TStanDyzurow::Rozmiar() const {
  size_t n = sizeof(*this) + Limity.size() * sizeof(int32_t) + Zakazy.size();
  n += static_cast<size_t>(Dyzury.LiczbaMomentow()) * static_cast<size_t>(Dyzury.LiczbaRejonow());
  for (int i = 0; i < Momenty.Liczba(); ++i) n += sizeof(TMoment) + Momenty[i].Nazwa.size();
  for (const TRejon& r : Rejony)
    n += sizeof(TRejon) + r.Nazwa.size() + static_cast<size_t>(r.SaleRejonu.Liczba());
  for (const TNieobecnosc& a : Zastepstwa.Nieobecnosci) n += sizeof(a) + a.Powod.size();
  return n + Zastepstwa.Pokrycia.size() * sizeof(TZastepstwo);
}

void THistoria::Dodaj(TStanDyzurow przed, std::string nazwa, std::string scal, TWidokPlanu widok) {
  ponow_.clear();
  // The state saved can no longer be reached by redoing.
  if (zapisany_ > pozycja_) zapisany_ = -1;
  const bool dolacz = !scal.empty() && scal == scal_ && !cofnij_.empty() && zapisany_ != pozycja_;
  scal_ = std::move(scal);
  if (dolacz) return;  // the step already holds the state before the first key
  cofnij_.push_back({std::move(przed), std::move(nazwa), widok});
  ++pozycja_;
  Ogranicz();
}

namespace {

const std::string kBezNazwy;

}  // namespace

const std::string& THistoria::NazwaCofniecia() const {
  return cofnij_.empty() ? kBezNazwy : cofnij_.back().Nazwa;
}

const std::string& THistoria::NazwaPonowienia() const {
  return ponow_.empty() ? kBezNazwy : ponow_.back().Nazwa;
}

TStanDyzurow THistoria::Cofnij(TStanDyzurow teraz) {
  TKrok krok = std::move(cofnij_.back());
  cofnij_.pop_back();
  ponow_.push_back({std::move(teraz), krok.Nazwa, krok.Widok});
  widok_ = krok.Widok;
  --pozycja_;
  scal_.clear();
  return std::move(krok.Stan);
}

TStanDyzurow THistoria::Ponow(TStanDyzurow teraz) {
  TKrok krok = std::move(ponow_.back());
  ponow_.pop_back();
  cofnij_.push_back({std::move(teraz), krok.Nazwa, krok.Widok});
  widok_ = krok.Widok;
  ++pozycja_;
  scal_.clear();
  return std::move(krok.Stan);
}

void THistoria::Wyczysc(bool zapisany) {
  cofnij_.clear();
  ponow_.clear();
  scal_.clear();
  widok_ = {};
  pozycja_ = 0;
  zapisany_ = zapisany ? 0 : -1;
}

// The oldest steps go first, past the step count or the memory bound.
void THistoria::Ogranicz() {
  size_t bajty = 0;
  for (const TKrok& k : cofnij_) bajty += k.Stan.Rozmiar();
  size_t usun = 0;
  while (usun + 1 < cofnij_.size() &&
         (cofnij_.size() - usun > kNajwiecejKrokow || bajty > kNajwiecejBajtow)) {
    bajty -= cofnij_[usun].Stan.Rozmiar();
    ++usun;
  }
  cofnij_.erase(cofnij_.begin(), cofnij_.begin() + static_cast<std::ptrdiff_t>(usun));
}

}  // namespace velmor
