#include "tool/win32/dimension_window.h"

#include <imm.h>

#include <cstddef>
#include <utility>

#include "tool/form_texts.h"
#include "tool/win32/form_controls.h"
#include "tool/win32/resource_ids.h"
#include "tool/win32/wide_text.h"

namespace morven::tool::win32 {
namespace {

constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT kReadExchangeMessage = WM_APP + 1;

using enum ControlRole;

bool IsButton(ControlKind kind) {
  return kind == ControlKind::kDefaultButton || kind == ControlKind::kCancelButton;
}

// Keys and clicks made while the program waited on the exchange file were meant for a box.
void DropInputMadeWhileWaiting() {
  MSG input;
  while (PeekMessageW(&input, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT)) {
  }
}

// A closed message box leaves no ghost behind, on the window or on its controls.
BOOL CALLBACK Repaint(HWND window, LPARAM) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return TRUE;
}

// The class's: shared, the system keeps them for as long as the program runs.
HICON LoadClassIcon(HINSTANCE instance, int pixels) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(MORVEN_FORM_ICON), IMAGE_ICON,
                                       pixels, pixels, LR_SHARED));
}

// The window's at its scale: its own, given back when the scale changes.
UniqueIcon LoadScaledIcon(HWND window, int pixels) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  return UniqueIcon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(MORVEN_FORM_ICON), IMAGE_ICON, pixels, pixels, 0)));
}

}  // namespace

DimensionWindow::DimensionWindow(std::optional<std::filesystem::path> programFolder,
                                 numeric::Separators separators, Desktop desktop,
                                 std::function<std::chrono::steady_clock::time_point()> clock)
    : desktop_(std::move(desktop)),
      model_(*this, std::move(programFolder), separators, std::move(clock)) {}

DimensionWindow::~DimensionWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool DimensionWindow::Create(HINSTANCE instance) {
  const std::wstring className = WideFromCp932(kFormObjectName);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &DimensionWindow::WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  // The icons are the class's, so that the window has them from its first paint.
  windowClass.hIcon = LoadClassIcon(instance, kIconSizes[1]);
  windowClass.hIconSm = LoadClassIcon(instance, kIconSizes[0]);
  windowClass.lpszClassName = className.c_str();
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }

  // Sized at the resolution of the screen it is on once it is made.
  CreateWindowExW(0, className.c_str(), WideFromCp932(kFormCaption).c_str(), kWindowStyle,
                  kDesignPosition.x, kDesignPosition.y, kClientSize.width, kClientSize.height,
                  nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  colours_ = ChooseFormColours();
  background_.reset(CreateSolidBrush(ColorFromRgb(colours_.background)));
  RECT place{};
  GetWindowRect(window_, &place);
  LayOut(ScaleOf(window_), place);
  return true;
}

// The window at the scale, its top-left corner where `place` has it: its size, the font, the
// controls once they are made, the icons.
void DimensionWindow::LayOut(FormScale scale, const RECT& place) {
  scale_ = scale;
  SetClientArea(window_, {place.left, place.top}, scale.Size(kClientSize));
  if (!controls_.empty()) {
    UniqueFont font = FormFont(scale);
    PlaceControls(controls_, font.get(), scale);
    font_ = std::move(font);
  }
  UniqueIcon small = LoadScaledIcon(window_, scale.Pixels(kIconSizes[0]));
  UniqueIcon big = LoadScaledIcon(window_, scale.Pixels(kIconSizes[1]));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  smallIcon_ = std::move(small);
  bigIcon_ = std::move(big);
  InvalidateRect(window_, nullptr, TRUE);
}

// The controls are made right after the window has been handed to the screen, before its first
// paint: making them loads the fonts and the common controls (the manifest's visual styles bring
// those in with the first control), which would otherwise hold the window back. The exchange file
// is read once the window is on the screen, so a large selection does not hold it back either.
bool DimensionWindow::Show(int showCommand) {
  PlaceUnderPointer(window_, desktop_);
  ShowWindow(window_, showCommand);
  if (!CreateControls()) return false;
  if (GetActiveWindow() == window_) SetFocus(focusToRestore_);
  PostMessageW(window_, kReadExchangeMessage, 0, 0);
  return true;
}

int DimensionWindow::Run(HINSTANCE instance, int showCommand) {
  if (Create(instance) && Show(showCommand)) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (HandleDialogKey(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  End();
  return 0;
}

void DimensionWindow::End() {
  model_.OnProgramEnd();
}

bool DimensionWindow::HandleDialogKey(MSG& message) {
  if (window_ == nullptr) return false;
  // Alt+F4 closes the dialog wherever the focus is; a focused drop-down list would otherwise
  // take F4 for its own key and open (Wine does that).
  if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F4 &&
      (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
    PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  }
  return IsDialogMessageW(window_, &message) != FALSE;
}

LRESULT CALLBACK DimensionWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<DimensionWindow*>(
        reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<DimensionWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr) {
    if (const std::optional<LRESULT> result = self->OnMessage(message, wParam, lParam)) {
      return *result;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::optional<LRESULT> DimensionWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kReadExchangeMessage:
      Forward(&DimensionDialogModel::OnShown);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(ControlId(defaultButton_), DC_HASDEFID);
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) OnDeactivate();
      return std::nullopt;
    case WM_SETFOCUS:
      OnFocus();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColor(reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND:
      OnEraseBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_CLOSE:
      model_.OnClose();
      return 0;
    // Moved onto a screen of another resolution: laid out again there, where the system suggests.
    case WM_DPICHANGED:
      LayOut(FormScale(HIWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    // The session may end: the answer is written only once it does, since another program can
    // still refuse; the process may end as soon as WM_ENDSESSION returns.
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) model_.OnProgramEnd();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool DimensionWindow::CreateControls() {
  font_ = FormFont(scale_);
  const std::span<const ControlSpec> rows = FormControls();
  controls_.assign(rows.size(), nullptr);
  for (const ControlSpec& row : rows) {
    HWND control = MakeControl(row, window_);
    if (control == nullptr) return false;
    controls_[static_cast<std::size_t>(row.role)] = control;
    // Where taking the context away cannot keep the input method out, the field keeps it, so
    // that what is committed there reaches the field's rule rather than being lost.
    if (!row.inputMethod && !desktop_.composesWithoutInputContext) {
      ImmAssociateContextEx(control, nullptr, 0);
    }
    if (row.kind == ControlKind::kEdit) {
      limitedFields_.push_back(std::make_unique<ByteLimitedEdit>(control, RuleOf(row)));
    }
    if (row.kind == ControlKind::kDefaultButton) formDefaultButton_ = defaultButton_ = row.role;
    if (row.tabOrder == 0) focusToRestore_ = control;
  }
  PlaceControls(controls_, font_.get(), scale_);
  // The access keys' letters stay underlined, not only after Alt is pressed.
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
  return true;
}

void DimensionWindow::OnCommand(int id, int notification) {
  if (id == IDCANCEL) {  // Esc
    model_.OnClose();
    return;
  }
  const std::optional<ControlRole> role = RoleOfId(id);
  if (!role) return;
  switch (ControlFor(*role).kind) {
    case ControlKind::kDefaultButton:
      if (notification == BN_CLICKED) Forward(&DimensionDialogModel::OnOk);
      if (notification == BN_SETFOCUS) OnFocusMoved(*role);
      break;
    case ControlKind::kCancelButton:
      if (notification == BN_CLICKED) model_.OnClose();
      if (notification == BN_SETFOCUS) OnFocusMoved(*role);
      break;
    case ControlKind::kEdit:
      if (notification == EN_SETFOCUS) OnFocusMoved(*role);
      break;
    case ControlKind::kDropDownList:
      if (notification == CBN_SETFOCUS) OnFocusMoved(*role);
      break;
    case ControlKind::kLabel:
      break;
  }
}

// What was typed while a Retry waited on the file was meant for the box.
void DimensionWindow::Forward(void (DimensionDialogModel::*event)()) {
  const int boxesBefore = boxesShown_;
  (model_.*event)();
  if (boxesShown_ != boxesBefore) DropInputMadeWhileWaiting();
}

// Enter presses the button that has the focus, else OK, and the default frame shows which.
void DimensionWindow::OnFocusMoved(ControlRole control) {
  const ControlRole wanted = IsButton(ControlFor(control).kind) ? control : formDefaultButton_;
  if (wanted == defaultButton_) return;
  SendMessageW(Control(defaultButton_), BM_SETSTYLE, ButtonStyle(false), TRUE);
  SendMessageW(Control(wanted), BM_SETSTYLE, ButtonStyle(true), TRUE);
  defaultButton_ = wanted;
}

void DimensionWindow::OnDeactivate() {
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(window_, focus)) focusToRestore_ = focus;
}

void DimensionWindow::OnFocus() {
  if (focusToRestore_ != nullptr && IsWindow(focusToRestore_)) SetFocus(focusToRestore_);
}

LRESULT DimensionWindow::OnControlColor(HDC context) {
  SetBkColor(context, ColorFromRgb(colours_.background));
  SetTextColor(context, ColorFromRgb(colours_.text));
  return reinterpret_cast<LRESULT>(background_.get());
}

void DimensionWindow::OnEraseBackground(HDC context) {
  RECT client{};
  GetClientRect(window_, &client);
  FillRect(context, &client, background_.get());
}

HWND DimensionWindow::Control(ControlRole role) const {
  const auto index = static_cast<std::size_t>(role);
  return index < controls_.size() ? controls_[index] : nullptr;
}

int DimensionWindow::ListChoice(ControlRole list) const {
  return static_cast<int>(SendMessageW(Control(list), CB_GETCURSEL, 0, 0));
}

std::string DimensionWindow::FieldText(ControlRole field) const {
  return Cp932FromWide(WindowText(Control(field)));
}

void DimensionWindow::FillList(ControlRole list, const std::vector<std::string>& items) {
  HWND box = Control(list);
  SendMessageW(box, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromCp932(item).c_str()));
  }
  SendMessageW(box, CB_SETCURSEL, 0, 0);
}

void DimensionWindow::FocusAndSelect(ControlRole field) {
  SetFocus(Control(field));
  SendMessageW(Control(field), EM_SETSEL, 0, -1);
}

void DimensionWindow::ShowError(const std::string& message) {
  desktop_.showMessageBox(window_, WideFromCp932(message), WideFromCp932(kApplicationTitle),
                          MB_ICONERROR | MB_OK);
}

bool DimensionWindow::AskRetryOrCancel(const std::string& question) {
  DropInputMadeWhileWaiting();
  // The wait cursor would stay over the box until the mouse moved.
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
  ++boxesShown_;
  return desktop_.showMessageBox(window_, WideFromCp932(question), WideFromCp932(kApplicationTitle),
                                 MB_ICONERROR | MB_RETRYCANCEL | MB_DEFBUTTON1) == IDRETRY;
}

// A paint may end the pause early; the file wait only tries once more.
void DimensionWindow::PauseWhileFileHeld(std::chrono::milliseconds time) {
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(time.count()), QS_PAINT);
  EnumThreadWindows(GetCurrentThreadId(), Repaint, 0);
}

void DimensionWindow::Close() {
  if (window_ != nullptr) DestroyWindow(window_);
}

}  // namespace morven::tool::win32
