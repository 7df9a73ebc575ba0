#include "tool/dimension_dialog_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "exchange/exchange_file.h"
#include "exchange/tests/temp_folder.h"
#include "numeric/cp932_text.h"
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

TEST(DimensionDialogModelTest, TheQuestionSaysWhatFailedThenWhy) {
  using enum exchange::FileFailure;
  const std::pair<exchange::FileFailure, std::string> reasons[] = {
      {kHeldByAnotherProgram, "ほかのプログラムがこのファイルを使用しています。"},
      {kNoPermission, "このファイルにアクセスする権限がありません。"},
      {kDiskFull, "ディスクの空き領域が足りません。"},
      {kOther, "ほかのプログラムがこのファイルを使用している可能性があります。"}};
  for (const auto& [failure, reason] : reasons) {
    EXPECT_EQ(numeric::Cp932ToUtf8(FileQuestion(FileStep::kRead, failure)),
              "JWC_TEMP.TXT を読み込めませんでした。\n" + reason);
    EXPECT_EQ(numeric::Cp932ToUtf8(FileQuestion(FileStep::kWriteBack, failure)),
              "結果を JWC_TEMP.TXT に書き込めませんでした。\n" + reason);
  }
}

// The host's file cannot be read, or the answer cannot be written: while the user retries, the
// model asks again; Cancel answers as the Cancel button does, where the file allows. The file is
// kept from the program as a user meets it: another program holds it on Windows, its mode (and
// its folder's) forbids it elsewhere.
TEST(DimensionDialogModelTest, FileFailuresAskUntilTheUserGivesUp) {
#ifdef _WIN32
  constexpr auto kFailure = exchange::FileFailure::kHeldByAnotherProgram;
  HANDLE held = INVALID_HANDLE_VALUE;
  const auto keep = [&](const TempFolder& folder) {
    held = CreateFileW((folder / exchange::kExchangeFileName).c_str(), GENERIC_READ, 0, nullptr,
                       OPEN_EXISTING, 0, nullptr);
  };
  const auto mend = [&](const TempFolder&) {
    CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
  };
#else
  if (!exchange::test::DropPermissionOverride()) GTEST_SKIP() << "root's override stays here";
  constexpr auto kFailure = exchange::FileFailure::kNoPermission;
  const auto keep = [](const TempFolder& folder) {
    ::chmod((folder / exchange::kExchangeFileName).c_str(), 0);
    ::chmod(folder.Path().c_str(), 0500);
  };
  const auto mend = [](const TempFolder& folder) {
    ::chmod(folder.Path().c_str(), 0700);
    ::chmod((folder / exchange::kExchangeFileName).c_str(), 0600);
  };
#endif
  // Each box's answer: r Retry, c Cancel; R and C after the file was made usable; E after it was
  // made usable and the session ended, Retry.
  const struct {
    const char* name;
    FileStep failing;
    std::string boxes;
    const std::string& answer;
  } cases[] = {
      {"unreadable, mended, Retry", FileStep::kRead, "R", kWorkedExampleAnswer},
      {"unreadable at the first Retry too", FileStep::kRead, "rR", kWorkedExampleAnswer},
      {"unreadable, Cancel: nothing can be answered", FileStep::kRead, "c", kHostFile},
      {"unreadable, mended, Cancel: answered as Cancel", FileStep::kRead, "C", kNothingDrawn},
      {"unreadable, the session ends while the box is up", FileStep::kRead, "E", kNothingDrawn},
      {"unwritable, mended, Retry", FileStep::kWriteBack, "R", kWorkedExampleAnswer},
      {"unwritable at the first Retry too", FileStep::kWriteBack, "rR", kWorkedExampleAnswer},
      {"unwritable, Cancel: neither written nor deleted", FileStep::kWriteBack, "c", kHostFile},
      {"unwritable, mended, Cancel: answered as Cancel", FileStep::kWriteBack, "C", kNothingDrawn},
      {"unwritable, the session ends meanwhile", FileStep::kWriteBack, "E", kWorkedExampleAnswer},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TempFolder folder;
    const auto file = folder.Write(exchange::kExchangeFileName, kHostFile);
    DimensionDialogModel model(folder.Path(), kSeparators);
    std::vector<std::string> asked;
    const RetryAsker ask = [&](const std::string& question) {
      asked.push_back(question);
      const char box = asked.size() <= c.boxes.size() ? c.boxes[asked.size() - 1] : 'c';
      if (box == 'R' || box == 'C' || box == 'E') mend(folder);
      if (box == 'E') model.CloseWithoutAsking();
      return box == 'r' || box == 'R' || box == 'E';
    };
    if (c.failing == FileStep::kRead) keep(folder);
    const bool opened = model.ReadOnFirstShow(ask);
    EXPECT_EQ(opened, c.failing != FileStep::kRead || c.boxes.back() == 'R');
    EXPECT_EQ(model.Closed(), !opened);
    if (opened) {
      EXPECT_EQ(model.BuildOnOk({}).kind, OkOutcome::Kind::kBuilt);
      if (c.failing == FileStep::kWriteBack) keep(folder);
      model.WriteBackOnClose(ask);
    }
    EXPECT_TRUE(model.Closed());
    mend(folder);
    EXPECT_EQ(asked, std::vector(c.boxes.size(), FileQuestion(c.failing, kFailure)));
    EXPECT_EQ(ReadBytes(file), c.answer);
  }
}

}  // namespace
}  // namespace morven::tool
