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

// Holds the file open without sharing it, as a virus scanner, a backup tool or a sync client may,
// until the wait's pause numbered `letGoAt` (never at 0). Windows checks sharing between handles,
// not programs, so one of this test's serves. The wait runs on a clock that only its pauses move.
class HeldFile {
 public:
  HeldFile(const fs::path& file, int letGoAt)
      : handle_(CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)),
        letGoAt_(letGoAt) {
    EXPECT_NE(handle_, INVALID_HANDLE_VALUE);
  }
  ~HeldFile() { LetGo(); }

  WaitPacing Pacing() {
    return {[this](std::chrono::milliseconds time) {
              now_ += time;
              if (++pauses_ == letGoAt_) LetGo();
            },
            [this] { return now_; }};
  }
  int Pauses() const { return pauses_; }

 private:
  void LetGo() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
  }

  HANDLE handle_;
  int letGoAt_;
  int pauses_ = 0;
  std::chrono::steady_clock::time_point now_;
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
    int letGoAt;
    int pauses;
    std::optional<FileFailure> failure;
  };
  const Case cases[] = {
      {"read while held shortly", false, 3, 3, std::nullopt},
      {"write while held shortly", true, 3, 3, std::nullopt},
      {"write while held past the wait (60 pauses of 50 ms): neither written nor deleted", true, 0,
       60, FileFailure::kHeldByAnotherProgram},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder_.Write("JWC_TEMP.TXT", kHostInput);
    ExchangeState state;
    FileResult done;
    {
      HeldFile held(Exchange(), c.letGoAt);
      done = c.write ? WriteBackExchangeFile(state, Exchange(), held.Pacing())
                     : ReadExchangeFile(state, Exchange(), held.Pacing());
      EXPECT_EQ(held.Pauses(), c.pauses);
    }
    EXPECT_EQ(done.Failure(), c.failure);
    EXPECT_EQ(state.HkAngle, c.write ? 0.0 : 5.0);
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
