// The exchange file as Windows programs meet it: held open by another program, read-only, on a
// full disk, at a long path. Runs under Wine. The read-only and full-disk cases need what
// wine_file_modes_test.sh sets up, and are skipped without it.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

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

// Started by another program that holds `file` open without sharing it for `hold`; returns once
// the file is held (nullptr when it never was). The caller waits for the process to end.
HANDLE StartHolding(const fs::path& file, std::chrono::milliseconds hold) {
  std::wstring self(32768, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  std::wstring command = L"\"" +
                         (fs::path(self).parent_path() / L"exchange_file_holder.exe").native() +
                         L"\" \"" + file.native() + L"\" " + std::to_wstring(hold.count());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  // Wine may take seconds to start a program.
  while (WaitForSingleObject(process.hProcess, 10) == WAIT_TIMEOUT) {
    const HANDLE probe = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION) {
      return process.hProcess;
    }
    if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
  }
  CloseHandle(process.hProcess);
  return nullptr;
}

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
      {"write while held past the wait: the file can be neither written nor deleted", true,
       kLockedFileWait + 2000ms, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder_.Write("JWC_TEMP.TXT", kHostInput);
    const HANDLE holder = StartHolding(Exchange(), c.hold);
    ASSERT_NE(holder, nullptr);
    ExchangeState state;
    const auto start = std::chrono::steady_clock::now();
    const bool done = c.write ? WriteBackExchangeFile(state, Exchange())
                              : ReadExchangeFile(state, Exchange()) && state.HkAngle == 5.0;
    const auto waited = std::chrono::steady_clock::now() - start;
    WaitForSingleObject(holder, INFINITE);
    CloseHandle(holder);
    EXPECT_EQ(done, c.done);
    EXPECT_LT(waited, kLockedFileWait + 1500ms);
    EXPECT_EQ(test::ReadBytes(Exchange()), c.write && c.done ? "hq\r\n" : kHostInput);
  }
}

TEST_F(WindowsFile, ALongPathIsReadAndWritten) {
  const fs::path file = folder_.Write(fs::path(std::string(100, 'a')) / std::string(100, 'b') /
                                          std::string(100, 'c') / "JWC_TEMP.TXT",
                                      kHostInput);
  ExchangeState state;
  EXPECT_TRUE(ReadExchangeFile(state, file));
  EXPECT_EQ(state.HkAngle, 5.0);
  EXPECT_TRUE(WriteBackExchangeFile(ExchangeState{}, file));
  EXPECT_EQ(test::ReadBytes(file), "hq\r\n");
}

TEST_F(WindowsFile, AReadOnlyFileGetsItsAnswer) {
  folder_.Write("JWC_TEMP.TXT", kHostInput);
  const DWORD hidden = FILE_ATTRIBUTE_HIDDEN;
  ASSERT_TRUE(SetFileAttributesW(Exchange().c_str(), FILE_ATTRIBUTE_READONLY | hidden));
  const HANDLE handle = CreateFileW(Exchange().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE) {
    CloseHandle(handle);
    SetFileAttributesW(Exchange().c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(std::getenv("MORVEN_TEST_NO_OVERRIDE"), nullptr) << "a read-only file was written";
    GTEST_SKIP() << "root may write a read-only file here; wine_file_modes_test.sh runs this";
  }
  const DWORD hiddenBefore = GetFileAttributesW(Exchange().c_str()) & hidden;  // if Wine keeps it
  EXPECT_TRUE(WriteBackExchangeFile(ExchangeState{}, Exchange()));
  EXPECT_EQ(test::ReadBytes(Exchange()), "hq\r\n");
  EXPECT_EQ(GetFileAttributesW(Exchange().c_str()) & (FILE_ATTRIBUTE_READONLY | hidden),
            hiddenBefore);
}

// The disk is full before the answer: nothing of it reaches the file before the final flush.
TEST_F(WindowsFile, AFullDiskLeavesNoFile) {
  const char* const unixFolder = std::getenv("MORVEN_TEST_FULL_FOLDER");
  if (unixFolder == nullptr) GTEST_SKIP() << "wine_file_modes_test.sh runs this on a full tmpfs";
  std::string folder = std::string("Z:") + unixFolder;
  for (char& c : folder) c = c == '/' ? '\\' : c;
  const fs::path file = fs::path(folder) / "JWC_TEMP.TXT";
  // A new file, and an empty read-only one: its attribute is cleared, and it is deleted.
  for (const DWORD existing : {DWORD{0}, DWORD{FILE_ATTRIBUTE_READONLY}}) {
    if (existing != 0) {
      CloseHandle(
          CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, existing, nullptr));
    }
    EXPECT_FALSE(WriteBackExchangeFile(ExchangeState{}, file)) << existing;
    EXPECT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES) << existing;
  }
}

}  // namespace
}  // namespace morven::exchange
