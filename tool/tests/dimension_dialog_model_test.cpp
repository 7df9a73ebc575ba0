#include "tool/dimension_dialog_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "exchange/exchange_file.h"
#include "exchange/tests/temp_folder.h"
#include "numeric/float_error.h"

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
    ASSERT_TRUE(model.ReadOnFirstShow()) << c.name;
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
  EXPECT_FALSE(model.ReadOnFirstShow());
  EXPECT_EQ(model.TextTypeItems().at(1).substr(0, 8), "No1: W2.");

  model.WriteBackOnClose();
  EXPECT_EQ(ReadBytes(file), kNothingDrawn);
  std::filesystem::remove(file);
  model.WriteBackOnClose();
  EXPECT_EQ(model.BuildOnOk({}).kind, OkOutcome::Kind::kIgnored);
  EXPECT_FALSE(model.ReadOnFirstShow());
  EXPECT_FALSE(std::filesystem::exists(file)) << "a second close wrote again";

  DimensionDialogModel closedUnread(folder.Path(), kSeparators);
  closedUnread.WriteBackOnClose();
  EXPECT_FALSE(closedUnread.ReadOnFirstShow()) << "read after the close";
  EXPECT_FALSE(closedUnread.ReadFailed()) << "a read to ask about after the close";
  closedUnread.ReadAgain();
  EXPECT_TRUE(closedUnread.State().HpPoints.empty()) << "read again after the close";
}

// No file in the folder, or no folder: the start values, and nothing to ask about.
TEST(DimensionDialogModelTest, WithoutAProgramFolderNothingIsReadOrWritten) {
  const TempFolder folder;
  DimensionDialogModel model(std::nullopt, kSeparators);
  EXPECT_TRUE(model.ReadOnFirstShow());
  EXPECT_EQ(model.TextTypeItems().at(1), "No1: W3 H3 D0");
  EXPECT_EQ(model.BuildOnOk({}).kind, OkOutcome::Kind::kBuilt);
  model.WriteBackOnClose();
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));

  for (const auto& missing : {folder.Path(), folder.Path() / "gone"}) {
    DimensionDialogModel unread(missing, kSeparators);
    EXPECT_TRUE(unread.ReadOnFirstShow());
    EXPECT_FALSE(unread.ReadFailed()) << missing;
  }
}

}  // namespace
}  // namespace morven::tool
