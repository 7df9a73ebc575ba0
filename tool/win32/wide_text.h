#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Where the dialog's text crosses between the model's Shift_JIS bytes and the window's UTF-16,
// and nowhere else.
namespace morven::tool::win32 {

std::wstring WideFromCp932(std::string_view cp932);

// Characters code page 932 has no code for are left out; the fields admit none.
std::string Cp932FromWide(std::wstring_view text);

std::string Utf8FromWide(std::wstring_view text);

std::u16string Utf16FromWide(std::wstring_view text);
std::wstring WideFromUtf16(std::u16string_view text);

std::wstring WindowText(HWND window);

}  // namespace morven::tool::win32
