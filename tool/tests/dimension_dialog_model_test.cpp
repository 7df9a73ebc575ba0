#include "tool/dimension_dialog_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "exchange/exchange_file.h"
#include "exchange/tests/temp_folder.h"
#include "numeric/cp932_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>

#include "exchange/tests/permission_override.h"
#endif

// The dialog's conversation as every view drives it, against a view that writes down what it was
// asked to do.
namespace morven::tool {
namespace {

using exchange::test::ReadBytes;
using exchange::test::TempFolder;
using enum ControlRole;

constexpr numeric::Separators kSeparators{'.', ','};

// The worked example as the host writes it: angle 0, scale 100, text types 1 and 10 of its own.
const std::string kHostFile =
    "hk 0\r\nhs 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nhcw 2.5 3 3 3 3 3 3 3 3 2.5\r\n"
    "hch 2.5 3 3 3 3 3 3 3 3 2.5\r\nhcd 0 0 0 0 0 0 0 0 0 0.5\r\n"
    "lg0\r\nly0\r\nlc1\r\nlt1\r\nlw0\r\ncn1\r\nhp1 0 0\r\nhp2 1000 0\r\nhp3 500 500\r\n";
const std::string kWorkedExampleAnswer =
    "lg0\r\nly0\r\nlc1\r\npn1\r\nlt1\r\nlw0\r\ncn\"$\r\nz3\r\n0 200 0 700\r\nz3\r\n"
    "1000 200 1000 700\r\ncn1\r\nmsg\r\n0 500 1000 500\r\ncs -62.5 550 10 0 "
    "\"1,000.000\r\nz3\r\npt 0 500 1 180 1\r\n"
    "z3\r\npt 1000 500 1 0 1\r\n";
const std::string kNothingDrawn = "hq\r\n";
// The text-type list's first, second and last items.
const std::string kHostsList = "list 現在の文字種(No1) | No1: W2.5 H2.5 D0 | No10: W2.5 H2.5 D0.5";
const std::string kStartList = "list 現在の文字種(No1) | No1: W3 H3 D0 | No10: W3 H3 D0";

static_assert(!std::is_destructible_v<DialogView>, "nothing deletes a window through its view");

// A window whose fields and lists stand as the form opens them: the table's start texts, each list
// at its first item. What the conversation asks of it goes into `log`, in UTF-8.
class FakeView final : public DialogView {
 public:
  FakeView() {
    for (const ControlSpec& row : FormControls()) {
      if (row.kind == ControlKind::kEdit) texts[row.role] = row.text;
    }
  }

  int ListChoice(ControlRole list) const override {
    return choices.contains(list) ? choices.at(list) : 0;
  }
  std::string FieldText(ControlRole field) const override { return texts.at(field); }
  void FillList(ControlRole list, const std::vector<std::string>& items) override {
    EXPECT_EQ(list, kTextTypeList);
    EXPECT_EQ(items.size(), 11u);
    log.push_back("list " +
                  numeric::Cp932ToUtf8(items.at(0) + " | " + items.at(1) + " | " + items.at(10)));
  }
  void FocusAndSelect(ControlRole field) override {
    log.push_back(std::string("focus ") + ControlFor(field).objectName);
  }
  void ShowError(const std::string& message) override {
    EXPECT_FALSE(std::exchange(boxUp, true)) << "a box over a box";
    log.push_back("error " + numeric::Cp932ToUtf8(message));
    if (whileErrorUp) whileErrorUp();
    boxUp = false;
  }
  bool AskRetryOrCancel(const std::string& question) override {
    EXPECT_FALSE(std::exchange(boxUp, true)) << "a box over a box";
    questions.push_back(numeric::Cp932ToUtf8(question));
    log.push_back("ask");
    const bool retry = answerBox && answerBox();
    boxUp = false;
    return retry;
  }
  // Time passes only here, as much as was asked; what comes meanwhile comes at the first pause.
  void PauseWhileFileHeld(std::chrono::milliseconds time) override {
    now += time;
    ++pauses;
    if (meanwhile) std::exchange(meanwhile, nullptr)();
  }
  void Close() override { log.push_back("close"); }

  std::map<ControlRole, std::string> texts;
  std::map<ControlRole, int> choices;
  std::function<bool()> answerBox;  // Cancel when unset
  std::function<void()> whileErrorUp;
  std::function<void()> meanwhile;
  std::chrono::steady_clock::time_point now;
  bool boxUp = false;
  std::vector<std::string> log;
  std::vector<std::string> questions;  // UTF-8
  int pauses = 0;
};

// What happens to the dialog. A close is any: Cancel, Esc, the close box, Alt+F4, another
// program's; the program's end is the session's, a signal's or a refused window's. The host may
// overwrite its file with "untouched", to see that nothing is written after.
enum class Event { kShown, kOk, kClose, kProgramEnd, kHostOverwrites };
using enum Event;

void Apply(DimensionDialogModel& model, const std::vector<Event>& events,
           const TempFolder& folder) {
  for (const Event event : events) {
    if (event == kShown) model.OnShown();
    if (event == kOk) model.OnOk();
    if (event == kClose) model.OnClose();
    if (event == kProgramEnd) model.OnProgramEnd();
    if (event == kHostOverwrites) folder.Write(exchange::kExchangeFileName, "untouched");
  }
}

TEST(DialogConversationTest, FromTheFirstShowToTheAnswer) {
  const std::string overflow = "error 浮動小数点数のオーバーフロー.";
  const struct {
    const char* name;
    std::vector<Event> events;
    std::string answer = kNothingDrawn;
    std::vector<std::string> log = {kHostsList, "close"};
    std::vector<std::pair<ControlRole, std::string>> typed = {};
    std::vector<Event> whileErrorUp = {};
    std::vector<std::pair<ControlRole, int>> chosen = {};
  } cases[] = {
      {"the start values draw the worked example", {kShown, kOk}, kWorkedExampleAnswer},
      {"OK before the show reads and fills the list first", {kOk}, kWorkedExampleAnswer},
      {"every list and field reaches the answer, the prefix 寸 too",
       {kShown, kOk},
       "lg0\r\nly0\r\nlc1\r\npn1\r\nlt1\r\nlw0\r\ncn\"$\r\nz3\r\n0 300 0 900\r\nz3\r\n"
       "1000 300 1000 900\r\ncn10\r\nmsg\r\n0 500 1000 500\r\ncs -462.5 650 10 0 "
       "\"\x90\xA1"
       "1,000.000mm\r\nz3\r\npt 0 500 0.5 180 4\r\nz3\r\npt 1000 500 0.5 0 8\r\ncn1\r\n",
       {kHostsList, "close"},
       {{kMarkScaleField, "0.5"},
        {kPrefixField, "\x90\xA1"},
        {kSuffixField, "mm"},
        {kTextDistanceField, "1.5"},
        {kExtensionGapField, "3"},
        {kOvershootField, "4"}},
       {},
       {{kStartMarkList, 3}, {kEndMarkList, 7}, {kTextTypeList, 10}}},
      {"a mark scale of 0 is refused; Cancel then answers",
       {kShown, kOk, kClose},
       kNothingDrawn,
       {kHostsList, "focus Edit1", "close"},
       {{kMarkScaleField, "0"}}},
      {"a negative gap is refused",
       {kShown, kOk, kClose},
       kNothingDrawn,
       {kHostsList, "focus Edit5", "close"},
       {{kExtensionGapField, "-1"}}},
      {"a negative overshoot is refused",
       {kShown, kOk, kClose},
       kNothingDrawn,
       {kHostsList, "focus Edit6", "close"},
       {{kOvershootField, "-0.5"}}},
      {"a number beyond the double range is shown, the dialog stays",
       {kShown, kOk, kClose},
       kNothingDrawn,
       {kHostsList, overflow, "close"},
       {{kTextDistanceField, "1e400"}}},
      {"while the error box is up, OK does nothing and a close from outside waits for it",
       {kShown, kOk},
       kNothingDrawn,
       {kHostsList, overflow, "close"},
       {{kTextDistanceField, "1e400"}},
       {kOk, kClose, kHostOverwrites}},
      {"the program's end while the error box is up answers at once, and nothing after",
       {kShown, kOk},
       "untouched",
       {kHostsList, overflow, "close"},
       {{kTextDistanceField, "1e400"}},
       {kProgramEnd, kOk, kClose, kHostOverwrites}},
      {"the session ends: answered without a box, the window closed", {kShown, kProgramEnd}},
      {"the program ends before the show, as when the system refuses the window",
       {kProgramEnd},
       kNothingDrawn,
       {"close"}},
      {"closed before the show: nothing read after",
       {kClose, kShown, kOk},
       kNothingDrawn,
       {"close"}},
      {"answered once after OK",
       {kShown, kOk, kHostOverwrites, kClose, kShown, kOk, kProgramEnd},
       "untouched"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TempFolder folder;
    folder.Write(exchange::kExchangeFileName, kHostFile);
    FakeView view;
    for (const auto& [field, text] : c.typed) view.texts[field] = text;
    for (const auto& [list, choice] : c.chosen) view.choices[list] = choice;
    DimensionDialogModel model(view, folder.Path(), kSeparators);
    view.whileErrorUp = [&] { Apply(model, c.whileErrorUp, folder); };
    for (const Event event : c.events) {
      Apply(model, {event}, folder);
      if (!model.Closed()) {
        EXPECT_EQ(ReadBytes(folder / exchange::kExchangeFileName), kHostFile)
            << "answered before the close";
      }
    }
    EXPECT_EQ(view.log, c.log);
    EXPECT_EQ(ReadBytes(folder / exchange::kExchangeFileName), c.answer);
  }
}

// No file in the folder, or no folder: the start values, and nothing to ask about. Nor is
// anything that is not a file: it is never the host's. Without a program folder nothing is read
// or written.
TEST(DialogConversationTest, WhatIsNotTheHostsFileIsNotAskedAbout) {
  const TempFolder folder;
  FakeView view;
  DimensionDialogModel model(view, std::nullopt, kSeparators);
  Apply(model, {kShown, kOk, kClose}, folder);
  EXPECT_EQ(view.log, (std::vector<std::string>{kStartList, "close"}));
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));

  const TempFolder withFolder;
  std::filesystem::create_directory(withFolder / exchange::kExchangeFileName);
  // A folder gone by the close is asked about, as what it is: the user may bring it back.
  std::vector<std::pair<std::filesystem::path, std::size_t>> placesAndAsksAtClose = {
      {folder.Path(), 0}, {folder / "gone", 3}, {withFolder.Path(), 0}};
#ifndef _WIN32
  const TempFolder withFifo;
  ASSERT_EQ(::mkfifo((withFifo / exchange::kExchangeFileName).c_str(), 0600), 0);
  placesAndAsksAtClose.emplace_back(withFifo.Path(), 0);
#endif
  for (const auto& [place, asksAtClose] : placesAndAsksAtClose) {
    FakeView unread;
    unread.answerBox = [&unread] { return unread.questions.size() < 3; };
    DimensionDialogModel unreadModel(unread, place, kSeparators);
    unreadModel.OnShown();
    unreadModel.OnClose();
    EXPECT_EQ(unread.log.front(), kStartList) << place;
    EXPECT_EQ(unread.questions,
              std::vector<std::string>(asksAtClose,
                                       "結果を JWC_TEMP.TXT に書き込めませんでした。\n"
                                       "このファイルのフォルダーが見つかりません。"))
        << place;
    EXPECT_TRUE(unreadModel.Closed()) << place;
  }
  EXPECT_EQ(ReadBytes(folder / exchange::kExchangeFileName), kNothingDrawn) << "no file: made";
}

TEST(DialogConversationTest, TheQuestionSaysWhatFailedThenWhy) {
  using enum exchange::FileFailure;
  const std::pair<exchange::FileFailure, std::string> reasons[] = {
      {kHeldByAnotherProgram, "ほかのプログラムがこのファイルを使用しています。"},
      {kNoPermission, "このファイルにアクセスする権限がありません。"},
      {kDiskFull, "ディスクの空き領域が足りません。"},
      {kNothingThere, "このファイルのフォルダーが見つかりません。"},
      {kNotARegularFile, "ほかのプログラムがこのファイルを使用している可能性があります。"},
      {kOther, "ほかのプログラムがこのファイルを使用している可能性があります。"}};
  for (const auto& [failure, reason] : reasons) {
    EXPECT_EQ(numeric::Cp932ToUtf8(FileQuestion(FileStep::kRead, failure)),
              "JWC_TEMP.TXT を読み込めませんでした。\n" + reason);
    EXPECT_EQ(numeric::Cp932ToUtf8(FileQuestion(FileStep::kWriteBack, failure)),
              "結果を JWC_TEMP.TXT に書き込めませんでした。\n" + reason);
  }
}

// The host's file cannot be read, or the answer cannot be written: while the user retries, the
// conversation asks again; Cancel answers as the Cancel button does, where the file allows. The
// file is kept from the program as a user meets it: another program holds it on Windows, its mode
// (and its folder's) forbids it elsewhere.
enum class Kept { kFileAndFolder, kFolderClosed };

// Keeps the host's file from the program until it is mended.
#ifdef _WIN32
constexpr const char* kWhy = "ほかのプログラムがこのファイルを使用しています。";
class KeptFile {
 public:
  KeptFile(const TempFolder& folder, Kept)
      : held_(CreateFileW((folder / exchange::kExchangeFileName).c_str(), GENERIC_READ, 0, nullptr,
                          OPEN_EXISTING, 0, nullptr)) {}
  ~KeptFile() { Mend(); }
  void Mend() {
    if (held_ != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(held_, INVALID_HANDLE_VALUE));
  }

 private:
  HANDLE held_;
};
#else
constexpr const char* kWhy = "このファイルにアクセスする権限がありません。";
class KeptFile {
 public:
  KeptFile(const TempFolder& folder, Kept kept) : folder_(folder) {
    const bool folderClosed = kept == Kept::kFolderClosed;
    ::chmod((folder / exchange::kExchangeFileName).c_str(), folderClosed ? 0600 : 0);
    ::chmod(folder.Path().c_str(), folderClosed ? 0600 : 0500);
  }
  ~KeptFile() { Mend(); }
  // The folder first: the file cannot be reached before.
  void Mend() {
    ::chmod(folder_.Path().c_str(), 0700);
    ::chmod((folder_ / exchange::kExchangeFileName).c_str(), 0600);
  }

 private:
  const TempFolder& folder_;
};
#endif

// How a Retry box is answered, and what comes while it is up. To mend is to make the file usable
// again.
enum class Box {
  kRetry,
  kCancel,
  kMendThenRetry,
  kMendThenCancel,
  kMendThenProgramEnds,        // then Retry, too late
  kMendThenCloseFromOutside,   // then Retry
  kCloseFromOutsideThenRetry,  // not mended: the close's answer is asked about next
  kOkFromOutsideThenMendThenRetry,
};
using enum Box;

TEST(DialogConversationTest, FileFailuresAskUntilTheUserGivesUp) {
#ifndef _WIN32
  if (!exchange::test::DropPermissionOverride()) GTEST_SKIP() << "root's override stays here";
#endif
  using enum FileStep;
  const struct {
    const char* name;
    FileStep failing;
    std::vector<Box> boxes;  // Cancel after these
    std::string answer = kWorkedExampleAnswer;
    Kept kept = Kept::kFileAndFolder;
    std::vector<Event> atAnswer = {kOk};
    std::vector<Event> whileWaited = {};   // at the first pause, which only Windows makes
    std::vector<Event> whileErrorUp = {};  // OK refused with an error box where any
  } cases[] = {
      {"unreadable at the first Retry too", kRead, {kRetry, kMendThenRetry}},
      {"a folder that cannot be looked into",
       kRead,
       {kMendThenRetry},
       kWorkedExampleAnswer,
       Kept::kFolderClosed},
      {"unreadable, Cancel: nothing can be answered", kRead, {kCancel}, kHostFile},
      {"unreadable, mended, Cancel: as Cancel", kRead, {kMendThenCancel}, kNothingDrawn},
      {"unreadable, the program ends meanwhile", kRead, {kMendThenProgramEnds}, kNothingDrawn},
      {"unreadable, closed from outside meanwhile, then unwritable: that answer is asked about too",
       kRead,
       {kCloseFromOutsideThenRetry, kMendThenRetry},
       kNothingDrawn},
      {"unreadable, OK from outside meanwhile", kRead, {kOkFromOutsideThenMendThenRetry}},
      {"unwritable at the first Retry too", kWriteBack, {kRetry, kMendThenRetry}},
      {"unwritable, Cancel: neither written nor deleted", kWriteBack, {kCancel}, kHostFile},
      {"unwritable, mended, Cancel: as Cancel", kWriteBack, {kMendThenCancel}, kNothingDrawn},
      {"unwritable, the program ends meanwhile", kWriteBack, {kMendThenProgramEnds}},
      {"unwritable, OK from outside meanwhile", kWriteBack, {kOkFromOutsideThenMendThenRetry}},
      {"unwritable, closed from outside meanwhile", kWriteBack, {kMendThenCloseFromOutside}},
      {"unwritable, OK and a close from outside while it is waited for",
       kWriteBack,
       {kMendThenRetry},
       kWorkedExampleAnswer,
       Kept::kFileAndFolder,
       {kOk},
       {kOk, kClose}},
      {"unwritable, closed from outside while an error box was up: that answer is asked about",
       kWriteBack,
       {kMendThenRetry},
       kNothingDrawn,
       Kept::kFileAndFolder,
       {kOk},
       {},
       {kClose}},
      {"unwritable at the program's end: nothing asked",
       kWriteBack,
       {},
       kHostFile,
       Kept::kFileAndFolder,
       {kProgramEnd, kOk}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
#ifdef _WIN32
    if (c.kept != Kept::kFileAndFolder) continue;  // Windows holds a file, not its folder
#else
    if (!c.whileWaited.empty()) continue;  // no wait, and it would repeat a row
#endif
    const TempFolder folder;
    folder.Write(exchange::kExchangeFileName, kHostFile);
    FakeView view;
    DimensionDialogModel model(view, folder.Path(), kSeparators, [&view] { return view.now; });
    std::optional<KeptFile> kept;
    view.answerBox = [&] {
      const Box box =
          view.questions.size() <= c.boxes.size() ? c.boxes[view.questions.size() - 1] : kCancel;
      if (box == kOkFromOutsideThenMendThenRetry) model.OnOk();
      if (box != kRetry && box != kCancel && box != kCloseFromOutsideThenRetry) kept->Mend();
      if (box == kMendThenProgramEnds) model.OnProgramEnd();
      if (box == kMendThenCloseFromOutside || box == kCloseFromOutsideThenRetry) model.OnClose();
      return box != kCancel && box != kMendThenCancel;
    };
    view.meanwhile = [&] { Apply(model, c.whileWaited, folder); };
    view.whileErrorUp = [&] { Apply(model, c.whileErrorUp, folder); };
    if (!c.whileErrorUp.empty()) view.texts[kTextDistanceField] = "1e400";
    if (c.failing == kRead) kept.emplace(folder, c.kept);
    model.OnShown();
    if (c.failing == kWriteBack) kept.emplace(folder, c.kept);
    Apply(model, c.atAnswer, folder);
    kept.reset();
    EXPECT_TRUE(model.Closed());
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "close"), 1) << "closed once";
    const std::string unwritten = "結果を JWC_TEMP.TXT に書き込めませんでした。\n";
    std::string question =
        c.failing == kRead ? "JWC_TEMP.TXT を読み込めませんでした。\n" : unwritten;
    std::vector<std::string> questions;
    for (const Box box : c.boxes) {
      questions.push_back(question + kWhy);
      if (box == kCloseFromOutsideThenRetry) question = unwritten;
    }
    EXPECT_EQ(view.questions, questions);
    EXPECT_EQ(ReadBytes(folder / exchange::kExchangeFileName), c.answer);
#ifdef _WIN32
    EXPECT_GT(view.pauses, 0) << "the wait did not keep the window drawn";
#endif
  }
}

}  // namespace
}  // namespace morven::tool
