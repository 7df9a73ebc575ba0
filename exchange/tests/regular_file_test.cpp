// The exchange file's name may stand for something that is not a regular file: a FIFO, a device,
// a link to one of them, a folder. Such a file is never read and never written, nothing waits on
// it, and a failed write-back deletes nothing but a regular file or a symbolic link. Each check
// runs in a child process with a time limit, so that a regression fails instead of hanging.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "exchange/exchange_state.h"
#include "exchange/reader.h"
#include "exchange/tests/child_process.h"
#include "exchange/tests/permission_override.h"
#include "exchange/tests/temp_folder.h"
#include "exchange/write_back.h"

namespace morven::exchange {
namespace {

namespace fs = std::filesystem;
using test::DropPermissionOverride;
using test::InChildWithin;

constexpr unsigned kSecondsAllowed = 10;

class SpecialFiles : public ::testing::Test {
 protected:
  fs::path Exchange() const { return folder_ / "JWC_TEMP.TXT"; }

  fs::path MakeFifo(const char* name) const {
    const fs::path path = folder_ / name;
    EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
    return path;
  }

  static ExchangeState WithEntries(const std::vector<CommandEntry>& entries) {
    ExchangeState state;
    for (const CommandEntry& e : entries) state.CommandBuffer.Append(e);
    return state;
  }

  test::TempFolder folder_;
};

// ReadExchangeFile fails at once for that reason, and the state keeps what it had.
bool RefusedUntouched(const fs::path& path, FileFailure why = FileFailure::kNotARegularFile) {
  ExchangeState state;
  state.HkAngle = 12.0;
  const FileResult read = ReadExchangeFile(state, path);
  if (read.Failure() != why || state.HkAngle != 12.0 || state.OrderList.size() != 0) {
    std::fprintf(stderr, "%s was read (angle %g)\n", path.c_str(), state.HkAngle);
    return false;
  }
  return true;
}

TEST_F(SpecialFiles, AFifoIsNotRead) {
  MakeFifo("JWC_TEMP.TXT");
  // Not even opened: a writer waiting for a reader would be let through, into a pipe that closes.
  const int watch = ::inotify_init1(IN_NONBLOCK);
  ASSERT_GE(::inotify_add_watch(watch, Exchange().c_str(), IN_OPEN), 0);
  EXPECT_TRUE(InChildWithin(kSecondsAllowed, [&] { return RefusedUntouched(Exchange()); }));
  char event[sizeof(inotify_event) + NAME_MAX + 1];
  EXPECT_LT(::read(watch, event, sizeof event), 0) << "opened";
  ::close(watch);
}

TEST_F(SpecialFiles, AFifoWithAWriterAndDataIsNotRead) {
  MakeFifo("JWC_TEMP.TXT");
  // On Linux, opening a FIFO for reading and writing does not wait for the other end.
  const int writer = ::open(Exchange().c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  ASSERT_EQ(::write(writer, "hk 5\n", 5), 5);
  EXPECT_TRUE(InChildWithin(kSecondsAllowed, [&] { return RefusedUntouched(Exchange()); }));
  ::close(writer);
}

TEST_F(SpecialFiles, LinksToADeviceAFifoOrAFolderAreNotRead) {
  const fs::path fifo = MakeFifo("fifo");
  struct Case {
    const char* name;
    fs::path target;
    FileFailure why = FileFailure::kNotARegularFile;
  };
  const Case cases[] = {
      {"link to a device that never ends", "/dev/zero"},
      {"link to an empty device", "/dev/null"},
      {"link to a FIFO", fifo},
      {"link to a folder", folder_.Path()},
      {"link to a regular file whose reading fails", "/proc/self/mem", FileFailure::kOther},
      {"link to nothing", folder_ / "gone", FileFailure::kNothingThere},
  };
  EXPECT_TRUE(RefusedUntouched(Exchange(), FileFailure::kNothingThere)) << "nothing there";
  for (const Case& c : cases) {
    if (!fs::exists(c.target) && c.why != FileFailure::kNothingThere) continue;
    fs::remove(Exchange());
    fs::create_symlink(c.target, Exchange());
    EXPECT_TRUE(InChildWithin(kSecondsAllowed, [&] { return RefusedUntouched(Exchange(), c.why); }))
        << c.name;
  }
}

TEST_F(SpecialFiles, ALinkToARegularFileIsRead) {
  std::ofstream(folder_ / "host.txt", std::ios::binary) << "hk 5\r\n";
  fs::create_symlink(folder_ / "host.txt", Exchange());
  ExchangeState state;
  EXPECT_TRUE(ReadExchangeFile(state, Exchange()));
  EXPECT_EQ(state.HkAngle, 5.0);
  // Started without a standard input, the program opens the file as descriptor 0.
  EXPECT_TRUE(InChildWithin(kSecondsAllowed, [&] {
    ExchangeState again;
    return ::close(0) == 0 && ReadExchangeFile(again, Exchange()) && again.HkAngle == 5.0;
  }));
}

TEST_F(SpecialFiles, AFolderNamedWithShiftJisBytesIsUsedAsItIs) {
  const fs::path folder = folder_ / "\x83\x5c\x95\x5c";  // ソ表, not UTF-8
  fs::create_directories(folder);
  const fs::path file = folder / "JWC_TEMP.TXT";
  std::ofstream(file, std::ios::binary) << "hk 5\r\n";
  ExchangeState state;
  EXPECT_TRUE(ReadExchangeFile(state, file));
  EXPECT_EQ(state.HkAngle, 5.0);
  EXPECT_TRUE(WriteBackExchangeFile(ExchangeState{}, file));
  EXPECT_EQ(test::ReadBytes(file), "hq\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 1);
}

// WriteBackExchangeFile fails at once, for that reason.
bool NotWritten(const fs::path& path, FileFailure why = FileFailure::kNotARegularFile,
                const ExchangeState& state = {}) {
  const FileResult written = WriteBackExchangeFile(state, path);
  if (written.Failure() != why) {
    std::fprintf(stderr, "%s was written, or failed for another reason\n", path.c_str());
    return false;
  }
  return true;
}

TEST_F(SpecialFiles, AFifoIsNotWrittenNorDeleted) {
  EXPECT_TRUE(NotWritten(folder_ / "gone" / "JWC_TEMP.TXT", FileFailure::kNothingThere));
  MakeFifo("JWC_TEMP.TXT");
  EXPECT_TRUE(InChildWithin(kSecondsAllowed, [&] { return NotWritten(Exchange()); }));
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(Exchange())));
}

TEST_F(SpecialFiles, AFifoWithAReaderGetsNothing) {
  MakeFifo("JWC_TEMP.TXT");
  const int reader = ::open(Exchange().c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(InChildWithin(kSecondsAllowed, [&] { return NotWritten(Exchange()); }));
  // A writer that came and went, even without writing, hangs the reader up.
  pollfd reading{reader, POLLIN, 0};
  EXPECT_EQ(::poll(&reading, 1, 0), 0) << "opened for writing";
  ::close(reader);
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(Exchange())));
}

TEST_F(SpecialFiles, ALinkToADeviceOrAFifoIsNotWrittenAndOnlyTheLinkGoes) {
  const fs::path fifo = MakeFifo("fifo");
  for (const fs::path& target : {fs::path("/dev/zero"), fs::path("/dev/full"), fifo}) {
    if (!fs::exists(target)) continue;
    fs::create_symlink(target, Exchange());
    EXPECT_TRUE(InChildWithin(kSecondsAllowed, [&] { return NotWritten(Exchange()); })) << target;
    EXPECT_FALSE(fs::exists(fs::symlink_status(Exchange()))) << target;
    EXPECT_TRUE(fs::exists(target)) << target;
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(SpecialFiles, ADeviceNodeIsNotWrittenNorDeleted) {
  // A node like /dev/null of that name; making one takes root, and not every container allows it.
  if (::mknod(Exchange().c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
    GTEST_SKIP() << "cannot make a device node here";
  }
  EXPECT_TRUE(InChildWithin(kSecondsAllowed, [&] { return NotWritten(Exchange()); }));
  EXPECT_TRUE(fs::is_character_file(fs::symlink_status(Exchange())));
}

TEST_F(SpecialFiles, ALinkToARegularFileIsWrittenThrough) {
  std::ofstream(folder_ / "host.txt", std::ios::binary) << "host input\r\n";
  fs::create_symlink(folder_ / "host.txt", Exchange());
  EXPECT_TRUE(WriteBackExchangeFile(WithEntries({{"lg0"}}), Exchange()));
  EXPECT_TRUE(fs::is_symlink(Exchange()));
  EXPECT_EQ(test::ReadBytes(folder_ / "host.txt"), "lg0\r\n");

  // A link to nothing yet: its target is created, as the host reads through the same link.
  fs::create_symlink(folder_ / "answer.txt", folder_ / "dangling");
  EXPECT_TRUE(WriteBackExchangeFile(ExchangeState{}, folder_ / "dangling"));
  EXPECT_EQ(test::ReadBytes(folder_ / "answer.txt"), "hq\r\n");
}

// Here the failed write-back's rule holds for a read-only file: the host finds no answer rather
// than its own input.
TEST_F(SpecialFiles, AReadOnlyFileIsDeleted) {
  std::ofstream(Exchange(), std::ios::binary) << "host input\r\n";
  fs::permissions(Exchange(),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(InChildWithin(kSecondsAllowed, [&] {
    return DropPermissionOverride() && NotWritten(Exchange(), FileFailure::kNoPermission);
  }));
  EXPECT_FALSE(fs::exists(fs::symlink_status(Exchange())));
}

TEST_F(SpecialFiles, AFullDiskLeavesNoRegularFileBehind) {
  // A file-size limit of 0 makes every write fail, as a full disk does; the data of a short
  // answer only reaches the file when it is closed, and that fails too.
  const std::vector<CommandEntry> many(3000, CommandEntry{std::string(200, 'x')});
  for (const auto& buffer :
       {std::vector<CommandEntry>{}, std::vector<CommandEntry>{{"lg0"}}, many}) {
    std::ofstream(Exchange(), std::ios::binary) << "host input\r\n";
    EXPECT_TRUE(InChildWithin(kSecondsAllowed,
                              [&] {
                                ::signal(SIGXFSZ, SIG_IGN);
                                const rlimit limit{0, 0};
                                return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 &&
                                       NotWritten(Exchange(), FileFailure::kDiskFull,
                                                  WithEntries(buffer));
                              }))
        << buffer.size() << " entries";
    EXPECT_FALSE(fs::exists(fs::symlink_status(Exchange()))) << buffer.size() << " entries";
  }
}

}  // namespace
}  // namespace morven::exchange
