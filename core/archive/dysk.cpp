#include "core/archive/dysk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#include "core/archive/bledy.h"

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

std::string Przyrostek() {
  static std::mt19937_64 los{std::random_device{}() ^ static_cast<uint64_t>(::getpid())};
  static const char kZnaki[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string s(8, ' ');
  for (char& c : s) c = kZnaki[los() % (sizeof(kZnaki) - 1)];
  return s;
}

// Makes sure the folder's entry for the renamed file reaches the disk too.
void ZapiszKatalog(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::filesystem::path MiejscePliku(const std::filesystem::path& p) {
  std::filesystem::path wynik = p;
  for (int skok = 0; skok < 40; ++skok) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(wynik, ec)) return wynik;
    const std::filesystem::path cel = std::filesystem::read_symlink(wynik, ec);
    if (ec) throw EStrumien("nie można odczytać dowiązania: " + wynik.string());
    wynik = cel.is_absolute() ? cel : wynik.parent_path() / cel;
  }
  throw EStrumien("pętla dowiązań: " + p.string());
}

TPlikZastepczy::TPlikZastepczy(const std::filesystem::path& cel) : cel_(MiejscePliku(cel)) {
  mode_t bity = 0;
  const bool jestCel = BityCelu(cel_, bity);
  for (int proba = 0; proba < 100 && fd_ < 0; ++proba) {
    nazwa_ = cel_;
    nazwa_ += ".velmor-" + Przyrostek();
    fd_ = ::open(nazwa_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST) Blad("nie można utworzyć pliku " + nazwa_.string());
  }
  if (fd_ < 0) Blad("nie można utworzyć pliku " + nazwa_.string());
  if (jestCel && ::fchmod(fd_, bity) != 0) {
    const int e = errno;
    Porzuc();
    errno = e;
    Blad("nie można ustawić praw pliku " + cel_.string());
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
    Blad("nie można zastąpić pliku " + cel_.string());
  nazwa_.clear();
  ZapiszKatalog(cel_.parent_path());
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

}  // namespace velmor
