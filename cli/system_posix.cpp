#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "cli/system.h"

namespace velmor::cli {

const char* const kPlikProgramuGui = "velmor";

std::vector<std::string> ArgumentyProgramu(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

void UstawKonsole() {}

std::filesystem::path FolderProgramu() {
  std::error_code blad;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", blad);
  return blad ? std::filesystem::path() : program.parent_path();
}

std::optional<std::string> ZmiennaSrodowiska(const char* nazwa) {
  const char* wartosc = std::getenv(nazwa);
  if (!wartosc) return std::nullopt;
  return std::string(wartosc);
}

int UruchomIZaczekaj(const std::vector<std::string>& argumenty) {
  std::vector<std::string> kopia = argumenty;
  std::vector<char*> argv;
  for (std::string& x : kopia) argv.push_back(x.data());
  argv.push_back(nullptr);
  const pid_t dziecko = fork();
  if (dziecko == 0) {
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int stan = 0;
  if (dziecko < 0 || waitpid(dziecko, &stan, 0) < 0 || !WIFEXITED(stan)) return -1;
  return WEXITSTATUS(stan);
}

}  // namespace velmor::cli
