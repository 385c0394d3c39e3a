// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checked owning pointer: deletes what it holds, raises when used empty.

#include <memory>
#include <typeinfo>

#include "foundation/ApplicationException.h"
#include "foundation/TypeName.h"

template <class T>
class CPtr {
public:
    CPtr() = default;
    ~CPtr() { delete held; }
    CPtr(const CPtr&) = delete;
    CPtr& operator=(const CPtr&) = delete;

    // Deletes the held object unless it is the one being set.
    void Reset(T* pointer = nullptr) {
        if (pointer == held)
            return;
        delete held;
        held = pointer;
    }
    // Takes the object over from its owner; the rule above holds.
    void Reset(std::unique_ptr<T> pointer) { Reset(pointer.release()); }

    T* Get() const { return held; }

    T* operator->() const {
        if (!held)
            RaiseError("CPtr<" + LocationTypeName<T>() + ">::operator -> (114)");
        return held;
    }

    T& operator*() const {
        if (!held)
            RaiseError("CPtr<" + LocationTypeName<T>() + ">::operator * (108)");
        return *held;
    }

private:
    T* held = nullptr;
};
