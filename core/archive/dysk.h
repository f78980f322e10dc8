#pragma once
// The disk layer of a save: a new file written in full beside its target and
// only then put in its place.
#include <filesystem>

namespace velmor {

// The file a path stands for once its symbolic links are followed; the path
// itself when it is no link. Raises EStrumien on a loop of links.
std::filesystem::path MiejscePliku(const std::filesystem::path& p);

// A replacement of `cel`. The new file is created under a unique name in the
// folder of the target's real place (a target that is a symbolic link is
// replaced where it points, the link stays), exclusively and without
// following links, with the old target's permission bits. Until `Zatwierdz`
// succeeds the target is untouched; the destructor removes the new file
// otherwise. Every failure raises EStrumien.
class TPlikZastepczy {
 public:
  explicit TPlikZastepczy(const std::filesystem::path& cel);
  ~TPlikZastepczy();
  TPlikZastepczy(const TPlikZastepczy&) = delete;
  TPlikZastepczy& operator=(const TPlikZastepczy&) = delete;

  int Deskryptor() const { return fd_; }
  const std::filesystem::path& Nazwa() const { return nazwa_; }

  // Forces the data to the disk, closes the file and renames it over the target.
  void Zatwierdz();

 private:
  void Porzuc();  // closes and removes the new file, if any

  std::filesystem::path cel_, nazwa_;
  int fd_ = -1;
};

// Writes `liczba` bytes at the file's position, retrying short writes;
// raises EStrumien on failure.
void ZapiszWszystko(int fd, const void* bufor, size_t liczba);

}  // namespace velmor
