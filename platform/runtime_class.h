#pragma once
// Run-time identity of the class layer: a record per class with its name and base,
// is-a tests, and creation by name for the classes that register a factory.

#include <new>

class CObject;

struct CRuntimeClass {
    // A record with a factory is registered for lookup by name.
    CRuntimeClass(const char* name, const CRuntimeClass* base, CObject* (*create)() = nullptr);
    CRuntimeClass(const CRuntimeClass&) = delete;
    CRuntimeClass& operator=(const CRuntimeClass&) = delete;

    bool IsDerivedFrom(const CRuntimeClass* other) const;
    // A new object of this class, or null when the class is not creatable.
    CObject* CreateObject() const;
    // The creatable class of that exact name, or null.
    static const CRuntimeClass* FromName(const char* name);
    // Every creatable class of the program: the first, then each one's next.
    static const CRuntimeClass* FirstCreatable();
    const CRuntimeClass* NextCreatable() const { return m_nextCreatable; }

    const char* const m_name;
    const CRuntimeClass* const m_base;
    CObject* (*const m_create)();

private:
    const CRuntimeClass* m_nextCreatable = nullptr;
};

// The factory a creatable class passes to its record.
template <class T>
CObject* CreateInstance()
{
    return new (std::nothrow) T();
}

class CObject {
public:
    static const CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const { return &classCObject; }
    bool IsKindOf(const CRuntimeClass* runtimeClass) const;
};
