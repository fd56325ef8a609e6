#include "support/modal_script.h"

namespace {

thread_local ModalScript* t_script = nullptr;

struct Search {
    const std::string* caption;
    HWND found;
};

constexpr DWORD kPatienceMs = 15000;

BOOL CALLBACK CancelDialog(HWND window, LPARAM)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    if (IsWindowVisible(window) && IsWindowEnabled(window) && lstrcmpA(className, "#32770") == 0)
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

BOOL CALLBACK Visit(HWND window, LPARAM data)
{
    Search* search = reinterpret_cast<Search*>(data);
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    if (IsWindowVisible(window) && IsWindowEnabled(window) && *search->caption == text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

ModalScript::ModalScript() : m_previous(t_script)
{
    t_script = this;
    m_timer = SetTimer(nullptr, 0, 25, &ModalScript::Tick);
    m_lastProgress = GetTickCount();
}

ModalScript::~ModalScript()
{
    KillTimer(nullptr, m_timer);
    t_script = m_previous;
}

ModalScript& ModalScript::Then(const std::string& caption, Action action)
{
    m_steps.push_back({caption, std::move(action)});
    return *this;
}

HWND ModalScript::FindThreadWindow(const std::string& caption)
{
    Search search = {&caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ModalScript::Click(HWND window, int id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void ModalScript::Type(HWND edit, const std::string& text)
{
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CHAR, VK_BACK, 0);
    for (char c : text)
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (t_script != nullptr)
        t_script->Step();
}

void ModalScript::Step()
{
    if (m_running || Done())
        return;
    const Entry& entry = m_steps[static_cast<std::size_t>(m_next)];
    const HWND window = FindThreadWindow(entry.caption);
    if (window == nullptr) {
        if (GetTickCount() - m_lastProgress > kPatienceMs) {
            m_timedOut = true;
            EnumThreadWindows(GetCurrentThreadId(), &CancelDialog, 0);
        }
        return;
    }
    m_lastProgress = GetTickCount();
    m_running = true;
    ++m_next;
    entry.action(window);
    m_running = false;
}
