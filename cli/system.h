#pragma once
// What velmor-cli asks of the system, one source for each platform
// (system_posix.cpp, system_windows.cpp). Texts are UTF-8 on both.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmor::cli {

// The gui program's file name: velmor, or velmor.exe on Windows.
extern const char* const kPlikProgramuGui;

// The arguments after the program's name; on Windows read as UTF-16 from
// the system, whatever the console's code page.
std::vector<std::string> ArgumentyProgramu(int argc, char** argv);
// Polish text reaches a Windows console as UTF-8.
void UstawKonsole();
// The folder of velmor-cli's own executable; empty when unknown.
std::filesystem::path FolderProgramu();
std::optional<std::string> ZmiennaSrodowiska(const char* nazwa);
// Runs a program with arguments and waits: its exit code, 127 when it
// cannot be started, -1 when it did not end normally.
int UruchomIZaczekaj(const std::vector<std::string>& argumenty);

}  // namespace velmor::cli
