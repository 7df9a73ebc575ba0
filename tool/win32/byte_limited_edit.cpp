#include "tool/win32/byte_limited_edit.h"

#include <imm.h>

#include <utility>

#include "tool/byte_limit.h"
#include "tool/win32/wide_text.h"

namespace morven::tool::win32 {
namespace {

constexpr LPARAM kInputMethodResult =
    GCS_RESULTSTR | GCS_RESULTCLAUSE | GCS_RESULTREADSTR | GCS_RESULTREADCLAUSE;

bool IsHighSurrogate(WPARAM unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(WPARAM unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Backspace, Tab, Enter, Esc and Ctrl with a letter are the control's commands, not text.
bool IsControlCharacter(WPARAM character) {
  return character < 0x20 || character == 0x7F;
}

std::u16string CodePointText(WPARAM codePoint) {
  if (codePoint > 0x10FFFF) return {};
  if (codePoint < 0x10000) return std::u16string(1, static_cast<char16_t>(codePoint));
  const WPARAM above = codePoint - 0x10000;
  return {static_cast<char16_t>(0xD800 + (above >> 10)),
          static_cast<char16_t>(0xDC00 + (above & 0x3FF))};
}

TextRange Selection(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

// Line breaks and all: the field's rule keeps what a one-line field takes of it.
std::u16string ClipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return {};
  std::u16string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const char16_t*>(GlobalLock(data))) {
      const std::u16string_view held(units, GlobalSize(data) / sizeof(char16_t));
      text = held.substr(0, held.find(u'\0'));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::u16string InputMethodResult(HWND edit) {
  HIMC context = ImmGetContext(edit);
  if (context == nullptr) return {};
  std::u16string result;
  const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
  if (bytes > 0) {
    result.resize(static_cast<std::size_t>(bytes) / sizeof(char16_t));
    ImmGetCompositionStringW(context, GCS_RESULTSTR, result.data(), static_cast<DWORD>(bytes));
  }
  ImmReleaseContext(edit, context);
  return result;
}

}  // namespace

ByteLimitedEdit::ByteLimitedEdit(HWND edit, FieldRule rule) : edit_(edit), rule_(rule) {
  SetWindowLongPtrW(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

ByteLimitedEdit::~ByteLimitedEdit() {
  Detach();
}

void ByteLimitedEdit::Detach() {
  if (edit_ == nullptr) return;
  SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  SetWindowLongPtrW(edit_, GWLP_USERDATA, 0);
  edit_ = nullptr;
}

LRESULT CALLBACK ByteLimitedEdit::Procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ByteLimitedEdit*>(GetWindowLongPtrW(edit, GWLP_USERDATA));
  if (self == nullptr) {
    const auto original = reinterpret_cast<WNDPROC>(GetClassLongPtrW(edit, GCLP_WNDPROC));
    return CallWindowProcW(original, edit, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    const WNDPROC original = self->original_;
    self->Detach();
    return CallWindowProcW(original, edit, message, wParam, lParam);
  }
  return self->OnMessage(message, wParam, lParam);
}

LRESULT ByteLimitedEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
      if (IsControlCharacter(wParam)) {
        heldHighSurrogate_ = 0;
        break;
      }
      if (const std::optional<std::u16string> typed = Typed(wParam)) Insert(*typed);
      return 0;
    case WM_UNICHAR:
      if (wParam == UNICODE_NOCHAR) return TRUE;
      if (IsControlCharacter(wParam)) break;
      Insert(CodePointText(wParam));
      return FALSE;
    case WM_IME_COMPOSITION:
      // The result goes in here, whole and cut to fit, instead of as one WM_IME_CHAR a character.
      if ((lParam & GCS_RESULTSTR) == 0) break;
      Insert(InputMethodResult(edit_));
      lParam &= ~kInputMethodResult;
      if (lParam == 0) return 0;
      break;
    case WM_PASTE:
      Insert(ClipboardText(edit_));
      return 0;
    case WM_KEYDOWN:
      // Wine's edit control pastes Shift+Insert by itself, without a WM_PASTE.
      if (wParam == VK_INSERT && (GetKeyState(VK_SHIFT) & 0x8000) != 0) {
        Insert(ClipboardText(edit_));
        return 0;
      }
      break;
    case WM_KILLFOCUS:
      heldHighSurrogate_ = 0;
      break;
    default:
      break;
  }
  return CallWindowProcW(original_, edit_, message, wParam, lParam);
}

std::optional<std::u16string> ByteLimitedEdit::Typed(WPARAM unit) {
  const char16_t held = std::exchange(heldHighSurrogate_, 0);
  if (IsHighSurrogate(unit)) {
    heldHighSurrogate_ = static_cast<char16_t>(unit);
    return std::nullopt;
  }
  std::u16string typed;
  if (held != 0 && IsLowSurrogate(unit)) typed += held;
  typed += static_cast<char16_t>(unit);
  return typed;
}

void ByteLimitedEdit::Insert(std::u16string_view inserted) {
  if (inserted.empty()) return;
  const std::optional<LimitedEdit> edit =
      LimitEdit(Utf16FromWide(WindowText(edit_)), Selection(edit_), inserted, rule_);
  if (!edit) return;
  const std::wstring kept = WideFromUtf16(edit->inserted);
  SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
}

}  // namespace morven::tool::win32
