#pragma once
// Catches the message boxes shown on the current thread while it exists: records
// their text and caption and closes each one with the given button.

#include <windows.h>

#include <string>
#include <vector>

struct CaughtMessageBox {
    std::string text;
    std::string caption;
};

class MessageBoxCatcher {
public:
    explicit MessageBoxCatcher(int answer = IDOK);
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    const std::vector<CaughtMessageBox>& Boxes() const { return m_boxes; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_hook;
    int m_answer;
    MessageBoxCatcher* m_previous;
    std::vector<CaughtMessageBox> m_boxes;
};
