#include "notify_recorder.h"

#include "platform/notify_icon_functions.h"

#include <set>
#include <utility>

namespace {

std::vector<NotifyCall> g_calls;
BOOL g_answer = TRUE;
// The icons shown, by window and ID, as the shell keeps them.
std::set<std::pair<HWND, UINT>> g_shown;

BOOL WINAPI Record(DWORD action, PNOTIFYICONDATAA data)
{
    NotifyCall call = {action, {}};
    if (data != nullptr)
        call.record = *data;
    g_calls.push_back(call);
    if (!g_answer || data == nullptr)
        return FALSE;
    // Like the shell: one icon per name; only a known icon is changed or deleted.
    const std::pair<HWND, UINT> name = {data->hWnd, data->uID};
    const bool known = g_shown.count(name) != 0;
    if (action == NIM_ADD && !known)
        g_shown.insert(name);
    else if (action == NIM_DELETE && known)
        g_shown.erase(name);
    else if (action != NIM_MODIFY || !known)
        return FALSE;
    return TRUE;
}

} // namespace

NotifyRecorder::NotifyRecorder()
{
    g_calls.clear();
    g_shown.clear();
    g_answer = TRUE;
    SetNotifyIconFunctions(NotifyIconFunctions{&Record});
}

NotifyRecorder::~NotifyRecorder()
{
    RestoreWindowsNotifyIconFunctions();
}

const std::vector<NotifyCall>& NotifyRecorder::Calls() const { return g_calls; }

int NotifyRecorder::Count(DWORD action) const
{
    int count = 0;
    for (const NotifyCall& call : g_calls)
        count += call.action == action ? 1 : 0;
    return count;
}

int NotifyRecorder::IconsShown() const
{
    return static_cast<int>(g_shown.size());
}

void NotifyRecorder::RestartShell() { g_shown.clear(); }

void NotifyRecorder::Answer(BOOL answer) { g_answer = answer; }
