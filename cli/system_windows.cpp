#include <windows.h>
// After windows.h:
#include <shellapi.h>

#include "cli/system.h"
#include "core/archive/sciezka.h"

namespace velmor::cli {

const char* const kPlikProgramuGui = "velmor.exe";
namespace {

std::string Utf8Z(const wchar_t* w) { return Utf8Sciezki(std::filesystem::path(w)); }

// One argument as the C runtime splits a command line back: quotes around
// it when it holds a blank or a quote, backslashes before a quote doubled.
std::wstring Zacytowany(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring wynik = L"\"";
  size_t ukosniki = 0;
  for (const wchar_t z : arg) {
    if (z == L'\\') {
      ++ukosniki;
      continue;
    }
    wynik.append(z == L'"' ? 2 * ukosniki + 1 : ukosniki, L'\\');
    ukosniki = 0;
    wynik += z;
  }
  wynik.append(2 * ukosniki, L'\\');
  return wynik + L"\"";
}

}  // namespace

std::vector<std::string> ArgumentyProgramu(int, char**) {
  int liczba = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &liczba);
  std::vector<std::string> wynik;
  for (int i = 1; i < liczba; ++i) wynik.push_back(Utf8Z(argv[i]));
  LocalFree(argv);
  return wynik;
}

void UstawKonsole() { SetConsoleOutputCP(CP_UTF8); }

std::filesystem::path FolderProgramu() {
  std::wstring nazwa(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, nazwa.data(), static_cast<DWORD>(nazwa.size()));
  if (n == 0 || n >= nazwa.size()) return {};
  nazwa.resize(n);
  return std::filesystem::path(nazwa).parent_path();
}

std::optional<std::string> ZmiennaSrodowiska(const char* nazwa) {
  const std::wstring w = SciezkaZUtf8(nazwa).wstring();
  const DWORD n = GetEnvironmentVariableW(w.c_str(), nullptr, 0);
  if (n == 0) return std::nullopt;
  std::wstring wartosc(n, L'\0');
  wartosc.resize(GetEnvironmentVariableW(w.c_str(), wartosc.data(), n));
  return Utf8Sciezki(std::filesystem::path(wartosc));
}

int UruchomIZaczekaj(const std::vector<std::string>& argumenty) {
  std::wstring wiersz;
  for (const std::string& a : argumenty)
    wiersz += (wiersz.empty() ? L"" : L" ") + Zacytowany(SciezkaZUtf8(a).wstring());
  STARTUPINFOW start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION proces{};
  if (!CreateProcessW(nullptr, wiersz.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start,
                      &proces))
    return 127;
  WaitForSingleObject(proces.hProcess, INFINITE);
  DWORD kod = 0;
  const bool jest = GetExitCodeProcess(proces.hProcess, &kod);
  CloseHandle(proces.hThread);
  CloseHandle(proces.hProcess);
  return jest ? static_cast<int>(kod) : -1;
}

}  // namespace velmor::cli
