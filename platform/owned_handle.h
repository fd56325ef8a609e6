#pragma once
// One owner for every system registration the panel holds (events, icons, hooks,
// hotkeys, timers, menus): the registration is undone when the owner goes, also on
// an early return. Traits name the value's type, its empty value and how to undo it.

#include <windows.h>

#include <utility>

template <typename Traits>
class COwnedHandle {
public:
    using Value = typename Traits::Value;

    COwnedHandle() = default;
    explicit COwnedHandle(Value value) : m_value(value) {}
    ~COwnedHandle() { Reset(); }
    COwnedHandle(const COwnedHandle&) = delete;
    COwnedHandle& operator=(const COwnedHandle&) = delete;
    COwnedHandle(COwnedHandle&& other) noexcept : m_value(other.Release()) {}
    COwnedHandle& operator=(COwnedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    // Undoes the held registration and holds the new value.
    void Reset(Value value = Traits::Empty())
    {
        if (Traits::IsHeld(m_value))
            Traits::Undo(m_value);
        m_value = value;
    }
    // Gives the registration up without undoing it.
    Value Release() { return std::exchange(m_value, Traits::Empty()); }
    const Value& Get() const { return m_value; }
    bool IsHeld() const { return Traits::IsHeld(m_value); }

private:
    Value m_value = Traits::Empty();
};

// Handles closed with CloseHandle (events, semaphores, files); both empty values count.
struct KernelHandleTraits {
    using Value = HANDLE;
    static Value Empty() { return nullptr; }
    static bool IsHeld(Value value) { return value != nullptr && value != INVALID_HANDLE_VALUE; }
    static void Undo(Value value) { ::CloseHandle(value); }
};
using COwnedKernelHandle = COwnedHandle<KernelHandleTraits>;

struct IconTraits {
    using Value = HICON;
    static Value Empty() { return nullptr; }
    static bool IsHeld(Value value) { return value != nullptr; }
    static void Undo(Value value) { ::DestroyIcon(value); }
};
using COwnedIcon = COwnedHandle<IconTraits>;

struct MenuTraits {
    using Value = HMENU;
    static Value Empty() { return nullptr; }
    static bool IsHeld(Value value) { return value != nullptr; }
    static void Undo(Value value) { ::DestroyMenu(value); }
};
using COwnedMenu = COwnedHandle<MenuTraits>;

struct HookTraits {
    using Value = HHOOK;
    static Value Empty() { return nullptr; }
    static bool IsHeld(Value value) { return value != nullptr; }
    static void Undo(Value value) { ::UnhookWindowsHookEx(value); }
};
using COwnedHook = COwnedHandle<HookTraits>;

// A registration named by a window and a number (hotkeys).
struct WindowIdentifier {
    HWND window;
    int id;
};

struct HotKeyTraits {
    using Value = WindowIdentifier;
    static Value Empty() { return {nullptr, 0}; }
    static bool IsHeld(const Value& value) { return value.window != nullptr; }
    static void Undo(const Value& value) { ::UnregisterHotKey(value.window, value.id); }
};
using COwnedHotKey = COwnedHandle<HotKeyTraits>;
