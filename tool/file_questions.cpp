#include "tool/file_questions.h"

#include "tool/form_texts.h"

namespace morven::tool {

namespace {

const char* Reason(exchange::FileFailure failure) {
  switch (failure) {
    case exchange::FileFailure::kHeldByAnotherProgram:
      return kFileHeldByAnotherProgram;
    case exchange::FileFailure::kNoPermission:
      return kFileNotPermitted;
    case exchange::FileFailure::kDiskFull:
      return kDiskFull;
    case exchange::FileFailure::kNothingThere:
    case exchange::FileFailure::kNotARegularFile:
    case exchange::FileFailure::kOther:
      break;
  }
  return kFileMayBeInUse;
}

}  // namespace

std::string FileQuestion(FileStep step, exchange::FileFailure failure) {
  return std::string(step == FileStep::kRead ? kExchangeFileUnread : kExchangeFileUnwritten) +
         "\n" + Reason(failure);
}

}  // namespace morven::tool
