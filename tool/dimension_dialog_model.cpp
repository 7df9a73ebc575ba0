#include "tool/dimension_dialog_model.h"

#include <utility>

#include "exchange/exchange_file.h"
#include "exchange/reader.h"
#include "exchange/write_back.h"
#include "numeric/float_error.h"
#include "tool/text_type_list.h"

namespace morven::tool {

DimensionDialogModel::DimensionDialogModel(std::optional<std::filesystem::path> programFolder,
                                           numeric::Separators separators)
    : programFolder_(std::move(programFolder)), separators_(separators) {}

DimensionDialogModel::~DimensionDialogModel() = default;

std::optional<std::filesystem::path> DimensionDialogModel::ExchangeFilePath() const {
  if (!programFolder_) return std::nullopt;
  return *programFolder_ / exchange::kExchangeFileName;
}

bool DimensionDialogModel::ReadOnFirstShow() {
  if (read_ || closed_) return false;
  read_ = true;
  exchange::ResetExchangeState(state_);
  if (const auto path = ExchangeFilePath()) exchange::ReadExchangeFile(state_, *path);
  exchange::ResetCommandWriter(state_);
  return true;
}

std::vector<std::string> DimensionDialogModel::TextTypeItems() const {
  return TextTypeListItems(state_, separators_);
}

OkOutcome DimensionDialogModel::BuildOnOk(const DimensionEntries& entries) {
  if (closed_) return {};
  ReadOnFirstShow();
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

void DimensionDialogModel::WriteBackOnClose() {
  if (closed_) return;
  closed_ = true;
  if (const auto path = ExchangeFilePath()) exchange::WriteBackExchangeFile(state_, *path);
  exchange::ReleaseExchangeState(state_);
}

}  // namespace morven::tool
