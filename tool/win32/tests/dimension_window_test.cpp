// The Win32 view in its real window over a real dialog model, in this process, under Wine on a
// virtual X server (run_on_wine_xvfb.sh): keys go in through the system's input queue and out
// through the dialog's own message handling, as in the program's loop. What the window shows and
// what typing, pasting and input methods do there, and the primitives the dialog's conversation
// uses; the conversation itself is tested against a fake view in the core.
#include "tool/win32/dimension_window.h"

#include <gtest/gtest.h>
#include <imm.h>
#include <oleacc.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cwctype>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "exchange/exchange_file.h"
#include "exchange/locked_file_wait.h"
#include "exchange/tests/temp_folder.h"
#include "tool/form_desktop.h"
#include "tool/form_layout.h"
#include "tool/win32/form_controls.h"
#include "tool/win32/resource_ids.h"
#include "tool/win32/wide_text.h"

namespace morven::tool {

void PrintTo(const PixelRect& rect, std::ostream* out) {
  *out << "{" << rect.left << ", " << rect.top << ", " << rect.width << " x " << rect.height << "}";
}

namespace win32 {
namespace {

using enum ControlRole;
using exchange::test::ReadBytes;
using exchange::test::TempFolder;

// The worked example as the host writes it: angle 0, scale 100, points (0,0), (1000,0), (500,500),
// text type 1 as the host starts (3 mm); and its answer.
const std::string kHostFile =
    "hk 0\r\nhs 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nlg0\r\nly0\r\nlc1\r\nlt1\r\nlw0\r\ncn1\r\n"
    "hp1 0 0\r\nhp2 1000 0\r\nhp3 500 500\r\n";
const std::string kWorkedExampleAnswer =
    "lg0\r\nly0\r\nlc1\r\npn1\r\nlt1\r\nlw0\r\ncn\"$\r\nz3\r\n0 200 0 700\r\nz3\r\n"
    "1000 200 1000 700\r\ncn1\r\nmsg\r\n0 500 1000 500\r\ncs -175 550 10 0 \"1,000.000\r\n"
    "z3\r\npt 0 500 1 180 1\r\nz3\r\npt 1000 500 1 0 1\r\n";

// The timer message of the system's own timers, such as the caret's blink.
constexpr UINT kSystemTimer = 0x0118;

struct MessageBoxShown {
  HWND owner;
  std::wstring text;
  std::wstring caption;
  UINT style;
};

std::u16string Text(HWND control) {
  return Utf16FromWide(WindowText(control));
}

// Sets an edit field's text from `marked`, where "|" is the caret and "[...]" the selection.
void SetMarkedText(HWND field, std::u16string marked) {
  const std::size_t start = marked.find_first_of(u"|[");
  const bool caret = marked[start] == u'|';
  marked.erase(start, 1);
  const std::size_t end = caret ? start : marked.find(u']');
  if (!caret) marked.erase(end, 1);
  SetWindowTextW(field, WideFromUtf16(marked).c_str());
  SendMessageW(field, EM_SETSEL, start, end);
}

std::u16string Unmarked(std::u16string marked) {
  std::erase_if(marked, [](char16_t unit) { return unit == u'|' || unit == u'[' || unit == u']'; });
  return marked;
}

std::wstring UpperClassName(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  std::wstring upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](wchar_t c) { return std::towupper(c); });
  return upper;
}

// By ControlKind: a label, a drop-down list, an edit field, the default and the cancel button.
constexpr const wchar_t* kClassOfKind[] = {L"STATIC", L"COMBOBOX", L"EDIT", L"BUTTON", L"BUTTON"};

// Each control's caption or start text, by role, with "|" between two (a list shows its item).
const std::wstring kTexts =
    L"始点||終点||端点倍率|1|寸法値の文字種||接頭文字||接尾文字||寸法値と水平線との距離|0.5|"
    L"図寸mm|計測点と寸法補助線の距離|2|図寸mm|寸法補助線のはみ出し距離|2|図寸mm|OK(&Y)|"
    L"キャンセル(&N)";

PixelRect PlaceInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The caption, drawn on one line in the label's own font, fits inside the label.
bool CaptionFits(HWND label) {
  RECT drawn{};
  HDC context = GetDC(label);
  const HGDIOBJ previous =
      SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  DrawTextW(context, WindowText(label).data(), -1, &drawn, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(context, previous);
  ReleaseDC(label, context);
  return drawn.right <= PlaceInParent(label).width;
}

// A system that refuses to make any child window.
LRESULT CALLBACK RefuseControls(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->hwndParent)
    return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK PostQuitFromAnotherProgram(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PostThreadMessageW(GetCurrentThreadId(), WM_QUIT, 0, 0);
}

void SetClipboardText(const std::u16string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::copy_n(text.c_str(), text.size() + 1, static_cast<char16_t*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

// Keys sent with SendInput reach this thread's queue through Wine's server, not at once.
void AwaitKeyInQueue() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  MSG key;
  while (!PeekMessageW(&key, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) &&
         std::chrono::steady_clock::now() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_KEY);
  }
}

INPUT Key(WORD virtualKey, WORD unit, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = unit;
  input.ki.dwFlags = flags;
  return input;
}

// Each UTF-16 unit as the keyboard delivers one, a surrogate pair as two.
void TypeUnits(std::u16string_view text) {
  std::vector<INPUT> inputs;
  for (const char16_t unit : text) {
    inputs.push_back(Key(0, unit, KEYEVENTF_UNICODE));
    inputs.push_back(Key(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  AwaitKeyInQueue();
}

// Presses the keys in order and lets them go in the opposite order: {VK_CONTROL, 'V'} is Ctrl+V.
void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) inputs.push_back(Key(key, 0, 0));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    inputs.push_back(Key(*key, 0, KEYEVENTF_KEYUP));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  AwaitKeyInQueue();
}

class DimensionWindowTest : public ::testing::Test {
 protected:
  ~DimensionWindowTest() override { Close(); }

  // The dialog over a folder that holds the host's file, shown, read, in front and with the
  // keyboard focus; the one before it closed without a word, its boxes forgotten.
  void Open(const std::function<void()>& beforeShow = {}) {
    Close();
    messageBoxes_.clear();
    folder_.Write(exchange::kExchangeFileName, kHostFile);
    if (beforeShow) beforeShow();
    window_.emplace(folder_.Path(), numeric::Separators{}, FakeDesktop(),
                    [this] { return Clock(); });
    ASSERT_TRUE(window_->Create(GetModuleHandleW(nullptr)));
    window_->Show(SW_SHOWNORMAL);
    SetForegroundWindow(window_->Handle());
    Pump();
  }

  void Close() {
    window_.reset();
    Pump();
  }

  // Runs the messages that wait, as the program's loop does, until nothing but the caret's blink
  // has come for a while: Wine hands on input through its server.
  void Pump() {
    for (int quiet = 0; quiet < 3;) {
      MSG message;
      if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        ++quiet;
        continue;
      }
      if (message.message != WM_TIMER && message.message != kSystemTimer) quiet = 0;
      if (message.message == WM_QUIT) continue;  // the window of a finished test
      if (window_ && window_->HandleDialogKey(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  HWND Control(ControlRole role) const { return window_->Control(role); }
  std::string Answer() const { return ReadBytes(folder_ / exchange::kExchangeFileName); }

  void Click(ControlRole button) {
    SendMessageW(Control(button), BM_CLICK, 0, 0);
    Pump();
  }

  // The waits for a held file run on this clock, which moves a second each time it is read, so
  // that they take no more than a few pauses; `whileHeld_` runs once, at the first reading.
  std::chrono::steady_clock::time_point Clock() {
    if (whileHeld_) std::exchange(whileHeld_, nullptr)();
    return now_ += std::chrono::seconds(1);
  }

  Desktop FakeDesktop() {
    Desktop desktop{};
    desktop.cursorPosition = [this, reading = std::size_t{0}]() mutable {
      return cursorReadings_[std::min(reading++, cursorReadings_.size() - 1)];
    };
    desktop.workAreaAt = SystemDesktop().workAreaAt;
    desktop.composesWithoutInputContext = composesWithoutInputContext_;
    desktop.showMessageBox = [this](HWND owner, const std::wstring& text,
                                    const std::wstring& caption, UINT style) {
      messageBoxes_.push_back({owner, text, caption, style});
      return answerBox_ ? answerBox_() : IDOK;
    };
    return desktop;
  }

  TempFolder folder_;
  std::vector<POINT> cursorReadings_{{500, 300}};
  std::vector<MessageBoxShown> messageBoxes_;
  bool composesWithoutInputContext_ = false;
  std::function<int()> answerBox_;  // the button a message box answers; IDOK when unset
  std::function<void()> whileHeld_;
  std::chrono::steady_clock::time_point now_;
  std::optional<DimensionWindow> window_;
};

// The form at the window's own resolution (the prefix's LogPixels; the test run that sets 144
// says so in MORVEN_TEST_DPI), then as it is laid out again on screens of the other resolutions.
TEST_F(DimensionWindowTest, ControlsHaveTheTablesClassPlaceAndSizeAtEveryResolution) {
  ASSERT_NO_FATAL_FAILURE(Open());
  HWND window = window_->Handle();
  const int own = std::atoi(std::getenv("MORVEN_TEST_DPI") ? std::getenv("MORVEN_TEST_DPI") : "96");
  EXPECT_EQ(ScreenScale().Dpi(), own) << "the resolution where none is told per window";
  // A window made while the thread knew of no resolution is drawn at 96 DPI on any screen.
  const auto setContext = reinterpret_cast<DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT)>(
      reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
  const DPI_AWARENESS_CONTEXT was = setContext(DPI_AWARENESS_CONTEXT_UNAWARE);
  HWND unaware = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 8, 8, {}, {}, {}, {});
  setContext(was);
  EXPECT_EQ(ScaleOf(unaware).Dpi(), 96);
  DestroyWindow(unaware);
  // A caption with the system menu and the minimize box, a fixed single border.
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) &
                (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & (WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW), 0);
  // At 96, 120, 144 and 192 DPI: the client area, the font's height and the icons' sizes, and each
  // control's place in the table's order.
  const std::map<int, std::size_t> column = {{96, 0}, {120, 1}, {144, 2}, {192, 3}};
  const PixelSize clients[] = {{312, 217}, {390, 271}, {468, 326}, {624, 434}};
  const int fontHeights[] = {13, 16, 20, 26};
  const std::pair<int, int> icons[] = {{16, 32}, {20, 40}, {24, 48}, {32, 64}};  // small, big
  const PixelRect places[][4] = {
      {{8, 8, 26, 13}, {10, 10, 33, 16}, {12, 12, 39, 20}, {16, 16, 52, 26}},
      {{48, 4, 81, 21}, {60, 5, 101, 26}, {72, 6, 122, 32}, {96, 8, 162, 42}},
      {{8, 32, 26, 13}, {10, 40, 33, 16}, {12, 48, 39, 20}, {16, 64, 52, 26}},
      {{48, 28, 81, 21}, {60, 35, 101, 26}, {72, 42, 122, 32}, {96, 56, 162, 42}},
      {{8, 60, 52, 13}, {10, 75, 65, 16}, {12, 90, 78, 20}, {16, 120, 104, 26}},
      {{72, 56, 57, 21}, {90, 70, 71, 26}, {108, 84, 86, 32}, {144, 112, 114, 42}},
      {{136, 8, 91, 13}, {170, 10, 114, 16}, {204, 12, 137, 20}, {272, 16, 182, 26}},
      {{136, 28, 169, 21}, {170, 35, 211, 26}, {204, 42, 254, 32}, {272, 56, 338, 42}},
      {{136, 60, 52, 13}, {170, 75, 65, 16}, {204, 90, 78, 20}, {272, 120, 104, 26}},
      {{200, 56, 105, 21}, {250, 70, 131, 26}, {300, 84, 158, 32}, {400, 112, 210, 42}},
      {{136, 84, 52, 13}, {170, 105, 65, 16}, {204, 126, 78, 20}, {272, 168, 104, 26}},
      {{200, 80, 105, 21}, {250, 100, 131, 26}, {300, 120, 158, 32}, {400, 160, 210, 42}},
      {{8, 112, 143, 13}, {10, 140, 179, 16}, {12, 168, 215, 20}, {16, 224, 286, 26}},
      {{200, 108, 57, 21}, {250, 135, 71, 26}, {300, 162, 86, 32}, {400, 216, 114, 42}},
      {{264, 112, 40, 13}, {330, 140, 50, 16}, {396, 168, 60, 20}, {528, 224, 80, 26}},
      {{8, 136, 156, 13}, {10, 170, 195, 16}, {12, 204, 234, 20}, {16, 272, 312, 26}},
      {{200, 132, 57, 21}, {250, 165, 71, 26}, {300, 198, 86, 32}, {400, 264, 114, 42}},
      {{264, 136, 40, 13}, {330, 170, 50, 16}, {396, 204, 60, 20}, {528, 272, 80, 26}},
      {{8, 160, 156, 13}, {10, 200, 195, 16}, {12, 240, 234, 20}, {16, 320, 312, 26}},
      {{200, 156, 57, 21}, {250, 195, 71, 26}, {300, 234, 86, 32}, {400, 312, 114, 42}},
      {{264, 160, 40, 13}, {330, 200, 50, 16}, {396, 240, 60, 20}, {528, 320, 80, 26}},
      {{56, 184, 97, 25}, {70, 230, 121, 31}, {84, 276, 146, 38}, {112, 368, 194, 50}},
      {{176, 184, 129, 25}, {220, 230, 161, 31}, {264, 276, 194, 38}, {352, 368, 258, 50}},
  };
  ASSERT_EQ(std::size(places), FormControls().size());
  // Another program may send a command of any id: those the form lacks are no control's.
  for (const int id : {99, 100, 122, 123}) {
    EXPECT_EQ(RoleOfId(id).has_value(), id == 100 || id == 122) << id;
  }
  std::vector<std::wstring> texts(1);
  for (const wchar_t unit : kTexts) {
    if (unit == L'|') {
      texts.emplace_back();
    } else {
      texts.back() += unit;
    }
  }
  ASSERT_EQ(texts.size(), std::size(places));
  bool opened = true;
  for (const int dpi : {own, 192, 120, 96, 144}) {
    SCOPED_TRACE(dpi);
    const std::size_t at = column.at(dpi);
    if (!std::exchange(opened, false)) {
      RECT suggested{40, 30, 1040, 1030};
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
      EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE)) << "not drawn again";
      const PixelRect frame = PlaceInParent(window);
      EXPECT_EQ((PixelPoint{frame.left, frame.top}), (PixelPoint{40, 30}));
    }
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ((PixelSize{client.right, client.bottom}), clients[at]);
    for (const ControlSpec& row : FormControls()) {
      HWND control = Control(row.role);
      ASSERT_NE(control, nullptr) << row.objectName;
      EXPECT_EQ(GetDlgCtrlID(control), 100 + static_cast<int>(row.role)) << row.objectName;
      EXPECT_EQ(UpperClassName(control), kClassOfKind[static_cast<int>(row.kind)])
          << row.objectName;
      if (row.kind != ControlKind::kDropDownList) {
        EXPECT_EQ(WindowText(control), texts.at(static_cast<std::size_t>(row.role)))
            << row.objectName;
      }
      const PixelRect place = places[static_cast<std::size_t>(row.role)][at];
      PixelRect shown = PlaceInParent(control);
      // A label is as wide as the table says, or wider where its font draws the caption wider.
      if (row.kind == ControlKind::kLabel) {
        EXPECT_TRUE(CaptionFits(control)) << row.objectName;
        EXPECT_GE(shown.width, place.width) << row.objectName;
        shown.width = place.width;
      }
      EXPECT_EQ(shown, place) << row.objectName;
      LOGFONTW font{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
                 &font);
      EXPECT_EQ(font.lfHeight, -fontHeights[at]) << row.objectName;
      EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET) << row.objectName;
      EXPECT_EQ(std::wstring(font.lfFaceName), L"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF");
    }
    for (const auto& [which, pixels] :
         {std::pair{ICON_SMALL, icons[at].first}, {ICON_BIG, icons[at].second}}) {
      ICONINFO icon{};
      ASSERT_TRUE(
          GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0)), &icon));
      BITMAP mask{};
      GetObjectW(icon.hbmMask, sizeof(mask), &mask);
      EXPECT_EQ(mask.bmWidth, pixels);
      DeleteObject(icon.hbmMask);
      DeleteObject(icon.hbmColor);
    }
  }
}

// The labels' text and background come from one scheme: the system's text on the form's white
// where it reads there, else on the system's own window (the high-contrast run, which sets
// MORVEN_TEST_HIGH_CONTRAST, gives Wine white text on black). Navy on cream and light yellow on
// slate tell the channels apart.
TEST_F(DimensionWindowTest, LabelsTakeTextAndBackgroundFromOneScheme) {
  const bool highContrast = std::getenv("MORVEN_TEST_HIGH_CONTRAST") != nullptr;
  const int elements[] = {COLOR_WINDOWTEXT, COLOR_WINDOW};
  const COLORREF before[] = {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
  const struct {
    const char* name;
    std::optional<std::pair<COLORREF, COLORREF>> scheme;  // text, window; none: the prefix's
    COLORREF text;
    COLORREF background;
  } schemes[] = {
      {"the prefix's", std::nullopt, highContrast ? RGB(255, 255, 255) : RGB(0, 0, 0),
       highContrast ? RGB(0, 0, 0) : RGB(255, 255, 255)},
      {"navy on cream", std::pair{RGB(0, 0, 0x80), RGB(0xFF, 0xFD, 0xD0)}, RGB(0, 0, 0x80),
       RGB(255, 255, 255)},
      {"light yellow on slate: its own window",
       std::pair{RGB(0xFF, 0xFF, 0xE0), RGB(0x20, 0x30, 0x40)}, RGB(0xFF, 0xFF, 0xE0),
       RGB(0x20, 0x30, 0x40)},
  };
  for (const auto& scheme : schemes) {
    SCOPED_TRACE(scheme.name);
    if (scheme.scheme) {
      const COLORREF colours[] = {scheme.scheme->first, scheme.scheme->second};
      ASSERT_TRUE(SetSysColors(2, elements, colours));
    }
    ASSERT_NO_FATAL_FAILURE(Open());
    SetSysColors(2, elements, before);
    HWND label = Control(kStartMarkLabel);
    HDC context = GetDC(label);
    LOGBRUSH painted{};
    GetObjectW(reinterpret_cast<HBRUSH>(SendMessageW(window_->Handle(), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(context),
                                                     reinterpret_cast<LPARAM>(label))),
               sizeof(painted), &painted);
    EXPECT_EQ(GetTextColor(context), scheme.text);
    EXPECT_EQ(GetBkColor(context), scheme.background);
    EXPECT_EQ(painted.lbColor, scheme.background);
    ReleaseDC(label, context);
  }
}

// A screen reader names an edit field after the label made just before it (Wine names a list by
// its current item whatever comes before it: for the lists the order is what is checked). The
// labels' texts themselves are checked with the controls.
TEST_F(DimensionWindowTest, EveryInputIsNamedByItsLabel) {
  ASSERT_NO_FATAL_FAILURE(Open());
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  const std::pair<ControlRole, std::wstring> inputs[] = {
      {kStartMarkList, L"始点"},
      {kEndMarkList, L"終点"},
      {kMarkScaleField, L"端点倍率"},
      {kTextTypeList, L"寸法値の文字種"},
      {kPrefixField, L"接頭文字"},
      {kSuffixField, L"接尾文字"},
      {kTextDistanceField, L"寸法値と水平線との距離"},
      {kExtensionGapField, L"計測点と寸法補助線の距離"},
      {kOvershootField, L"寸法補助線のはみ出し距離"}};
  int named = 0;
  for (const auto& [role, label] : inputs) {
    HWND control = Control(role);
    EXPECT_EQ(WindowText(GetWindow(control, GW_HWNDPREV)), label) << label;
    IAccessible* accessible = nullptr;
    if (UpperClassName(control) != L"EDIT" ||
        AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&accessible)) != S_OK) {
      continue;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (accessible->get_accName(self, &name) == S_OK && name != nullptr && label == name) ++named;
    SysFreeString(name);
    accessible->Release();
  }
  EXPECT_EQ(named, 6) << "edit fields named after their labels";
  CoUninitialize();
}

// Off in the four number fields and the text-type list, on everywhere else.
TEST_F(DimensionWindowTest, InputMethodIsOffExactlyInTheNumberFieldsAndTheTextTypeList) {
  ASSERT_NO_FATAL_FAILURE(Open());
  const std::vector<ControlRole> expected = {kMarkScaleField, kTextTypeList, kTextDistanceField,
                                             kExtensionGapField, kOvershootField};
  std::vector<ControlRole> off;
  for (const ControlSpec& row : FormControls()) {
    HWND control = Control(row.role);
    HIMC context = ImmGetContext(control);
    if (context == nullptr) off.push_back(row.role);
    if (context != nullptr) ImmReleaseContext(control, context);
  }
  EXPECT_EQ(off, expected);
}

enum class Entry {
  kTyping,
  kShiftA,  // with text on the clipboard
  kCtrlV,
  kShiftInsert,
  kMenuPaste,
  kInputMethod,
  kInputMethodUnderWine,
  kPastUnicode,  // WM_UNICHAR of 0xA20400, whose UTF-16 halves computed blindly would begin "A"
};

// Each way into a field goes through the field's rule (tested in the core) before the field takes
// it; Ctrl+Z takes a cut entry back. Number fields hold 16 bytes, the prefix and suffix fields 32;
// "あ" is two bytes. In `before`, "|" is the caret and "[...]" the selection.
TEST_F(DimensionWindowTest, FieldsTakeWhatFitsAndCtrlZTakesItBack) {
  const std::u16string a29(29, u'a');
  const std::u16string z32(32, u'z');
  const struct {
    const char* name;
    ControlRole field;
    std::u16string before;
    Entry entry;
    std::u16string entered;  // typed, pasted or committed
    std::u16string after;
  } edits[] = {
      {"typing stops at the limit", kTextDistanceField, u"[0.5]", Entry::kTyping,
       u"1234567890.1234567890", u"1234567890.12345"},
      {"characters code page 932 lacks are refused, a surrogate pair whole", kPrefixField, u"|",
       Entry::kTyping, u"a\u00E9\U0001F600\u20ACb\uFF5E\u2225\u2460", u"ab\uFF5E\u2225\u2460"},
      {"Shift with a letter types it; only Shift+Insert pastes", kSuffixField, u"m|",
       Entry::kShiftA, u"pasted", u"mA"},
      {"a paste over a selection whose end equals the paste's end", kOvershootField, u"[2]",
       Entry::kCtrlV, u"3.141592653589792", u"3.14159265358979"},
      {"a paste in the middle", kMarkScaleField, u"1|2", Entry::kShiftInsert, u"34567890123456789",
       u"1345678901234562"},
      {"a paste is cut at a character boundary", kPrefixField, u"ab|", Entry::kMenuPaste,
       std::u16string(40, u'\u3042'), u"ab" + std::u16string(15, u'\u3042')},
      {"a paste that does not fit changes nothing", kPrefixField, u"[z]" + z32.substr(1),
       Entry::kCtrlV, u"\u3042", z32},
      {"a space is a character like any, held to the limit", kPrefixField, z32 + u"|",
       Entry::kTyping, u" ", z32},
      {"a code point past Unicode, sent by another program, types nothing", kSuffixField, u"m|",
       Entry::kPastUnicode, u"", u"m"},
      {"an input method's result ends at its first character that does not fit", kPrefixField,
       a29 + u"|", Entry::kInputMethod, u"\u3042\u3044b", a29 + u"\u3042"},
      {"under Wine a number field keeps its input context, and the digits committed there are its",
       kMarkScaleField, u"|", Entry::kInputMethodUnderWine, u"\uFF11\uFF12\uFF13", u"123"},
  };
  for (const auto& edit : edits) {
    SCOPED_TRACE(edit.name);
    composesWithoutInputContext_ = edit.entry == Entry::kInputMethodUnderWine;
    ASSERT_NO_FATAL_FAILURE(Open());
    HWND field = Control(edit.field);
    SetFocus(field);
    SetMarkedText(field, edit.before);
    switch (edit.entry) {
      case Entry::kTyping:
        TypeUnits(edit.entered);
        break;
      case Entry::kPastUnicode:
        SendMessageW(field, WM_UNICHAR, 0xA20400, 0);
        break;
      case Entry::kShiftA:
        SetClipboardText(edit.entered);
        PressKeys({VK_SHIFT, 'A'});
        break;
      case Entry::kCtrlV:
        SetClipboardText(edit.entered);
        PressKeys({VK_CONTROL, 'V'});
        break;
      case Entry::kShiftInsert:
        SetClipboardText(edit.entered);
        PressKeys({VK_SHIFT, VK_INSERT});
        break;
      case Entry::kMenuPaste: {
        SetClipboardText(edit.entered);
        PressKeys({'P'});  // waits in the queue for the menu: its Paste item
        RECT place{};
        GetWindowRect(field, &place);
        SendMessageW(field, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(field),
                     MAKELPARAM(place.left + 2, place.top + 2));
        break;
      }
      case Entry::kInputMethod:
      case Entry::kInputMethodUnderWine: {
        HIMC context = ImmGetContext(field);
        ASSERT_NE(context, nullptr);
        ImmSetOpenStatus(context, TRUE);
        ImmSetCompositionStringW(context, SCS_SETSTR, const_cast<char16_t*>(edit.entered.c_str()),
                                 static_cast<DWORD>(edit.entered.size() * sizeof(char16_t)),
                                 nullptr, 0);
        Pump();
        ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
        ImmReleaseContext(field, context);
        break;
      }
    }
    Pump();
    EXPECT_EQ(Text(field), edit.after);
    if (edit.after != Unmarked(edit.before)) {
      PressKeys({VK_CONTROL, 'Z'});
      Pump();
      EXPECT_EQ(Text(field), Unmarked(edit.before));
    }
  }
}

// What the conversation asks of the window: a list's choice and a field's text by role, each set
// through the window to other than its start value (the prefix "寸"); a list filled; a field
// focused with its text selected; an error box.
TEST_F(DimensionWindowTest, TheConversationsPrimitivesReachTheControlOfTheirRole) {
  ASSERT_NO_FATAL_FAILURE(Open());
  for (const auto& [list, downs] :
       {std::pair{kStartMarkList, 3}, {kEndMarkList, 7}, {kTextTypeList, 10}}) {
    SetFocus(Control(list));
    for (int i = 0; i < downs; ++i) PressKeys({VK_DOWN});
    Pump();
    EXPECT_EQ(window_->ListChoice(list), downs);
  }
  for (const auto& [field, text] : {std::pair{kMarkScaleField, u"0.5"},
                                    {kPrefixField, u"\u5BF8"},
                                    {kSuffixField, u"mm"},
                                    {kTextDistanceField, u"1.5"},
                                    {kExtensionGapField, u"3"},
                                    {kOvershootField, u"4"}}) {
    SetFocus(Control(field));
    SendMessageW(Control(field), EM_SETSEL, 0, -1);
    TypeUnits(text);
    Pump();
    EXPECT_EQ(WideFromCp932(window_->FieldText(field)), WideFromUtf16(text));
  }

  window_->FillList(kTextTypeList, {"No1", "\x90\xA1"});
  HWND list = Control(kTextTypeList);
  EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
  wchar_t item[8] = {};
  SendMessageW(list, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
  EXPECT_EQ(std::wstring(item), L"\u5BF8");

  HWND field = Control(kOvershootField);
  SetWindowTextW(field, L"-0.5");
  window_->FocusAndSelect(kOvershootField);
  EXPECT_EQ(GetFocus(), field);
  DWORD start = 1, end = 0;
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 4u);

  window_->ShowError("\x95\x82.");  // "浮."
  ASSERT_EQ(messageBoxes_.size(), 1u);
  EXPECT_EQ(messageBoxes_[0].owner, window_->Handle());
  EXPECT_EQ(messageBoxes_[0].caption, L"Morven\uFF0D水平寸法の作図");
  EXPECT_EQ(messageBoxes_[0].text, L"浮.");
  EXPECT_EQ(messageBoxes_[0].style, static_cast<UINT>(MB_ICONERROR | MB_OK));
  EXPECT_EQ(Answer(), kHostFile);
}

// The program's life, however its loop ends: the system refuses the window or its controls, or
// another program ends the loop (WM_QUIT to the thread) with the dialog open. The host gets "hq"
// without a box, and the window is gone.
TEST_F(DimensionWindowTest, TheProgramAnswersHoweverItsLoopEnds) {
  const struct {
    const char* name;
    HOOKPROC refusal;
  } ends[] = {
      {"the window refused", &RefuseWindows},
      {"the controls refused", &RefuseControls},
      {"WM_QUIT from another program", nullptr},
  };
  for (const auto& end : ends) {
    SCOPED_TRACE(end.name);
    Close();
    messageBoxes_.clear();
    folder_.Write(exchange::kExchangeFileName, kHostFile);
    window_.emplace(folder_.Path(), numeric::Separators{}, FakeDesktop(),
                    [this] { return Clock(); });
    HHOOK refusal = end.refusal != nullptr
                        ? SetWindowsHookExW(WH_CBT, end.refusal, nullptr, GetCurrentThreadId())
                        : nullptr;
    // A thread's timer comes once its queue is empty: after the read.
    if (refusal == nullptr) SetTimer(nullptr, 0, 0, &PostQuitFromAnotherProgram);
    EXPECT_EQ(window_->Run(GetModuleHandleW(nullptr), SW_SHOWNORMAL), 0);
    if (refusal != nullptr) UnhookWindowsHookEx(refusal);
    EXPECT_EQ(window_->Handle(), nullptr);
    EXPECT_TRUE(messageBoxes_.empty());
    EXPECT_EQ(Answer(), "hq\r\n");
  }
}

// A press on Cancel, dragged off it and let go there, clicks nothing but leaves the focus on
// Cancel, and Enter then presses Cancel.
TEST_F(DimensionWindowTest, EnterPressesCancelFocusedByTheMouse) {
  ASSERT_NO_FATAL_FAILURE(Open());
  RECT cancel{};
  GetWindowRect(Control(kCancelButton), &cancel);
  const auto mouse = [this](LONG x, LONG y, DWORD button) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
    SendInput(1, &input, sizeof(INPUT));
    Pump();
  };
  mouse(cancel.left + 10, cancel.top + 10, MOUSEEVENTF_LEFTDOWN);
  mouse(cancel.left - 10, cancel.top + 10, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(GetFocus(), Control(kCancelButton));
  EXPECT_EQ(Answer(), kHostFile);
  PressKeys({VK_RETURN});
  Pump();
  EXPECT_EQ(Answer(), "hq\r\n");
}

// The frame is W x H outside; the pointer is read twice, the system's work area between the
// readings.
TEST_F(DimensionWindowTest, OpensUnderTheCursorInsideTheWorkArea) {
  ASSERT_NO_FATAL_FAILURE(Open());
  RECT outer{};
  GetWindowRect(window_->Handle(), &outer);
  const int w = outer.right - outer.left;
  const int h = outer.bottom - outer.top;
  // The screen is 1280 x 1024, its usable area 1280 x 984 (run_on_wine_xvfb.sh).
  const struct {
    const char* name;
    std::vector<POINT> cursorReadings;
    PixelPoint expected;
  } placements[] = {
      {"centred under the first reading, 4 pixels above the second",
       {{500, 300}, {520, 330}},
       {500 - w / 2, 326}},
      {"moved in at the right and above the bottom of the usable area",
       {{1270, 1010}},
       {1280 - w, 984 - h}},
  };
  for (const auto& placement : placements) {
    SCOPED_TRACE(placement.name);
    cursorReadings_ = placement.cursorReadings;
    ASSERT_NO_FATAL_FAILURE(Open());
    RECT frame{};
    GetWindowRect(window_->Handle(), &frame);
    EXPECT_EQ(frame.left, placement.expected.x);
    EXPECT_EQ(frame.top, placement.expected.y);
  }

  ASSERT_TRUE(SetCursorPos(123, 45));
  const POINT pointer = SystemDesktop().cursorPosition();
  EXPECT_EQ(pointer.x, 123);
  EXPECT_EQ(pointer.y, 45);
  // These tests run under Wine, whose bridge to the X11 input method composes in any field.
  EXPECT_TRUE(SystemDesktop().composesWithoutInputContext);
}

TEST_F(DimensionWindowTest, WindowClassHasTheIconResource) {
  ASSERT_NO_FATAL_FAILURE(Open());
  // The resource's directory: a 16-colour image of each size, 14 bytes an entry after 6.
  HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(MORVEN_FORM_ICON), RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  const auto* directory =
      static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, group)));
  ASSERT_NE(directory, nullptr);
  ASSERT_EQ(static_cast<std::size_t>(directory[4]), std::size(kIconSizes));
  for (std::size_t i = 0; i < std::size(kIconSizes); ++i) {
    const unsigned char* entry = directory + 6 + 14 * i;
    EXPECT_EQ(entry[0], kIconSizes[i]);
    EXPECT_EQ(entry[1], kIconSizes[i]);
    EXPECT_EQ(entry[2], 16);  // colours
    EXPECT_EQ(entry[6], 4);   // bits a pixel
  }
  // The window has them from its first paint: they are its class's. The icon file itself is held
  // to the icon data where it is made (make_form_icon --check).
  EXPECT_NE(GetClassLongPtrW(window_->Handle(), GCLP_HICONSM), 0);
  EXPECT_NE(GetClassLongPtrW(window_->Handle(), GCLP_HICON), 0);
}

// When the session ends (another program may still refuse that), the file is written back as on
// Cancel, and the host never reads its own input back as an answer.
TEST_F(DimensionWindowTest, SessionEndOrAnotherProgramWritesBackOnceAsOnCancel) {
  const struct {
    const char* name;
    std::vector<std::tuple<UINT, WPARAM, LPARAM>> messages;
    bool closes;  // false: the dialog stays open, and Cancel closes it
  } closings[] = {
      {"the session ends", {{WM_QUERYENDSESSION, 0, 0}, {WM_ENDSESSION, TRUE, 0}}, true},
      {"another program refuses the session's end",
       {{WM_QUERYENDSESSION, 0, 0}, {WM_ENDSESSION, FALSE, 0}},
       false},
  };
  for (const auto& closing : closings) {
    SCOPED_TRACE(closing.name);
    ASSERT_NO_FATAL_FAILURE(Open());
    for (const auto& [message, wParam, lParam] : closing.messages) {
      const LRESULT answer = SendMessageW(window_->Handle(), message, wParam, lParam);
      EXPECT_TRUE(message != WM_QUERYENDSESSION || answer == TRUE) << "the session's end refused";
      Pump();
    }
    if (!closing.closes) {
      EXPECT_NE(window_->Handle(), nullptr);
      EXPECT_EQ(Answer(), kHostFile);
      Click(kCancelButton);
    }
    EXPECT_EQ(window_->Handle(), nullptr);
    EXPECT_EQ(Answer(), "hq\r\n");
  }
}

// Esc, Cancel and the close box with the folder gone by then: the answer cannot be written, and its
// box asks; Retry, once the folder is back, writes it.
TEST_F(DimensionWindowTest, EveryCloseAsksWhenTheAnswerCannotBeWritten) {
  const std::pair<const char*, std::function<void()>> closings[] = {
      {"Esc", [] { PressKeys({VK_ESCAPE}); }},
      {"Cancel", [this] { Click(kCancelButton); }},
      {"the close box", [this] { PostMessageW(window_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const auto& [name, close] : closings) {
    SCOPED_TRACE(name);
    ASSERT_NO_FATAL_FAILURE(Open());
    std::filesystem::remove_all(folder_.Path());
    answerBox_ = [this] {
      std::filesystem::create_directory(folder_.Path());
      return IDRETRY;
    };
    close();
    Pump();
    ASSERT_EQ(messageBoxes_.size(), 1u);
    EXPECT_EQ(messageBoxes_[0].text,
              L"結果を JWC_TEMP.TXT に書き込めませんでした。\n"
              L"このファイルのフォルダーが見つかりません。");
    EXPECT_EQ(Answer(), "hq\r\n");
    EXPECT_EQ(window_->Handle(), nullptr);
  }
}

// While another program holds the file, a pause keeps the window drawn with the wait cursor and,
// with nothing to repaint, lasts its time: the wait does not spin the processor. Input waits in
// the queue.
TEST_F(DimensionWindowTest, APauseKeepsTheWindowDrawnWithTheWaitCursor) {
  ASSERT_NO_FATAL_FAILURE(Open());
  const HWND drawn[] = {window_->Handle(), Control(kPrefixField)};
  for (HWND each : drawn) InvalidateRect(each, nullptr, TRUE);
  PressKeys({VK_DOWN});
  window_->PauseWhileFileHeld(exchange::kLockedFilePause);
  for (HWND each : drawn) EXPECT_FALSE(GetUpdateRect(each, nullptr, FALSE)) << "not repainted";
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  MSG typed;
  EXPECT_TRUE(PeekMessageW(&typed, nullptr, 0, 0, PM_NOREMOVE | PM_QS_INPUT));
  const auto start = std::chrono::steady_clock::now();
  window_->PauseWhileFileHeld(exchange::kLockedFilePause);
  EXPECT_GE(std::chrono::steady_clock::now() - start, exchange::kLockedFilePause / 2);
}

// Keys pressed while the file was waited for were meant for the box that follows, and are no
// answer to it; the box has the arrow cursor, not the wait's. Another program's WM_CLOSE is no
// key: it still arrives.
TEST_F(DimensionWindowTest, TheRetryBoxTakesNoKeyPressedBeforeIt) {
  ASSERT_NO_FATAL_FAILURE(Open());
  for (const int button : {IDRETRY, IDCANCEL}) {
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    PressKeys({VK_RETURN});
    answerBox_ = [button] {
      MSG typed;
      EXPECT_FALSE(PeekMessageW(&typed, nullptr, 0, 0, PM_NOREMOVE | PM_QS_INPUT));
      EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
      return button;
    };
    EXPECT_EQ(window_->AskRetryOrCancel("JWC_TEMP.TXT"), button == IDRETRY);
  }
  ASSERT_EQ(messageBoxes_.size(), 2u);
  EXPECT_EQ(messageBoxes_[0].owner, window_->Handle());
  EXPECT_EQ(messageBoxes_[0].text, L"JWC_TEMP.TXT");
  EXPECT_EQ(messageBoxes_[0].caption, L"Morven\uFF0D水平寸法の作図");
  EXPECT_EQ(messageBoxes_[0].style, static_cast<UINT>(MB_ICONERROR | MB_RETRYCANCEL));

  PostMessageW(window_->Handle(), WM_CLOSE, 0, 0);
  answerBox_ = [] { return IDCANCEL; };
  window_->AskRetryOrCancel("JWC_TEMP.TXT");
  Pump();
  EXPECT_EQ(window_->Handle(), nullptr);
  EXPECT_EQ(Answer(), "hq\r\n");
}

// The answer held past the wait after OK: its box is the dialog's, on the screen. Another program
// pressing OK or closing the dialog while the box is up starts no second answer: Retry, once the
// holder let go, writes the one that OK meant, after that one box. While the error box of an OK
// that could not be built is up, another program's OK does nothing and its close waits for the box.
TEST_F(DimensionWindowTest, AnotherProgramStartsNothingWhileABoxIsUp) {
  ASSERT_NO_FATAL_FAILURE(Open());
  SetWindowTextW(Control(kTextDistanceField), L"1e400");
  answerBox_ = [this] {
    if (messageBoxes_.size() > 1) return IDOK;  // a box over the box: failed below
    PostMessageW(Control(kOkButton), BM_CLICK, 0, 0);
    PostMessageW(window_->Handle(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(Answer(), kHostFile) << "closed under the box";
    return IDOK;
  };
  Click(kOkButton);
  ASSERT_EQ(messageBoxes_.size(), 1u);
  EXPECT_EQ(messageBoxes_[0].text, L"浮動小数点数のオーバーフロー.");
  EXPECT_EQ(Answer(), "hq\r\n");
  EXPECT_EQ(window_->Handle(), nullptr);

  for (const UINT message : {BM_CLICK, WM_CLOSE}) {
    SCOPED_TRACE(message == BM_CLICK ? "OK pressed" : "the dialog closed");
    ASSERT_NO_FATAL_FAILURE(Open());
    HWND target = message == BM_CLICK ? Control(kOkButton) : window_->Handle();
    HANDLE holder = CreateFileW((folder_ / exchange::kExchangeFileName).c_str(), GENERIC_READ, 0,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    answerBox_ = [&] {
      EXPECT_EQ(messageBoxes_.back().owner, window_->Handle());
      EXPECT_TRUE(IsWindowVisible(window_->Handle())) << "the box has no dialog under it";
      PostMessageW(target, message, 0, 0);
      Pump();
      CloseHandle(holder);
      return IDRETRY;
    };
    Click(kOkButton);
    EXPECT_EQ(messageBoxes_.size(), 1u);
    EXPECT_EQ(Answer(), kWorkedExampleAnswer);
    EXPECT_EQ(window_->Handle(), nullptr);
  }
}

// A file held at the start: once it is read, a key pressed while it was waited for reaches the
// dialog, unless a box came up for it meanwhile (Retry, once the holder let go): that key was meant
// for the box.
TEST_F(DimensionWindowTest, AKeyPressedWhileTheFileWasHeldReachesTheDialogUnlessABoxCame) {
  for (const bool box : {false, true}) {
    SCOPED_TRACE(box ? "held past the wait" : "held shortly");
    HANDLE holder = INVALID_HANDLE_VALUE;
    const auto pressAndLetGo = [&holder] {
      PressKeys({VK_DOWN});
      CloseHandle(std::exchange(holder, INVALID_HANDLE_VALUE));
    };
    answerBox_ = [&] {
      pressAndLetGo();
      return IDRETRY;
    };
    ASSERT_NO_FATAL_FAILURE(Open([&] {
      holder = CreateFileW((folder_ / exchange::kExchangeFileName).c_str(), GENERIC_READ, 0,
                           nullptr, OPEN_EXISTING, 0, nullptr);
      if (!box) whileHeld_ = pressAndLetGo;
    }));
    PressKeys({VK_DOWN});  // a later key is no box's
    Pump();
    EXPECT_EQ(messageBoxes_.size(), box ? 1u : 0u);
    EXPECT_EQ(SendMessageW(Control(kTextTypeList), CB_GETCOUNT, 0, 0), 11);
    EXPECT_EQ(window_->ListChoice(kStartMarkList), box ? 1 : 2);
  }
}

}  // namespace
}  // namespace win32
}  // namespace morven::tool
