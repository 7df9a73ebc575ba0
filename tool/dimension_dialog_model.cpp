#include "tool/dimension_dialog_model.h"

#include <utility>

#include "exchange/exchange_file.h"
#include "exchange/reader.h"
#include "exchange/regular_file.h"
#include "exchange/write_back.h"
#include "numeric/float_error.h"
#include "tool/file_questions.h"
#include "tool/text_type_list.h"

namespace morven::tool {

DimensionDialogModel::DimensionDialogModel(std::optional<std::filesystem::path> programFolder,
                                           numeric::Separators separators,
                                           exchange::PauseFunction pause)
    : programFolder_(std::move(programFolder)), separators_(separators), pause_(pause) {}

DimensionDialogModel::~DimensionDialogModel() = default;

std::optional<std::filesystem::path> DimensionDialogModel::ExchangeFilePath() const {
  if (!programFolder_) return std::nullopt;
  return *programFolder_ / exchange::kExchangeFileName;
}

bool DimensionDialogModel::ReadOnFirstShow(const RetryAsker& askToRetry) {
  if (read_ || closed_) return false;
  read_ = true;
  for (Read(); readFailure_; Read()) {
    const bool retry = askToRetry && askToRetry(FileQuestion(FileStep::kRead, *readFailure_));
    if (closed_) return false;
    if (!retry) {
      CloseWithoutAsking();
      return false;
    }
  }
  return true;
}

void DimensionDialogModel::Read() {
  exchange::ResetExchangeState(state_);
  readFailure_.reset();
  if (const auto path = ExchangeFilePath()) {
    const exchange::FileResult read = exchange::ReadExchangeFile(state_, *path, pause_);
    const exchange::PathContent found =
        read ? exchange::PathContent::kRegularFile : exchange::WhatIsAt(*path);
    if (found == exchange::PathContent::kRegularFile || found == exchange::PathContent::kUnknown) {
      readFailure_ = read.Failure();
    }
  }
  exchange::ResetCommandWriter(state_);
}

std::vector<std::string> DimensionDialogModel::TextTypeItems() const {
  return TextTypeListItems(state_, separators_);
}

OkOutcome DimensionDialogModel::BuildOnOk(const DimensionEntries& entries) {
  if (closed_) return {};
  if (!read_) {
    read_ = true;
    Read();
  }
  if (readFailure_) return {};
  OkOutcome outcome;
  try {
    switch (BuildHorizontalDimension(state_, entries, separators_)) {
      case DimensionResult::kBuilt:
        outcome.kind = OkOutcome::Kind::kBuilt;
        break;
      case DimensionResult::kEndMarkScaleNotPositive:
        outcome = {OkOutcome::Kind::kRefused, ControlRole::kMarkScaleField, {}};
        break;
      case DimensionResult::kExtensionGapNegative:
        outcome = {OkOutcome::Kind::kRefused, ControlRole::kExtensionGapField, {}};
        break;
      case DimensionResult::kOvershootNegative:
        outcome = {OkOutcome::Kind::kRefused, ControlRole::kOvershootField, {}};
        break;
    }
  } catch (const numeric::FloatingPointError& error) {
    outcome = {OkOutcome::Kind::kFailed, ControlRole::kStartMarkList,
               std::string(error.what()) + "."};
  }
  return outcome;
}

// Written, or what is in the file's place could never take the answer. Looked at before writing:
// a failed write-back deletes a link to a device.
exchange::FileResult DimensionDialogModel::TryWriteBack() {
  const auto path = ExchangeFilePath();
  if (!path) return {};
  const exchange::PathContent found = exchange::WhatIsAt(*path);
  const exchange::FileResult written = exchange::WriteBackExchangeFile(state_, *path, pause_);
  if (found == exchange::PathContent::kNotAFile) return {};
  return written;
}

void DimensionDialogModel::Release() {
  closed_ = true;
  exchange::ReleaseExchangeState(state_);
}

void DimensionDialogModel::WriteBackOnClose(const RetryAsker& askToRetry) {
  while (!closed_) {
    const exchange::FileResult written = TryWriteBack();
    if (written) {
      Release();
    } else if (!askToRetry || !askToRetry(FileQuestion(FileStep::kWriteBack, *written.Failure()))) {
      GiveUpAnswer();
    }
  }
}

void DimensionDialogModel::CloseWithoutAsking() {
  if (closed_) return;
  (void)TryWriteBack();
  Release();
}

void DimensionDialogModel::GiveUpAnswer() {
  state_.CommandBuffer.Release();
  CloseWithoutAsking();
}

}  // namespace morven::tool
