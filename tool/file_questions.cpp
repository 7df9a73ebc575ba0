#include "tool/file_questions.h"

#include "tool/form_texts.h"

namespace morven::tool {

std::string FileQuestion(FileStep step, exchange::FileFailure) {
  return std::string(step == FileStep::kRead ? kExchangeFileUnread : kExchangeFileUnwritten) +
         "\n" + kFileMayBeInUse;
}

}  // namespace morven::tool
