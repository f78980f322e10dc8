#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "core/archive/bledy.h"
#include "core/archive/dysk.h"
#include "core/archive/sciezka.h"

namespace velmor {
namespace {

[[noreturn]] void Blad(const std::string& co) { throw EStrumien(co + ": " + std::strerror(errno)); }

// The permission bits a new file gets: those of the file it replaces, or
// what the umask leaves of 0666 when there is none (open applies the umask).
bool BityCelu(const std::filesystem::path& cel, mode_t& bity) {
  struct stat st;
  if (::stat(cel.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  bity = st.st_mode & 07777;
  return true;
}

// Makes sure the folder's entry for the renamed file reaches the disk too.
void ZapiszKatalog(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

int OtworzDoOdczytu(const std::filesystem::path& nazwa) {
  const int fd = ::open(nazwa.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) Blad("nie można otworzyć pliku " + Utf8Sciezki(nazwa));
  return fd;
}

int UtworzDoZapisu(const std::filesystem::path& nazwa) {
  const int fd = ::open(nazwa.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) Blad("nie można utworzyć pliku " + Utf8Sciezki(nazwa));
  return fd;
}

int64_t RozmiarZwyklegoPliku(int fd) {
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return st.st_size;
}

size_t CzytajOd(int fd, int64_t odkad, void* bufor, size_t liczba) {
  auto* p = static_cast<unsigned char*>(bufor);
  size_t razem = 0;
  while (razem < liczba) {
    const ssize_t n = ::pread(fd, p + razem, liczba - razem, odkad + static_cast<int64_t>(razem));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    razem += static_cast<size_t>(n);
  }
  return razem;
}

void ZapiszWszystko(int fd, const void* bufor, size_t liczba) {
  const auto* p = static_cast<const unsigned char*>(bufor);
  while (liczba > 0) {
    const ssize_t n = ::write(fd, p, liczba);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      Blad("zapis niepełny");
    }
    p += n;
    liczba -= static_cast<size_t>(n);
  }
}

void PrzewinNaPoczatek(int fd) {
  if (::lseek(fd, 0, SEEK_SET) != 0) Blad("zapis pliku nie powiódł się");
}

bool ZamknijPlik(int fd) { return ::close(fd) == 0; }

TPlikZastepczy::TPlikZastepczy(const std::filesystem::path& cel) : cel_(MiejscePliku(cel)) {
  mode_t bity = 0;
  const bool jestCel = BityCelu(cel_, bity);
  for (int proba = 0; proba < 100 && fd_ < 0; ++proba) {
    nazwa_ = cel_;
    nazwa_ += ".velmor-" + LosowyPrzyrostek();
    fd_ = ::open(nazwa_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST) Blad("nie można utworzyć pliku " + Utf8Sciezki(cel_));
  }
  if (fd_ < 0) Blad("nie można utworzyć pliku " + Utf8Sciezki(cel_));
  if (jestCel && ::fchmod(fd_, bity) != 0) {
    const int e = errno;
    Porzuc();
    errno = e;
    Blad("nie można ustawić praw pliku " + Utf8Sciezki(cel_));
  }
}

TPlikZastepczy::~TPlikZastepczy() { Porzuc(); }

void TPlikZastepczy::Porzuc() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!nazwa_.empty()) ::unlink(nazwa_.c_str());
  nazwa_.clear();
}

void TPlikZastepczy::Zatwierdz() {
  if (fd_ < 0) throw EStrumien("plik zamknięty");
  if (::fsync(fd_) != 0) Blad("zapis na dysk nie powiódł się");
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) Blad("zapis pliku nie powiódł się");
  if (::rename(nazwa_.c_str(), cel_.c_str()) != 0)
    Blad("nie można zastąpić pliku " + Utf8Sciezki(cel_));
  nazwa_.clear();
  ZapiszKatalog(cel_.parent_path());
}

}  // namespace velmor
