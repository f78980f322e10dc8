// velmor-cli as a POSIX process: failed file operations injected through
// LD_PRELOAD, a save killed half way, its memory, pipes and devices.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "cli.h"
#include "core/document/dokument.h"

using namespace velmor::testy;

namespace {

// velmor-cli with chosen file operations failing (see tests/awaria).
class CliFault : public Cli {
 protected:
  TWynik Awaria(const std::string& awaria, const std::string& argumenty) {
    return Uruchom(argumenty, "VELMOR_AWARIA=" + awaria + " VELMOR_AWARIA_ZNAK=" + P("znak") +
                                  " LD_PRELOAD=" + VELMOR_AWARIA +
                                  " ASAN_OPTIONS=verify_asan_link_order=0");
  }
  bool Wystapila() {
    const bool jest = std::filesystem::exists(folder / "znak");
    std::filesystem::remove(folder / "znak");
    return jest;
  }
};

}  // namespace

TEST_F(CliFault, EveryFailedFileOperationOfASaveIsExitThreeAndKeepsTheTarget) {
  std::filesystem::create_directory(folder / "p");
  const TBajty stary = CzytajPlik(przyklady / "demo.vlm");
  for (const std::string op : {"create", "write", "fsync", "close", "rename"}) {
    int n = 1;
    for (;; ++n) {
      ZapiszPlik(folder / "p" / "plan.vlm", stary);
      const TWynik w = Awaria(op + ":" + std::to_string(n), "fill " + P("p/plan.vlm"));
      if (!Wystapila()) {
        EXPECT_EQ(w.Kod, 0) << op << n;
        EXPECT_NE(CzytajPlik(folder / "p" / "plan.vlm"), stary);
        break;
      }
      EXPECT_EQ(w.Kod, 3) << op << n;
      EXPECT_EQ(Linie(w.Bledy).at(0), " Zapis danych do archiwum nie powiódł się") << op << n;
      EXPECT_NE(w.Bledy.find("plan.vlm"), std::string::npos) << w.Bledy;
      EXPECT_EQ(CzytajPlik(folder / "p" / "plan.vlm"), stary) << op << n;
      EXPECT_EQ(PlikiFolderu(folder / "p"), std::vector<std::string>{"plan.vlm"}) << op << n;
    }
    EXPECT_GT(n, 1) << op << " never failed";
  }
}

TEST_F(CliFault, KilledSaveLeavesTheTargetIntact) {
  const TBajty stary = CzytajPlik(przyklady / "demo.vlm");
  ZapiszPlik(folder / "plan.vlm", stary);
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("VELMOR_AWARIA", "write:2:stop", 1);  // the body is written, the directory not
    setenv("VELMOR_AWARIA_ZNAK", P("znak").c_str(), 1);
    setenv("LD_PRELOAD", VELMOR_AWARIA, 1);
    setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 1);
    execl(VELMOR_CLI, VELMOR_CLI, "fill", P("plan.vlm").c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  for (int i = 0; i < 1000 && !std::filesystem::exists(folder / "znak"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  kill(pid, SIGKILL);
  int stan = 0;
  waitpid(pid, &stan, 0);
  EXPECT_TRUE(WIFSIGNALED(stan));
  EXPECT_EQ(CzytajPlik(folder / "plan.vlm"), stary);
  EXPECT_EQ(Uruchom("info " + P("plan.vlm")).Kod, 0);
}

TEST_F(Cli, OpenNeedsLittleMoreMemoryThanTheFile) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "memory is not measured under AddressSanitizer";
#endif
  // A teacher with four million empty slot lists: the shape that costs the
  // most memory for its bytes.
  velmor::TDokument d;
  d.Nauczyciele.ZmienRozmiar(1);
  d.Nauczyciele[0].Dyspozycja.Pozycje.resize(4'000'000);
  ASSERT_TRUE(d.ZapiszPlik(folder / "duzy.vlm"));
  const auto rozmiar = static_cast<long>(std::filesystem::file_size(folder / "duzy.vlm"));
  const pid_t pid = fork();
  if (pid == 0) {
    const int zero = open("/dev/null", O_WRONLY);
    dup2(zero, 1);
    execl(VELMOR_CLI, VELMOR_CLI, "info", P("duzy.vlm").c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int stan = 0;
  rusage zuzycie{};
  wait4(pid, &stan, 0, &zuzycie);
  ASSERT_TRUE(WIFEXITED(stan) && WEXITSTATUS(stan) == 0);
  EXPECT_LE(zuzycie.ru_maxrss * 1024, 3 * rozmiar + (8 << 20)) << "file " << rozmiar;
}

TEST_F(Cli, OnlyRegularFilesAreOpened) {
  std::filesystem::create_directory(folder / "katalog.vlm");
  ASSERT_EQ(mkfifo(P("rura.vlm").c_str(), 0600), 0);
  for (const std::string& plik : {P("katalog.vlm"), P("rura.vlm"), std::string("/dev/zero")}) {
    const TWynik w = Uruchom("info " + plik);
    EXPECT_EQ(w.Kod, 1) << plik;
    EXPECT_EQ(Linie(w.Bledy), (std::vector<std::string>{" Odczyt danych z archiwum nie powiódł się",
                                                        "to nie jest zwykły plik: " + plik}));
  }
  // Section offsets are 32-bit: a larger file is no plan.
  std::filesystem::copy_file(przyklady / "demo.vlm", folder / "wielki.vlm");
  std::filesystem::resize_file(folder / "wielki.vlm", (uintmax_t{1} << 31) + 1);
  EXPECT_EQ(Uruchom("info " + P("wielki.vlm")).Kod, 1);
  std::filesystem::resize_file(folder / "wielki.vlm", uintmax_t{1} << 31);
  EXPECT_EQ(Uruchom("info " + P("wielki.vlm")).Kod, 0);
}

namespace {

class EksportFault : public CliFault {};

}  // namespace

TEST_F(EksportFault, AFailedCalendarExportLeavesTheFolderAsItWas) {
  ASSERT_EQ(Uruchom("fill " + Demo("demo.vlm") + " -o " + P("plan.vlm")).Kod, 0);
  std::filesystem::create_directory(folder / "k");
  const std::string stary = "stary kalendarz\r\n";
  for (const std::string op : {"create", "write", "fsync", "close", "rename"}) {
    int n = 1;
    for (;; ++n) {
      std::filesystem::remove_all(folder / "k");
      std::filesystem::create_directory(folder / "k");
      std::ofstream(folder / "k" / "Nowak_Anna.ics") << stary;
      const TWynik w = Awaria(op + ":" + std::to_string(n),
                              "export " + P("plan.vlm") + " --format ics -o " + P("k"));
      const std::vector<std::string> pliki = PlikiFolderu(folder / "k");
      if (!Wystapila()) {
        EXPECT_EQ(w.Kod, 0) << op << n;
        EXPECT_GT(pliki.size(), 20u);
        break;
      }
      EXPECT_EQ(w.Kod, 3) << op << n;
      EXPECT_EQ(Linie(w.Bledy).at(0), " Zapis danych do archiwum nie powiódł się") << op << n;
      // All or none: the folder is as it was.
      EXPECT_EQ(pliki, std::vector<std::string>{"Nowak_Anna.ics"}) << op << n;
      EXPECT_EQ(Tekst(folder / "k" / "Nowak_Anna.ics"), stary) << op << n;
    }
    EXPECT_GT(n, 1) << op << " never failed";
  }
}
