#include "tool/dimension_dialog_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "exchange/exchange_file.h"
#include "exchange/tests/temp_folder.h"
#include "numeric/float_error.h"
#include "tool/file_questions.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>

#include "exchange/tests/permission_override.h"
#endif

// The dialog's read/build/write-back sequence as every view drives it, without a window.
namespace morven::tool {
namespace {

using exchange::test::ReadBytes;
using exchange::test::TempFolder;

constexpr numeric::Separators kSeparators{'.', ','};

// The worked example as the host writes it: angle 0, scale 100, text type 1 of width 2.5.
const std::string kHostFile =
    "hk 0\r\nhs 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nhcw 2.5 3 3 3 3 3 3 3 3 3\r\n"
    "lg0\r\nly0\r\nlc1\r\nlt1\r\nlw0\r\ncn1\r\nhp1 0 0\r\nhp2 1000 0\r\nhp3 500 500\r\n";
const std::string kWorkedExampleAnswer =
    "lg0\r\nly0\r\nlc1\r\npn1\r\nlt1\r\nlw0\r\ncn\"$\r\nz3\r\n0 200 0 700\r\nz3\r\n"
    "1000 200 1000 700\r\ncn1\r\nmsg\r\n0 500 1000 500\r\ncs -62.5 550 10 0 "
    "\"1,000.000\r\nz3\r\npt 0 500 1 180 1\r\n"
    "z3\r\npt 1000 500 1 0 1\r\n";
const std::string kNothingDrawn = "hq\r\n";

DimensionEntries With(std::string DimensionEntries::*field, std::string value) {
  DimensionEntries entries;
  entries.*field = std::move(value);
  return entries;
}

TEST(DimensionDialogModelTest, OkThenCloseAnswersOnceWithWhatOkBuilt) {
  const struct {
    const char* name;
    DimensionEntries entries;
    OkOutcome::Kind outcome;
    ControlRole focus;
    std::string message;
    const std::string& answer;
  } cases[] = {
      {"the start values draw the worked example",
       {},
       OkOutcome::Kind::kBuilt,
       ControlRole::kStartMarkList,
       "",
       kWorkedExampleAnswer},
      {"a mark scale of 0 is refused", With(&DimensionEntries::endMarkScale, "0"),
       OkOutcome::Kind::kRefused, ControlRole::kMarkScaleField, "", kNothingDrawn},
      {"a negative gap is refused", With(&DimensionEntries::extensionGap, "-1"),
       OkOutcome::Kind::kRefused, ControlRole::kExtensionGapField, "", kNothingDrawn},
      {"a negative overshoot is refused", With(&DimensionEntries::overshoot, "-1"),
       OkOutcome::Kind::kRefused, ControlRole::kOvershootField, "", kNothingDrawn},
      {"a number beyond the double range fails with the message",
       With(&DimensionEntries::textDistance, "1e400"), OkOutcome::Kind::kFailed,
       ControlRole::kStartMarkList, std::string(numeric::kOverflowMessage) + ".", kNothingDrawn},
  };
  for (const auto& c : cases) {
    const TempFolder folder;
    const auto file = folder.Write(exchange::kExchangeFileName, kHostFile);
    DimensionDialogModel model(folder.Path(), kSeparators);
    ASSERT_TRUE(model.ReadOnFirstShow(nullptr)) << c.name;
    const OkOutcome outcome = model.BuildOnOk(c.entries);
    EXPECT_EQ(outcome.kind, c.outcome) << c.name;
    EXPECT_EQ(outcome.focus, c.focus) << c.name;
    EXPECT_EQ(outcome.message, c.message) << c.name;
    EXPECT_EQ(ReadBytes(file), kHostFile) << c.name << ": written before the close";
    model.WriteBackOnClose();
    EXPECT_EQ(ReadBytes(file), c.answer) << c.name;
  }
}

TEST(DimensionDialogModelTest, ReadsAtMostOnceAndWritesExactlyOnce) {
  const TempFolder folder;
  const auto file = folder.Write(exchange::kExchangeFileName, kHostFile);
  DimensionDialogModel model(folder.Path(), kSeparators);
  EXPECT_EQ(model.BuildOnOk(With(&DimensionEntries::endMarkScale, "0")).kind,
            OkOutcome::Kind::kRefused);
  EXPECT_TRUE(model.HasRead()) << "OK before the first show reads the file first";
  EXPECT_FALSE(model.ReadOnFirstShow(nullptr));
  EXPECT_EQ(model.TextTypeItems().at(1).substr(0, 8), "No1: W2.");

  model.WriteBackOnClose();
  EXPECT_EQ(ReadBytes(file), kNothingDrawn);
  std::filesystem::remove(file);
  model.WriteBackOnClose();
  EXPECT_EQ(model.BuildOnOk({}).kind, OkOutcome::Kind::kIgnored);
  EXPECT_FALSE(model.ReadOnFirstShow(nullptr));
  EXPECT_FALSE(std::filesystem::exists(file)) << "a second close wrote again";

  DimensionDialogModel closedUnread(folder.Path(), kSeparators);
  closedUnread.WriteBackOnClose();
  EXPECT_FALSE(closedUnread.ReadOnFirstShow(nullptr)) << "read after the close";
  EXPECT_FALSE(closedUnread.HasRead()) << "read after the close";
}

// No file in the folder, or no folder: the start values, and nothing to ask about. Nor is
// anything that is not a file: it is never the host's.
TEST(DimensionDialogModelTest, WithoutAProgramFolderNothingIsReadOrWritten) {
  const TempFolder folder;
  DimensionDialogModel model(std::nullopt, kSeparators);
  EXPECT_TRUE(model.ReadOnFirstShow(nullptr));
  EXPECT_EQ(model.TextTypeItems().at(1), "No1: W3 H3 D0");
  EXPECT_EQ(model.BuildOnOk({}).kind, OkOutcome::Kind::kBuilt);
  model.WriteBackOnClose();
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));

  const TempFolder withFolder;
  std::filesystem::create_directory(withFolder / exchange::kExchangeFileName);
  // A folder gone by the close is asked about: the user may bring it back.
  std::vector<std::pair<std::filesystem::path, int>> placesAndAsksAtClose = {
      {folder.Path(), 0}, {folder / "gone", 3}, {withFolder.Path(), 0}};
#ifndef _WIN32
  const TempFolder withFifo;
  ASSERT_EQ(::mkfifo((withFifo / exchange::kExchangeFileName).c_str(), 0600), 0);
  placesAndAsksAtClose.emplace_back(withFifo.Path(), 0);
#endif
  for (const auto& [place, asksAtClose] : placesAndAsksAtClose) {
    int asked = 0;
    const RetryAsker ask = [&](const std::string&) { return ++asked < 3; };
    DimensionDialogModel unread(place, kSeparators);
    EXPECT_TRUE(unread.ReadOnFirstShow(ask)) << place;
    EXPECT_EQ(unread.TextTypeItems().at(1), "No1: W3 H3 D0") << place;
    EXPECT_EQ(asked, 0) << place;
    unread.WriteBackOnClose(ask);
    EXPECT_EQ(asked, asksAtClose) << place;
    EXPECT_TRUE(unread.Closed()) << place;
  }
}

// The host's file cannot be read, or the answer cannot be written: while the user retries, the
// model asks again; Cancel answers as the Cancel button does, where the file allows. The file is
// kept from the program as a user meets it: another program holds it on Windows, its mode (and
// its folder's) forbids it elsewhere.
class FileKeptFromTheProgram {
 public:
  explicit FileKeptFromTheProgram(const TempFolder& folder) : folder_(folder) {}
  ~FileKeptFromTheProgram() { Mend(); }

#ifdef _WIN32
  static constexpr exchange::FileFailure kFailure = exchange::FileFailure::kHeldByAnotherProgram;
  void Keep() {
    held_ = CreateFileW((folder_ / exchange::kExchangeFileName).c_str(), GENERIC_READ, 0, nullptr,
                        OPEN_EXISTING, 0, nullptr);
  }
  void Mend() {
    if (held_ != INVALID_HANDLE_VALUE) CloseHandle(held_);
    held_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE held_ = INVALID_HANDLE_VALUE;
#else
  static constexpr exchange::FileFailure kFailure = exchange::FileFailure::kNoPermission;
  void Keep() {
    ::chmod((folder_ / exchange::kExchangeFileName).c_str(), 0);
    ::chmod(folder_.Path().c_str(), 0500);
  }
  void Mend() {
    ::chmod(folder_.Path().c_str(), 0700);
    ::chmod((folder_ / exchange::kExchangeFileName).c_str(), 0600);
  }

 private:
#endif
  const TempFolder& folder_;
};

TEST(DimensionDialogModelTest, FileFailuresAskUntilTheUserGivesUp) {
#ifndef _WIN32
  if (!exchange::test::DropPermissionOverride()) GTEST_SKIP() << "root's override stays here";
#endif
  struct Box {
    bool mend;  // the file is made usable while the box is up
    bool retry;
    bool closedMeanwhile = false;  // the session ends while the box is up
  };
  const struct {
    const char* name;
    FileStep failing;
    std::vector<Box> boxes;
    const std::string& answer;
  } cases[] = {
      {"unreadable, mended, Retry", FileStep::kRead, {{true, true}}, kWorkedExampleAnswer},
      {"unreadable at the first Retry too",
       FileStep::kRead,
       {{false, true}, {true, true}},
       kWorkedExampleAnswer},
      {"unreadable, Cancel: nothing can be answered", FileStep::kRead, {{false, false}}, kHostFile},
      {"unreadable, mended, Cancel: answered as Cancel",
       FileStep::kRead,
       {{true, false}},
       kNothingDrawn},
      {"unreadable, the session ends while the box is up",
       FileStep::kRead,
       {{true, true, true}},
       kNothingDrawn},
      {"unwritable, mended, Retry", FileStep::kWriteBack, {{true, true}}, kWorkedExampleAnswer},
      {"unwritable at the first Retry too",
       FileStep::kWriteBack,
       {{false, true}, {true, true}},
       kWorkedExampleAnswer},
      {"unwritable, Cancel: neither written nor deleted",
       FileStep::kWriteBack,
       {{false, false}},
       kHostFile},
      {"unwritable, mended, Cancel: answered as Cancel",
       FileStep::kWriteBack,
       {{true, false}},
       kNothingDrawn},
      {"unwritable, the session ends while the box is up",
       FileStep::kWriteBack,
       {{true, true, true}},
       kWorkedExampleAnswer},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TempFolder folder;
    const auto file = folder.Write(exchange::kExchangeFileName, kHostFile);
    FileKeptFromTheProgram kept(folder);
    DimensionDialogModel model(folder.Path(), kSeparators);
    std::vector<std::string> asked;
    const RetryAsker ask = [&](const std::string& question) {
      asked.push_back(question);
      if (asked.size() > c.boxes.size()) return false;
      const Box& box = c.boxes[asked.size() - 1];
      if (box.mend) kept.Mend();
      if (box.closedMeanwhile) model.CloseWithoutAsking();
      return box.retry;
    };
    if (c.failing == FileStep::kRead) kept.Keep();
    const bool opened = model.ReadOnFirstShow(ask);
    const Box& last = c.boxes.back();
    EXPECT_EQ(opened, c.failing != FileStep::kRead || (last.retry && !last.closedMeanwhile));
    EXPECT_EQ(model.Closed(), !opened);
    if (opened) {
      EXPECT_EQ(model.BuildOnOk({}).kind, OkOutcome::Kind::kBuilt);
      if (c.failing == FileStep::kWriteBack) kept.Keep();
      model.WriteBackOnClose(ask);
    }
    EXPECT_TRUE(model.Closed());
    kept.Mend();
    EXPECT_EQ(asked, std::vector(c.boxes.size(),
                                 FileQuestion(c.failing, FileKeptFromTheProgram::kFailure)));
    EXPECT_EQ(ReadBytes(file), c.answer);
  }
}

}  // namespace
}  // namespace morven::tool
