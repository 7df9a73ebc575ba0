#include "tool/dimension_dialog_model.h"

#include <utility>

#include "exchange/exchange_file.h"
#include "exchange/reader.h"
#include "exchange/write_back.h"
#include "numeric/float_error.h"
#include "tool/form_texts.h"
#include "tool/horizontal_dimension.h"
#include "tool/text_type_list.h"

namespace morven::tool {
namespace {

using exchange::FileFailure;
using enum ControlRole;

const char* Reason(FileFailure failure) {
  switch (failure) {
    case FileFailure::kHeldByAnotherProgram:
      return kFileHeldByAnotherProgram;
    case FileFailure::kNoPermission:
      return kFileNotPermitted;
    case FileFailure::kDiskFull:
      return kDiskFull;
    case FileFailure::kNothingThere:  // only a folder: a missing file is made or not asked about
      return kFolderNotFound;
    case FileFailure::kNotARegularFile:
    case FileFailure::kOther:
      break;
  }
  return kFileMayBeInUse;
}

DimensionEntries EntriesOf(const DialogView& view) {
  return {.startMark = view.ListChoice(kStartMarkList),
          .endMark = view.ListChoice(kEndMarkList),
          .endMarkScale = view.FieldText(kMarkScaleField),
          .textTypeChoice = view.ListChoice(kTextTypeList),
          .prefix = view.FieldText(kPrefixField),
          .suffix = view.FieldText(kSuffixField),
          .textDistance = view.FieldText(kTextDistanceField),
          .extensionGap = view.FieldText(kExtensionGapField),
          .overshoot = view.FieldText(kOvershootField)};
}

ControlRole RefusedField(DimensionResult refusal) {
  switch (refusal) {
    case DimensionResult::kExtensionGapNegative:
      return kExtensionGapField;
    case DimensionResult::kOvershootNegative:
      return kOvershootField;
    case DimensionResult::kEndMarkScaleNotPositive:
    case DimensionResult::kBuilt:
      break;
  }
  return kMarkScaleField;
}

}  // namespace

std::string FileQuestion(FileStep step, FileFailure failure) {
  return std::string(step == FileStep::kRead ? kExchangeFileUnread : kExchangeFileUnwritten) +
         "\n" + Reason(failure);
}

DimensionDialogModel::DimensionDialogModel(
    DialogView& view, std::optional<std::filesystem::path> programFolder,
    numeric::Separators separators, std::function<std::chrono::steady_clock::time_point()> clock)
    : view_(view),
      pacing_{[this](std::chrono::milliseconds time) { view_.PauseWhileFileHeld(time); },
              std::move(clock)},
      separators_(separators) {
  if (programFolder) exchangeFile_ = *programFolder / exchange::kExchangeFileName;
}

bool DimensionDialogModel::WhileBoxUp(Stage box, const std::function<void()>& show) {
  const Stage before = std::exchange(stage_, box);
  show();
  if (stage_ != box) return false;
  stage_ = before;
  return true;
}

void DimensionDialogModel::OnShown() {
  if (stage_ != Stage::kUnread) return;
  stage_ = Stage::kReading;
  for (auto failure = Read(); failure && !closeKept_; failure = Read()) {
    bool retry = false;
    if (!WhileBoxUp(Stage::kAskingRead, [&] {
          retry = view_.AskRetryOrCancel(FileQuestion(FileStep::kRead, *failure));
        })) {
      return;
    }
    if (!retry) {
      Answer(false);
      return;
    }
  }
  if (closeKept_) {
    Answer(true);
    return;
  }
  stage_ = Stage::kOpen;
  view_.FillList(kTextTypeList, TextTypeListItems(state_, separators_));
}

// Nothing there, or something that is never the host's (a FIFO, a device, a folder), leaves the
// start values and is not asked about.
std::optional<FileFailure> DimensionDialogModel::Read() {
  exchange::ResetExchangeState(state_);
  std::optional<FileFailure> failure;
  if (exchangeFile_) {
    failure = exchange::ReadExchangeFile(state_, *exchangeFile_, pacing_).Failure();
  }
  exchange::ResetCommandWriter(state_);
  if (failure == FileFailure::kNothingThere || failure == FileFailure::kNotARegularFile) return {};
  return failure;
}

void DimensionDialogModel::OnOk() {
  OnShown();
  if (stage_ != Stage::kOpen) return;
  DimensionResult result{};
  std::string error;
  try {
    result = BuildHorizontalDimension(state_, EntriesOf(view_), separators_);
  } catch (const numeric::FloatingPointError& failure) {
    error = std::string(failure.what()) + ".";
  }
  if (!error.empty()) {
    if (WhileBoxUp(Stage::kShowingError, [&] { view_.ShowError(error); }) && closeKept_) {
      Answer(true);
    }
  } else if (result == DimensionResult::kBuilt) {
    Answer(true);
  } else {
    view_.FocusAndSelect(RefusedField(result));
  }
}

void DimensionDialogModel::OnClose() {
  switch (stage_) {
    case Stage::kUnread:
    case Stage::kOpen:
      Answer(true);
      break;
    case Stage::kReading:
    case Stage::kAskingRead:
    case Stage::kShowingError:
      closeKept_ = true;
      break;
    case Stage::kAnswering:
    case Stage::kAskingAnswer:
    case Stage::kClosed:
      break;
  }
}

void DimensionDialogModel::OnProgramEnd() {
  if (stage_ != Stage::kClosed) Answer(false);
}

// Written, or what is in the file's place could never take the answer.
exchange::FileResult DimensionDialogModel::WriteBack() {
  if (!exchangeFile_) return {};
  const exchange::FileResult written =
      exchange::WriteBackExchangeFile(state_, *exchangeFile_, pacing_);
  if (written.Failure() == FileFailure::kNotARegularFile) return {};
  return written;
}

void DimensionDialogModel::Answer(bool ask) {
  stage_ = Stage::kAnswering;
  for (auto written = WriteBack(); !written && ask; written = WriteBack()) {
    bool retry = false;
    if (!WhileBoxUp(Stage::kAskingAnswer, [&] {
          retry = view_.AskRetryOrCancel(FileQuestion(FileStep::kWriteBack, *written.Failure()));
        })) {
      return;
    }
    if (!retry) {
      state_.CommandBuffer.Release();
      ask = false;
    }
  }
  stage_ = Stage::kClosed;
  exchange::ReleaseExchangeState(state_);
  view_.Close();
}

}  // namespace morven::tool
