#include "tool/dimension_dialog_model.h"

#include <utility>

#include "exchange/exchange_file.h"
#include "exchange/reader.h"
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

// Nothing there, or something that is never the host's (a FIFO, a device, a folder): the start
// values, and nothing to ask about.
void DimensionDialogModel::Read() {
  exchange::ResetExchangeState(state_);
  readFailure_.reset();
  if (const auto path = ExchangeFilePath()) {
    readFailure_ = exchange::ReadExchangeFile(state_, *path, pause_).Failure();
    if (readFailure_ == exchange::FileFailure::kNothingThere ||
        readFailure_ == exchange::FileFailure::kNotARegularFile) {
      readFailure_.reset();
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

// Written, or what is in the file's place could never take the answer.
exchange::FileResult DimensionDialogModel::TryWriteBack() {
  const auto path = ExchangeFilePath();
  if (!path) return {};
  const exchange::FileResult written = exchange::WriteBackExchangeFile(state_, *path, pause_);
  if (written.Failure() == exchange::FileFailure::kNotARegularFile) return {};
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
