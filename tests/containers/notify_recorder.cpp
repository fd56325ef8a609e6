#include "notify_recorder.h"

#include "platform/notify_icon_functions.h"

namespace {

std::vector<NotifyCall> g_calls;
BOOL g_answer = TRUE;

BOOL WINAPI Record(DWORD action, PNOTIFYICONDATAA data)
{
    NotifyCall call = {action, {}};
    if (data != nullptr)
        call.record = *data;
    g_calls.push_back(call);
    return g_answer;
}

} // namespace

NotifyRecorder::NotifyRecorder()
{
    g_calls.clear();
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
    return Count(NIM_ADD) - Count(NIM_DELETE);
}

void NotifyRecorder::Answer(BOOL answer) { g_answer = answer; }
