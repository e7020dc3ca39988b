// The reference counting shared by every object of the module.
//
// An object has public references (AddRef/Release, what callers hold) and private ones (what
// the device holds for a binding: a texture set on a stage, the current declaration, ...). It
// is destroyed once both reach zero. A device child holds one public reference to its device
// while it has public references itself, so a device outlives everything made on it that the
// program still holds, and a device released too early is visible in the live count rather
// than a crash. A child also holds a private reference to its device for its whole life, so
// that the device and its context are still there when the child gives back its OpenGL
// objects. Objects owned by a container (the back buffer by its device, texture levels by
// their texture) forward their references to the container instead.
#pragma once

#include "platform/d3d9/d3d9.h"

namespace d3d9gl {

// Objects of the module that exist now.
ULONG LiveObjectCount();

class Object {
public:
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    ULONG AddRefPublic();
    ULONG ReleasePublic();
    void AddRefPrivate() { ++m_private; }
    void ReleasePrivate();

protected:
    Object();
    virtual ~Object();

    // Called when the public count leaves zero again, and when it reaches zero.
    virtual void OnFirstPublicReference() {}
    virtual void OnLastPublicReference() {}

private:
    ULONG m_public = 1;  // the creator's reference
    ULONG m_private = 0;
};

// Keeps a private reference in a binding slot: set() takes the new one before giving up the
// old one, so rebinding the same object is safe.
template <typename T>
class PrivateRef {
public:
    PrivateRef() = default;
    PrivateRef(const PrivateRef&) = delete;
    PrivateRef& operator=(const PrivateRef&) = delete;
    ~PrivateRef() { reset(); }

    void set(T* object) {
        if (object) object->AddRefPrivate();
        T* old = m_object;
        m_object = object;
        if (old) old->ReleasePrivate();
    }
    void reset() { set(nullptr); }
    T* get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T* m_object = nullptr;
};

}  // namespace d3d9gl

// The IUnknown reference methods of a class that derives from d3d9gl::Object.
#define D3D9GL_OBJECT_REFCOUNT  \
    ULONG AddRef() override {   \
        return AddRefPublic();  \
    }                           \
    ULONG Release() override {  \
        return ReleasePublic(); \
    }
