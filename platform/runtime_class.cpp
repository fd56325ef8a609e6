#include "platform/runtime_class.h"

#include <cstring>

namespace {

const CRuntimeClass*& CreatableList()
{
    static const CRuntimeClass* first = nullptr;
    return first;
}

} // namespace

const CRuntimeClass CObject::classCObject("CObject", nullptr);

CRuntimeClass::CRuntimeClass(const char* name, const CRuntimeClass* base, CObject* (*create)())
    : m_name(name), m_base(base), m_create(create)
{
    if (create) {
        m_nextCreatable = CreatableList();
        CreatableList() = this;
    }
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* other) const
{
    for (const CRuntimeClass* c = this; c; c = c->m_base)
        if (c == other)
            return true;
    return false;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_create ? m_create() : nullptr;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* name)
{
    if (!name)
        return nullptr;
    for (const CRuntimeClass* c = CreatableList(); c; c = c->m_nextCreatable)
        if (std::strcmp(c->m_name, name) == 0)
            return c;
    return nullptr;
}

const CRuntimeClass* CRuntimeClass::FirstCreatable()
{
    return CreatableList();
}

bool CObject::IsKindOf(const CRuntimeClass* runtimeClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}
