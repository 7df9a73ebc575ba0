// The exchange file as Windows programs meet it: held open by another program, read-only, on a
// full disk, at a long path. Runs under Wine. The read-only and full-disk cases need what
// exchange/tests/wine_file_modes_test.sh sets up (a Wine server without root's permission
// override, a full file system) and are skipped without it.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "exchange/exchange_state.h"
#include "exchange/locked_file_wait.h"
#include "exchange/reader.h"
#include "exchange/tests/temp_folder.h"
#include "exchange/write_back.h"

namespace morven::exchange {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr char kHostInput[] = "hk 5\r\n";

// Set by wine_file_modes_test.sh: its Wine server runs without root's permission override, and
// the folder (a Unix path) is on a file system that is full.
constexpr char kNoOverrideVariable[] = "MORVEN_TEST_NO_OVERRIDE";
constexpr char kFullFolderVariable[] = "MORVEN_TEST_FULL_FOLDER";

fs::path ProgramFolder() {
  std::wstring name(32768, L'\0');
  name.resize(GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size())));
  return fs::path(name).parent_path();
}

// Another program that holds the file open without sharing it for `hold` from its start on.
class FileHolder {
 public:
  FileHolder(const fs::path& file, std::chrono::milliseconds hold) {
    std::wstring command = L"\"" + (ProgramFolder() / L"exchange_file_holder.exe").native() +
                           L"\" \"" + file.native() + L"\" " + std::to_wstring(hold.count());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
      return;
    }
    CloseHandle(process_.hThread);
    // Started once the file can no longer be opened; Wine may take seconds to start a program.
    for (int tries = 0; tries < 3000 && !holding_; ++tries) {
      const HANDLE probe = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
      holding_ = probe == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION;
      if (!holding_ && WaitForSingleObject(process_.hProcess, 10) == WAIT_OBJECT_0) return;
    }
  }
  ~FileHolder() {
    if (process_.hProcess == nullptr) return;
    WaitForSingleObject(process_.hProcess, INFINITE);
    CloseHandle(process_.hProcess);
  }
  FileHolder(const FileHolder&) = delete;
  FileHolder& operator=(const FileHolder&) = delete;

  bool Holding() const { return holding_; }

 private:
  PROCESS_INFORMATION process_{};
  bool holding_ = false;
};

class WindowsFile : public ::testing::Test {
 protected:
  fs::path Exchange() const { return folder_ / "JWC_TEMP.TXT"; }

  test::TempFolder folder_;
};

TEST_F(WindowsFile, HeldOpenByAnotherProgram) {
  struct Case {
    const char* name;
    bool write;
    std::chrono::milliseconds hold;
    bool done;
  };
  const Case cases[] = {
      {"read while held shortly", false, 500ms, true},
      {"write while held shortly", true, 500ms, true},
      {"write while held past the wait: the file cannot be touched", true, kLockedFileWait + 2000ms,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder_.Write("JWC_TEMP.TXT", kHostInput);
    ExchangeState state;
    std::chrono::steady_clock::duration waited{};
    bool done = false;
    {
      const FileHolder holder(Exchange(), c.hold);
      ASSERT_TRUE(holder.Holding());
      const auto start = std::chrono::steady_clock::now();
      done = c.write ? WriteBackExchangeFile(state, Exchange())
                     : ReadExchangeFile(state, Exchange()) && state.HkAngle == 5.0;
      waited = std::chrono::steady_clock::now() - start;
    }
    EXPECT_EQ(done, c.done);
    EXPECT_LT(waited, kLockedFileWait + 1500ms);
    EXPECT_EQ(test::ReadBytes(Exchange()), c.write && c.done ? "hq\r\n" : kHostInput);
  }
}

TEST_F(WindowsFile, ALongPathIsReadAndWritten) {
  const fs::path folder =
      folder_ / std::string(100, 'a') / std::string(100, 'b') / std::string(100, 'c');
  const fs::path file = folder_.Write(folder / "JWC_TEMP.TXT", kHostInput);
  ASSERT_GT(file.native().size(), 300u);
  ExchangeState state;
  EXPECT_TRUE(ReadExchangeFile(state, file));
  EXPECT_EQ(state.HkAngle, 5.0);
  EXPECT_TRUE(WriteBackExchangeFile(ExchangeState{}, file));
  EXPECT_EQ(test::ReadBytes(file), "hq\r\n");
}

// True when this process may write a read-only file all the same (root's override under Wine).
bool ReadOnlyIsOverridden(const fs::path& file) {
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}

DWORD Attributes(const fs::path& file) {
  return GetFileAttributesW(file.c_str());
}

TEST_F(WindowsFile, AReadOnlyFileGetsItsAnswer) {
  folder_.Write("JWC_TEMP.TXT", kHostInput);
  ASSERT_TRUE(
      SetFileAttributesW(Exchange().c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  if (ReadOnlyIsOverridden(Exchange())) {
    SetFileAttributesW(Exchange().c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(std::getenv(kNoOverrideVariable), nullptr) << "a read-only file could be written";
    GTEST_SKIP() << "root may write a read-only file here: wine_file_modes_test.sh runs this";
  }
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  const DWORD before = Attributes(Exchange());
  EXPECT_TRUE(WriteBackExchangeFile(ExchangeState{}, Exchange()));
  EXPECT_EQ(test::ReadBytes(Exchange()), "hq\r\n");
  EXPECT_EQ(Attributes(Exchange()) & (kKept | FILE_ATTRIBUTE_READONLY), before & kKept);
}

TEST_F(WindowsFile, AFullDiskLeavesNoFile) {
  const char* const unixFolder = std::getenv(kFullFolderVariable);
  if (unixFolder == nullptr) {
    GTEST_SKIP() << "no full disk here: wine_file_modes_test.sh runs this on a full tmpfs";
  }
  std::string dosFolder = std::string("Z:") + unixFolder;
  for (char& c : dosFolder) c = c == '/' ? '\\' : c;
  const fs::path file = fs::path(dosFolder) / "JWC_TEMP.TXT";
  const ExchangeState hq;
  ExchangeState longAnswer;
  for (int i = 0; i < 100; ++i) longAnswer.CommandBuffer.Append({std::string(200, 'x')});
  struct Case {
    const char* name;
    std::optional<DWORD> existing;  // the attributes of an empty host file, if any
    const ExchangeState* state;
  };
  const Case cases[] = {
      {"hq into a new file: only the final flush fails", std::nullopt, &hq},
      {"hq into a read-only file", FILE_ATTRIBUTE_READONLY, &hq},
      {"an answer longer than the stream's buffer", FILE_ATTRIBUTE_NORMAL, &longAnswer},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.existing) {
      std::ofstream(file, std::ios::binary).close();
      ASSERT_TRUE(SetFileAttributesW(file.c_str(), *c.existing));
    }
    EXPECT_FALSE(WriteBackExchangeFile(*c.state, file));
    EXPECT_EQ(Attributes(file), INVALID_FILE_ATTRIBUTES);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(file.c_str());
  }
}

}  // namespace
}  // namespace morven::exchange
