#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/archive/bledy.h"
#include "core/archive/dysk.h"
#include "core/archive/sciezka.h"

namespace velmor {
namespace {

// The system's text for an error code, in UTF-8 and without its full stop.
std::string OpisBledu(DWORD kod) {
  wchar_t* tekst = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, kod, 0, reinterpret_cast<wchar_t*>(&tekst), 0, nullptr);
  std::wstring w = n > 0 ? std::wstring(tekst, n) : L"kod " + std::to_wstring(kod);
  LocalFree(tekst);
  while (!w.empty() && (w.back() == L'\n' || w.back() == L'\r' || w.back() == L'.')) w.pop_back();
  return Utf8Sciezki(std::filesystem::path(w));
}

// The code is read before anything else runs: building the message could
// change the thread's last error.
[[noreturn]] void Blad(const char* co, const std::filesystem::path& plik = {},
                       DWORD kod = GetLastError()) {
  const std::string nazwa = plik.empty() ? "" : " " + Utf8Sciezki(plik);
  throw EStrumien(co + nazwa + ": " + OpisBledu(kod));
}

HANDLE Uchwyt(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

// The C runtime's descriptor of a handle, which then owns it.
int DoDeskryptora(HANDLE h, int flagi, const std::filesystem::path& nazwa) {
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), flagi | _O_BINARY);
  if (fd < 0) {
    CloseHandle(h);
    throw EStrumien("nie można otworzyć pliku " + Utf8Sciezki(nazwa));
  }
  return fd;
}

}  // namespace

int OtworzDoOdczytu(const std::filesystem::path& nazwa) {
  const HANDLE h = CreateFileW(nazwa.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) Blad("nie można otworzyć pliku", nazwa);
  return DoDeskryptora(h, _O_RDONLY, nazwa);
}

int UtworzDoZapisu(const std::filesystem::path& nazwa) {
  const HANDLE h = CreateFileW(nazwa.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) Blad("nie można utworzyć pliku", nazwa);
  return DoDeskryptora(h, _O_WRONLY, nazwa);
}

int64_t RozmiarZwyklegoPliku(int fd) {
  LARGE_INTEGER rozmiar;
  if (GetFileType(Uchwyt(fd)) != FILE_TYPE_DISK || !GetFileSizeEx(Uchwyt(fd), &rozmiar)) return -1;
  return rozmiar.QuadPart;
}

size_t CzytajOd(int fd, int64_t odkad, void* bufor, size_t liczba) {
  auto* p = static_cast<unsigned char*>(bufor);
  size_t razem = 0;
  while (razem < liczba) {
    OVERLAPPED miejsce{};
    const uint64_t od = static_cast<uint64_t>(odkad) + razem;
    miejsce.Offset = static_cast<DWORD>(od);
    miejsce.OffsetHigh = static_cast<DWORD>(od >> 32);
    const DWORD chce = static_cast<DWORD>(std::min<size_t>(liczba - razem, 1u << 30));
    DWORD n = 0;
    if (!ReadFile(Uchwyt(fd), p + razem, chce, &n, &miejsce) || n == 0) break;
    razem += n;
  }
  return razem;
}

void ZapiszWszystko(int fd, const void* bufor, size_t liczba) {
  const auto* p = static_cast<const unsigned char*>(bufor);
  while (liczba > 0) {
    const DWORD chce = static_cast<DWORD>(std::min<size_t>(liczba, 1u << 30));
    DWORD n = 0;
    if (!WriteFile(Uchwyt(fd), p, chce, &n, nullptr)) Blad("zapis niepełny");
    if (n == 0) Blad("zapis niepełny", {}, ERROR_DISK_FULL);
    p += n;
    liczba -= n;
  }
}

void PrzewinNaPoczatek(int fd) {
  if (!SetFilePointerEx(Uchwyt(fd), LARGE_INTEGER{}, nullptr, FILE_BEGIN))
    Blad("zapis pliku nie powiódł się");
}

bool ZamknijPlik(int fd) { return _close(fd) == 0; }

TPlikZastepczy::TPlikZastepczy(const std::filesystem::path& cel) : cel_(MiejscePliku(cel)) {
  for (int proba = 0; proba < 100 && fd_ < 0; ++proba) {
    nazwa_ = cel_;
    nazwa_ += ".velmor-" + LosowyPrzyrostek();
    // Nobody else may open the new file while it is written.
    const HANDLE h = CreateFileW(nazwa_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      fd_ = DoDeskryptora(h, _O_WRONLY, nazwa_);
    } else if (GetLastError() != ERROR_FILE_EXISTS) {
      const DWORD kod = GetLastError();
      nazwa_.clear();
      Blad("nie można utworzyć pliku", cel_, kod);
    }
  }
  if (fd_ < 0) {
    nazwa_.clear();
    Blad("nie można utworzyć pliku", cel_, ERROR_FILE_EXISTS);
  }
}

TPlikZastepczy::~TPlikZastepczy() { Porzuc(); }

void TPlikZastepczy::Porzuc() {
  if (fd_ >= 0) _close(fd_);
  fd_ = -1;
  if (!nazwa_.empty()) DeleteFileW(nazwa_.c_str());
  nazwa_.clear();
}

void TPlikZastepczy::Zatwierdz() {
  if (fd_ < 0) throw EStrumien("plik zamknięty");
  if (!FlushFileBuffers(Uchwyt(fd_))) Blad("zapis na dysk nie powiódł się");
  const int fd = fd_;
  fd_ = -1;
  if (_close(fd) != 0) throw EStrumien("zapis pliku nie powiódł się");
  // The move takes the old file's attributes with it; it fails on a target
  // that is read-only or open without shared deletion, and the old file
  // stays. (ReplaceFileW would keep them too, but Wine's leaves a copy of
  // the old file behind.)
  if (const DWORD stare = GetFileAttributesW(cel_.c_str()); stare != INVALID_FILE_ATTRIBUTES) {
    const DWORD kopiowane = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if ((stare & FILE_ATTRIBUTE_READONLY) != 0)
      Blad("nie można zastąpić pliku", cel_, ERROR_ACCESS_DENIED);
    const DWORD nowe = stare & kopiowane;
    if (!SetFileAttributesW(nazwa_.c_str(), nowe != 0 ? nowe : FILE_ATTRIBUTE_NORMAL))
      Blad("nie można ustawić atrybutów pliku", cel_);
  }
  const bool udane =
      MoveFileExW(nazwa_.c_str(), cel_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!udane) Blad("nie można zastąpić pliku", cel_);
  nazwa_.clear();
}

}  // namespace velmor
