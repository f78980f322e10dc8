#pragma once
// The disk layer: the platform's file calls behind one seam (dysk_posix.cpp,
// dysk_windows.cpp), and a save's new file written in full beside its target
// and only then put in its place. Files are the C runtime's descriptors on
// both platforms. Every failure raises EStrumien with the system's reason.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace velmor {

// The file a path stands for once its symbolic links are followed; the path
// itself when it is no link. Raises EStrumien on a loop of links.
std::filesystem::path MiejscePliku(const std::filesystem::path& p);

// Eight random letters and digits: the tail of a new file's unique name.
std::string LosowyPrzyrostek();

// Opens a file for reading, without blocking on a pipe with no writer.
int OtworzDoOdczytu(const std::filesystem::path& nazwa);
// Creates a file anew for writing (an existing one is truncated).
int UtworzDoZapisu(const std::filesystem::path& nazwa);
// The size of the open file, or -1 when it is no regular file.
int64_t RozmiarZwyklegoPliku(int fd);
// Up to `liczba` bytes from offset `odkad`; fewer at the end or on failure.
size_t CzytajOd(int fd, int64_t odkad, void* bufor, size_t liczba);
// Writes `liczba` bytes at the file's position, retrying short writes.
void ZapiszWszystko(int fd, const void* bufor, size_t liczba);
void PrzewinNaPoczatek(int fd);
// False when the system reports a failure at the close.
bool ZamknijPlik(int fd);

// A replacement of `cel`. The new file is created under a unique name in the
// folder of the target's real place (a target that is a symbolic link is
// replaced where it points, the link stays), exclusively, with the old
// target's permissions or attributes. Until `Zatwierdz` succeeds the target
// is untouched; the destructor removes the new file otherwise.
class TPlikZastepczy {
 public:
  explicit TPlikZastepczy(const std::filesystem::path& cel);
  ~TPlikZastepczy();
  TPlikZastepczy(const TPlikZastepczy&) = delete;
  TPlikZastepczy& operator=(const TPlikZastepczy&) = delete;

  int Deskryptor() const { return fd_; }
  const std::filesystem::path& Nazwa() const { return nazwa_; }
  // The target's real place.
  const std::filesystem::path& Cel() const { return cel_; }

  // Forces the data to the disk, closes the file and puts it in the target's
  // place in one step.
  void Zatwierdz();

 private:
  void Porzuc();  // closes and removes the new file, if any

  std::filesystem::path cel_, nazwa_;
  int fd_ = -1;
};

}  // namespace velmor
