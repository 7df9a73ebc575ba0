#pragma once

// Resources of morven.exe that the code loads, shared with morven.rc (hence macros).

// The form's icon, 16 and 32 pixels; the first icon in the file, so Explorer shows it too.
#define MORVEN_FORM_ICON 1
