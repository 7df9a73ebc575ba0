#include "host/program_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/host_error.h"
#include "host/tests/test_files.h"

namespace {

using morven::host::BuildProgramCommand;
using morven::host::ProgramCommand;

TEST(ProgramCommandTest, WindowsProgramsRunThroughWine) {
  struct Case {
    const char* name;
    std::string program;
    std::vector<std::string> environment;
    std::vector<std::string> argv;
    std::vector<std::string> expectedEnvironment;
    std::optional<std::string> prefix;  // to be created
  };
  const std::string kPrefix = "WINEPREFIX=/home/u/.cache/morven/wine-prefix";
  const Case cases[] = {
      {"any case of .EXE; WINEDEBUG replaced where it stood",
       "/opt/m/MORVEN.Exe",
       {"WINEDEBUG=+all", "HOME=/home/u"},
       {"wine", "/opt/m/MORVEN.Exe"},
       {"WINEDEBUG=-all", "HOME=/home/u", kPrefix},
       "/home/u/.cache/morven/wine-prefix"},
      {"XDG_CACHE_HOME before HOME",
       "/opt/m/morven.exe",
       {"HOME=/home/u", "XDG_CACHE_HOME=/var/cache/u"},
       {"wine", "/opt/m/morven.exe"},
       {"HOME=/home/u", "XDG_CACHE_HOME=/var/cache/u", "WINEDEBUG=-all",
        "WINEPREFIX=/var/cache/u/morven/wine-prefix"},
       "/var/cache/u/morven/wine-prefix"},
      {"a relative XDG_CACHE_HOME does not count",
       "/opt/m/morven.exe",
       {"XDG_CACHE_HOME=cache", "HOME=/home/u"},
       {"wine", "/opt/m/morven.exe"},
       {"XDG_CACHE_HOME=cache", "HOME=/home/u", "WINEDEBUG=-all", kPrefix},
       "/home/u/.cache/morven/wine-prefix"},
      {"the user's own WINEPREFIX is kept and not created",
       "/opt/m/morven.exe",
       {"WINEPREFIX=/w", "HOME=/home/u"},
       {"wine", "/opt/m/morven.exe"},
       {"WINEPREFIX=/w", "HOME=/home/u", "WINEDEBUG=-all"},
       std::nullopt},
      {"an empty WINEPREFIX counts as none",
       "/opt/m/morven.exe",
       {"WINEPREFIX=", "HOME=/home/u"},
       {"wine", "/opt/m/morven.exe"},
       {kPrefix, "HOME=/home/u", "WINEDEBUG=-all"},
       "/home/u/.cache/morven/wine-prefix"},
      {"a name that only looks like one",
       "/opt/m/morven.exe.bak",
       {"WINEPREFIXES=/x", "HOME=/home/u"},
       {"/opt/m/morven.exe.bak"},
       {"WINEPREFIXES=/x", "HOME=/home/u"},
       std::nullopt},
      {"a folder named .exe does not make a Windows program",
       "/opt/m.exe/morven",
       {},
       {"/opt/m.exe/morven"},
       {},
       std::nullopt},
  };
  for (const Case& c : cases) {
    const ProgramCommand command = BuildProgramCommand(c.program, c.environment);
    EXPECT_EQ(command.Argv, c.argv) << c.name;
    EXPECT_EQ(command.Environment, c.expectedEnvironment) << c.name;
    EXPECT_EQ(command.WinePrefix ? std::optional<std::string>(command.WinePrefix->string())
                                 : std::nullopt,
              c.prefix)
        << c.name;
  }
}

TEST(ProgramCommandTest, NoPlaceForAWinePrefix) {
  EXPECT_THROW(BuildProgramCommand("/opt/m/morven.exe", {"PATH=/bin", "HOME=relative"}),
               morven::host::HostError);
}

TEST(ProgramCommandTest, TheDialogNeedsADisplay) {
  struct Case {
    const char* program;
    std::vector<std::string> environment;
    bool starts;
  };
  const Case cases[] = {
      {"/opt/m/morven", {"DISPLAY=:1"}, true},
      {"/opt/m/morven", {"DISPLAY=", "WAYLAND_DISPLAY=wayland-0"}, true},
      {"/opt/m/morven", {"HOME=/home/u", "DISPLAYS=:1"}, false},
      {"/opt/m/morven", {"DISPLAY=", "WAYLAND_DISPLAY="}, false},
      {"/opt/m/morven.exe", {"DISPLAY=:1"}, true},
      {"/opt/m/morven.exe", {"WAYLAND_DISPLAY=wayland-0"}, false},  // Wine draws through X11
  };
  for (const Case& c : cases) {
    bool started = true;
    try {
      morven::host::RequireDisplay(c.program, c.environment);
    } catch (const morven::host::HostError& e) {
      started = false;
      EXPECT_NE(std::string(e.what()).find(" host/press_enter_headless.sh "), std::string::npos);
    }
    EXPECT_EQ(started, c.starts) << c.program << " " << c.environment.back();
  }
}

TEST(ProgramCommandTest, AWindowsProgramNeedsNoExecuteBit) {
  morven::host::test::TempDir dir;
  const std::string exe = dir.Write("MORVEN.EXE", "MZ");
  EXPECT_EQ(morven::host::CheckProgram(exe), std::filesystem::canonical(exe));
}

}  // namespace
