#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "tool/byte_limit.h"

namespace morven::tool::win32 {

// Holds an EDIT control to its field's rule (tool/byte_limit.h), applied before the control takes
// an edit: what is typed (a surrogate pair once both halves are in), what
// an input method commits, and what is pasted (Ctrl+V, Shift+Insert, the context menu's Paste).
// What fits goes in through EM_REPLACESEL with undo, so the control's own Ctrl+Z takes a cut
// paste back; a refused edit changes nothing, and nothing overlong is ever painted. Control
// characters (Backspace, Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z) reach the control untouched.
class ByteLimitedEdit {
 public:
  // Subclasses `edit` until the control is destroyed or this object is, whichever comes first.
  ByteLimitedEdit(HWND edit, FieldRule rule);
  ~ByteLimitedEdit();
  ByteLimitedEdit(const ByteLimitedEdit&) = delete;
  ByteLimitedEdit& operator=(const ByteLimitedEdit&) = delete;

 private:
  static LRESULT CALLBACK Procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Detach();

  // The text that a typed UTF-16 unit completes; nothing while the first half of a pair waits.
  std::optional<std::u16string> Typed(WPARAM unit);
  // Puts what fits of `inserted` in place of the selection, or nothing when the edit is refused.
  void Insert(std::u16string_view inserted);

  HWND edit_;
  WNDPROC original_ = nullptr;
  FieldRule rule_;
  char16_t heldHighSurrogate_ = 0;
};

}  // namespace morven::tool::win32
