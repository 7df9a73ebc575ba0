#include "tool/dimension_dialog_model.h"

#include <utility>

#include "exchange/exchange_file.h"
#include "exchange/reader.h"
#include "exchange/regular_file.h"
#include "exchange/write_back.h"
#include "numeric/float_error.h"
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

bool DimensionDialogModel::ReadOnFirstShow() {
  if (read_ || closed_) return false;
  read_ = true;
  ReadAgain();
  return true;
}

void DimensionDialogModel::ReadAgain() {
  if (closed_) return;
  exchange::ResetExchangeState(state_);
  readFailed_ = false;
  if (const auto path = ExchangeFilePath();
      path && !exchange::ReadExchangeFile(state_, *path, pause_)) {
    const exchange::PathContent found = exchange::WhatIsAt(*path);
    readFailed_ =
        found == exchange::PathContent::kRegularFile || found == exchange::PathContent::kUnknown;
  }
  exchange::ResetCommandWriter(state_);
}

std::vector<std::string> DimensionDialogModel::TextTypeItems() const {
  return TextTypeListItems(state_, separators_);
}

OkOutcome DimensionDialogModel::BuildOnOk(const DimensionEntries& entries) {
  if (closed_) return {};
  ReadOnFirstShow();
  if (readFailed_) return {};  // nothing is drawn from a file that was not read
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

// True when written, or when what is in the file's place could never take the answer. Looked at
// before writing: a failed write-back deletes a link to a device.
bool DimensionDialogModel::TryWriteBack() {
  const auto path = ExchangeFilePath();
  if (!path) return true;
  const exchange::PathContent found = exchange::WhatIsAt(*path);
  return exchange::WriteBackExchangeFile(state_, *path, pause_) ||
         found == exchange::PathContent::kNotAFile;
}

void DimensionDialogModel::Release() {
  closed_ = true;
  exchange::ReleaseExchangeState(state_);
}

bool DimensionDialogModel::WriteBackOnClose() {
  if (closed_) return true;
  if (!TryWriteBack()) return false;
  Release();
  return true;
}

void DimensionDialogModel::CloseWithoutAsking() {
  if (closed_) return;
  TryWriteBack();
  Release();
}

void DimensionDialogModel::GiveUpAnswer() {
  state_.CommandBuffer.Release();
  CloseWithoutAsking();
}

}  // namespace morven::tool
