#include "support/message_box_catcher.h"

namespace {

thread_local MessageBoxCatcher* t_catcher = nullptr;
constexpr int kMessageTextId = 0xFFFF; // the static control holding a message box's text

} // namespace

MessageBoxCatcher::MessageBoxCatcher(int answer)
    : m_hook(nullptr), m_answer(answer), m_previous(t_catcher)
{
    t_catcher = this;
    m_hook = SetWindowsHookExA(WH_CBT, &MessageBoxCatcher::Hook, nullptr, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    if (m_hook != nullptr)
        UnhookWindowsHookEx(m_hook);
    t_catcher = m_previous;
}

LRESULT CALLBACK MessageBoxCatcher::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    MessageBoxCatcher* catcher = t_catcher;
    if (code == HCBT_ACTIVATE && catcher != nullptr) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(window, className, sizeof(className));
        if (lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, kMessageTextId) != nullptr) {
            char text[1024] = {};
            char caption[256] = {};
            GetDlgItemTextA(window, kMessageTextId, text, sizeof(text));
            GetWindowTextA(window, caption, sizeof(caption));
            catcher->m_boxes.push_back({text, caption});
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(catcher->m_answer, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
