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
    case FileFailure::kNothingThere:
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

DimensionDialogModel::~DimensionDialogModel() {
  AnswerWithoutAsking();
}

void DimensionDialogModel::OnShown() {
  if (stage_ != Stage::kUnread) return;
  stage_ = Stage::kReading;
  for (auto failure = Read(); failure; failure = Read()) {
    const bool retry = view_.AskRetryOrCancel(FileQuestion(FileStep::kRead, *failure));
    if (Closed()) return;
    if (!retry) {
      AnswerWithoutAsking();
      view_.Close();
      return;
    }
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
  try {
    result = BuildHorizontalDimension(state_, EntriesOf(view_), separators_);
  } catch (const numeric::FloatingPointError& error) {
    view_.ShowError(std::string(error.what()) + ".");
    return;
  }
  if (result == DimensionResult::kBuilt) {
    view_.Close();
  } else {
    view_.FocusAndSelect(RefusedField(result));
  }
}

// Written, or what is in the file's place could never take the answer.
exchange::FileResult DimensionDialogModel::WriteBack() {
  if (!exchangeFile_) return {};
  const exchange::FileResult written =
      exchange::WriteBackExchangeFile(state_, *exchangeFile_, pacing_);
  if (written.Failure() == FileFailure::kNotARegularFile) return {};
  return written;
}

void DimensionDialogModel::OnClose() {
  while (!Closed()) {
    const exchange::FileResult written = WriteBack();
    if (written) {
      stage_ = Stage::kClosed;
      exchange::ReleaseExchangeState(state_);
    } else if (!view_.AskRetryOrCancel(FileQuestion(FileStep::kWriteBack, *written.Failure()))) {
      state_.CommandBuffer.Release();
      AnswerWithoutAsking();
    }
  }
}

void DimensionDialogModel::OnSessionEnd() {
  if (Closed()) return;
  AnswerWithoutAsking();
  view_.Close();
}

void DimensionDialogModel::AnswerWithoutAsking() {
  if (Closed()) return;
  (void)WriteBack();
  stage_ = Stage::kClosed;
  exchange::ReleaseExchangeState(state_);
}

}  // namespace morven::tool
