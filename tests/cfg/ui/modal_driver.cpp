#include "tests/cfg/ui/modal_driver.h"

#include <dlgs.h>  // after windows.h (modal_driver.h)

namespace {

const UINT kTickMilliseconds = 40;
const DWORD kStepTimeout = 15000;

ModalScript* g_script = nullptr;

struct Search {
  const std::string* title;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM context) {
  Search* search = reinterpret_cast<Search*>(context);
  if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  if (WindowText(window) != *search->title) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindThreadWindow(const std::string& title) {
  Search search = {&title, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

ModalScript::ModalScript() : timer_(0), waitingSince_(GetTickCount()) {
  g_script = this;
  timer_ = SetTimer(nullptr, 0, kTickMilliseconds, Tick);
}

ModalScript::~ModalScript() {
  KillTimer(nullptr, timer_);
  g_script = nullptr;
}

ModalScript& ModalScript::Then(const std::string& title, std::function<void(HWND)> action) {
  if (steps_.empty()) waitingSince_ = GetTickCount();
  steps_.push_back({title, std::move(action)});
  return *this;
}

std::vector<std::string> ModalScript::Missed() const {
  std::vector<std::string> missed = missed_;
  for (const Entry& step : steps_) missed.push_back(step.title);
  return missed;
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_script) g_script->Step();
}

void ModalScript::Step() {
  if (steps_.empty()) return;
  HWND window = FindThreadWindow(steps_.front().title);
  if (!window) {
    if (GetTickCount() - waitingSince_ < kStepTimeout) return;
    // Give up on this step: cancel whatever modal window is in front.
    missed_.push_back(steps_.front().title);
    steps_.pop_front();
    HWND front = GetActiveWindow();
    if (front) PostMessageA(front, WM_COMMAND, IDCANCEL, 0);
    waitingSince_ = GetTickCount();
    return;
  }
  // The step is taken before it runs: an action that opens a dialog lets the
  // next step run inside that dialog's loop.
  Entry step = std::move(steps_.front());
  steps_.pop_front();
  waitingSince_ = GetTickCount();
  step.action(window);
}

namespace {
struct ControlSearch {
  int id;
  HWND found;
};
BOOL CALLBACK MatchId(HWND window, LPARAM context) {
  ControlSearch* search = reinterpret_cast<ControlSearch*>(context);
  if (GetDlgCtrlID(window) != search->id) return TRUE;
  search->found = window;
  return FALSE;
}
}  // namespace

HWND FindControl(HWND window, int id) {
  HWND direct = GetDlgItem(window, id);
  if (direct) return direct;
  ControlSearch search = {id, nullptr};
  EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void PostClick(HWND window, int id) {
  HWND button = FindControl(window, id);
  if (button) PostMessageA(button, BM_CLICK, 0, 0);
}

void PostKey(HWND control, WPARAM key) {
  PostMessageA(control, WM_KEYDOWN, key, 1);
  PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

std::vector<std::string> ListEntries(HWND list) {
  std::vector<std::string> entries;
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    LRESULT got = SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    entries.push_back(text);
  }
  return entries;
}

HWND SaveDialogFileName(HWND saveDialog) {
  HWND field = GetDlgItem(saveDialog, cmb13);
  return field ? field : GetDlgItem(saveDialog, edt1);
}

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(window, &text[0], length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}
