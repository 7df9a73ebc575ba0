#include "tool/win32/form_controls.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "tool/win32/wide_text.h"

namespace morven::tool::win32 {
namespace {

constexpr int kFirstControlId = 100;
constexpr int kOpenListRows = 11;  // as many as a list of the form holds

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

ControlClass ClassFor(const ControlSpec& row) {
  switch (row.kind) {
    case ControlKind::kLabel:
      return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::kDropDownList:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case ControlKind::kEdit:
      return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kDefaultButton:
      return {L"BUTTON", ButtonStyle(true), 0};
    case ControlKind::kCancelButton:
      return {L"BUTTON", ButtonStyle(false), 0};
  }
  return {L"STATIC", 0, 0};
}

// The closed list is as high as the table says, whatever height its font gives it. The field's
// height is set from what the list measures, since Wine reports it 2 pixels above what was set.
void FitClosedListHeight(HWND list, int height) {
  LRESULT field = SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int attempt = 0; attempt < 2 && field != CB_ERR; ++attempt) {
    RECT shown{};
    GetWindowRect(list, &shown);
    if (shown.bottom - shown.top == height) return;
    field += height - (shown.bottom - shown.top);
    if (field <= 0) return;
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  }
}

// The caption's width in the font.
int TextWidth(HWND control, HFONT font) {
  const std::wstring text = WindowText(control);
  HDC context = GetDC(control);
  if (context == nullptr) return 0;
  const HGDIOBJ previous = SelectObject(context, font);
  SIZE measured{};
  GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &measured);
  SelectObject(context, previous);
  ReleaseDC(control, context);
  return measured.cx;
}

}  // namespace

int ControlId(ControlRole role) {
  return kFirstControlId + static_cast<int>(role);
}

std::optional<ControlRole> RoleOfId(int id) {
  const int index = id - kFirstControlId;
  if (index < 0 || static_cast<std::size_t>(index) >= FormControls().size()) return std::nullopt;
  return FormControls()[static_cast<std::size_t>(index)].role;
}

DWORD ButtonStyle(bool isDefault) {
  return (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY;
}

HWND MakeControl(const ControlSpec& row, HWND form) {
  const ControlClass controlClass = ClassFor(row);
  const DWORD tabStop = row.tabOrder != kNoTabStop ? WS_TABSTOP : 0;
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form, GWLP_HINSTANCE));
  HWND control = CreateWindowExW(
      controlClass.exStyle, controlClass.name, WideFromCp932(row.text).c_str(),
      WS_CHILD | WS_VISIBLE | tabStop | controlClass.style, row.rect.left, row.rect.top,
      row.rect.width, row.rect.height, form,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(row.role))), instance, nullptr);
  // Only a list has items.
  for (const char* item : row.items) {
    SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromCp932(item).c_str()));
  }
  if (!row.items.empty()) SendMessageW(control, CB_SETCURSEL, 0, 0);
  return control;
}

void PlaceControls(std::span<const HWND> controls, HFONT font, FormScale scale) {
  for (const ControlSpec& row : FormControls()) {
    HWND control = controls[static_cast<std::size_t>(row.role)];
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const PixelRect place = scale.Rect(row.rect);
    PixelSize size{place.width, place.height};
    if (row.kind == ControlKind::kLabel) size = LabelSize(row, TextWidth(control, font), scale);
    // A drop-down list is as high as its open list.
    const int listItem = scale.Pixels(kListItemHeight);
    if (row.kind == ControlKind::kDropDownList) size.height += kOpenListRows * listItem + 2;
    SetWindowPos(control, nullptr, place.left, place.top, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (row.kind == ControlKind::kDropDownList) {
      SendMessageW(control, CB_SETITEMHEIGHT, 0, listItem);
      FitClosedListHeight(control, place.height);
    }
    InvalidateRect(control, nullptr, TRUE);
  }
}

}  // namespace morven::tool::win32
