// Fault injection for the cli tests, loaded with LD_PRELOAD.
// VELMOR_AWARIA="op:N" makes the N-th call of op fail (or, with "op:N:stop",
// hang there until the process is killed); op is one of create (an open
// with O_CREAT), write, fsync, close, rename. Only writes, fsyncs and closes
// of regular files opened for writing are counted. When the fault fires the
// file named by VELMOR_AWARIA_ZNAK is created.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

int licznik;

int Pora(const char* op) {
  const char* a = getenv("VELMOR_AWARIA");
  const size_t n = std::strlen(op);
  if (!a || strncmp(a, op, n) != 0 || a[n] != ':') return 0;
  if (++licznik != atoi(a + n + 1)) return 0;
  const char* znak = getenv("VELMOR_AWARIA_ZNAK");
  if (znak) {
    int (*otworz)(const char*, int, ...) =
        reinterpret_cast<int (*)(const char*, int, ...)>(dlsym(RTLD_NEXT, "open"));
    int (*zamknij)(int) = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "close"));
    zamknij(otworz(znak, O_WRONLY | O_CREAT, 0644));
  }
  if (strstr(a + n + 1, ":stop"))
    for (;;) pause();
  return 1;
}

int ZapisywanyPlik(int fd) {
  struct stat st;
  const int tryb = fcntl(fd, F_GETFL);
  return fd > 2 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && tryb >= 0 &&
         (tryb & O_ACCMODE) != O_RDONLY;
}

#define PRAWDZIWA(typ, nazwa, ...)      \
  static typ (*prawdziwa)(__VA_ARGS__); \
  if (!prawdziwa) prawdziwa = reinterpret_cast<typ (*)(__VA_ARGS__)>(dlsym(RTLD_NEXT, nazwa))

int Otworz(const char* nazwa, const char* path, int flags, mode_t mode) {
  PRAWDZIWA(int, nazwa, const char*, int, ...);
  if ((flags & O_CREAT) && Pora("create")) {
    errno = EACCES;
    return -1;
  }
  return prawdziwa(path, flags, mode);
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
  va_list a;
  va_start(a, flags);
  const mode_t mode = (flags & O_CREAT) ? va_arg(a, mode_t) : 0;
  va_end(a);
  return Otworz("open", path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list a;
  va_start(a, flags);
  const mode_t mode = (flags & O_CREAT) ? va_arg(a, mode_t) : 0;
  va_end(a);
  return Otworz("open64", path, flags, mode);
}

ssize_t write(int fd, const void* buf, size_t n) {
  PRAWDZIWA(ssize_t, "write", int, const void*, size_t);
  if (ZapisywanyPlik(fd) && Pora("write")) {
    errno = ENOSPC;
    return -1;
  }
  return prawdziwa(fd, buf, n);
}

int fsync(int fd) {
  PRAWDZIWA(int, "fsync", int);
  if (ZapisywanyPlik(fd) && Pora("fsync")) {
    errno = EIO;
    return -1;
  }
  return prawdziwa(fd);
}

int close(int fd) {
  PRAWDZIWA(int, "close", int);
  if (ZapisywanyPlik(fd) && Pora("close")) {
    prawdziwa(fd);
    errno = EIO;
    return -1;
  }
  return prawdziwa(fd);
}

int rename(const char* z, const char* na) {
  PRAWDZIWA(int, "rename", const char*, const char*);
  if (Pora("rename")) {
    errno = EIO;
    return -1;
  }
  return prawdziwa(z, na);
}

}  // extern "C"
