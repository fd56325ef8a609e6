#pragma once
// An owner for one reference to a COM interface: released when the owner goes.

#include "platform/owned_handle.h"

template <typename Interface>
struct ComInterfaceTraits {
    using Value = Interface*;
    static Value Empty() { return nullptr; }
    static bool IsHeld(Value value) { return value != nullptr; }
    static void Undo(Value value) { value->Release(); }
};

template <typename Interface>
class COwnedInterface : public COwnedHandle<ComInterfaceTraits<Interface>> {
public:
    using COwnedHandle<ComInterfaceTraits<Interface>>::COwnedHandle;
    Interface* operator->() const { return this->Get(); }
};
