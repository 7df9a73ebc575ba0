// The exchange file as Windows programs meet it: held open by another program, read-only, on a
// full disk, at a long path. Runs under Wine. The read-only and full-disk cases need what
// wine_file_modes_test.sh sets up, and are skipped without it.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

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

// Holds the file open without sharing it for `hold`, as a virus scanner, a backup tool or a sync
// client may. Windows checks sharing between handles, not programs, so a thread serves.
std::thread HoldOpen(const fs::path& file, std::chrono::milliseconds hold) {
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_NE(handle, INVALID_HANDLE_VALUE);
  return std::thread([handle, hold] {
    std::this_thread::sleep_for(hold);
    CloseHandle(handle);
  });
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
    std::optional<FileFailure> failure;
  };
  const Case cases[] = {
      {"read while held shortly", false, 500ms, std::nullopt},
      {"write while held shortly", true, 500ms, std::nullopt},
      {"write while held past the wait: the file can be neither written nor deleted", true,
       kLockedFileWait + 2000ms, FileFailure::kHeldByAnotherProgram},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder_.Write("JWC_TEMP.TXT", kHostInput);
    std::thread holder = HoldOpen(Exchange(), c.hold);
    ExchangeState state;
    const auto start = std::chrono::steady_clock::now();
    const FileResult done =
        c.write ? WriteBackExchangeFile(state, Exchange()) : ReadExchangeFile(state, Exchange());
    const auto waited = std::chrono::steady_clock::now() - start;
    holder.join();
    EXPECT_EQ(done.Failure(), c.failure);
    EXPECT_EQ(state.HkAngle, c.write ? 0.0 : 5.0);
    EXPECT_LT(waited, kLockedFileWait + 1500ms);
    EXPECT_EQ(test::ReadBytes(Exchange()), c.write && done ? "hq\r\n" : kHostInput);
  }
}

// A viewer that maps the file keeps it from being cut short: the answer waits for a Retry after
// the viewer lets go, and nothing of the failed attempt may still hold the file then.
TEST_F(WindowsFile, AFileAnotherProgramMapsIsWrittenOnceItLetsGo) {
  folder_.Write("JWC_TEMP.TXT", kHostInput);
  const HANDLE viewer = CreateFileW(Exchange().c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  const HANDLE mapping = CreateFileMappingW(viewer, nullptr, PAGE_READONLY, 0, 0, nullptr);
  const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(WriteBackExchangeFile(ExchangeState{}, Exchange()).Failure(),
            FileFailure::kHeldByAnotherProgram);
  UnmapViewOfFile(view);
  CloseHandle(mapping);
  CloseHandle(viewer);
  EXPECT_TRUE(WriteBackExchangeFile(ExchangeState{}, Exchange()));
  EXPECT_EQ(test::ReadBytes(Exchange()), "hq\r\n");
}

TEST_F(WindowsFile, WhatIsAtTheNameIsTold) {
  const fs::path folder = folder_ / "JWC_TEMP.TXT";
  const fs::path gone = folder_ / "gone" / "JWC_TEMP.TXT";
  fs::create_directory(folder);
  ExchangeState state;
  EXPECT_EQ(ReadExchangeFile(state, folder_ / "none").Failure(), FileFailure::kNothingThere);
  EXPECT_EQ(ReadExchangeFile(state, gone).Failure(), FileFailure::kNothingThere);
  EXPECT_EQ(WriteBackExchangeFile(state, gone).Failure(), FileFailure::kNothingThere);
  EXPECT_EQ(ReadExchangeFile(state, folder).Failure(), FileFailure::kNotARegularFile);
  EXPECT_EQ(WriteBackExchangeFile(state, folder).Failure(), FileFailure::kNotARegularFile);
  EXPECT_TRUE(fs::is_directory(folder));
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
    EXPECT_EQ(WriteBackExchangeFile(ExchangeState{}, file).Failure(), FileFailure::kDiskFull)
        << existing;
    EXPECT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES) << existing;
  }
}

}  // namespace
}  // namespace morven::exchange
