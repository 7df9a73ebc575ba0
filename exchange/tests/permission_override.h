#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace morven::exchange::test {

// Root's override of file modes, dropped in this process, so that a file's mode applies as it
// does to a user; false where it cannot be dropped.
inline bool DropPermissionOverride() {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
  if (::syscall(SYS_capget, &header, data) != 0) return false;
  data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
  return ::syscall(SYS_capset, &header, data) == 0;
}

}  // namespace morven::exchange::test
