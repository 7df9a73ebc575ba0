#pragma once

#include <string>

#include "exchange/file_failure.h"

namespace morven::tool {

// The two steps on the host's file that the user is asked about when they fail.
enum class FileStep { kRead, kWriteBack };

// The question put to the user, with Retry and Cancel, when a step on the host's file failed:
// what failed, then why as far as the system tells. Shift_JIS.
std::string FileQuestion(FileStep step, exchange::FileFailure failure);

}  // namespace morven::tool
