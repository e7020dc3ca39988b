#include "platform/d3d9/d3d9_object.h"

namespace d3d9gl {

namespace {
// One count for the whole module; the module runs on the program's one thread.
ULONG g_liveObjects = 0;
}  // namespace

ULONG LiveObjectCount() {
    return g_liveObjects;
}

Object::Object() {
    ++g_liveObjects;
}

Object::~Object() {
    --g_liveObjects;
}

ULONG Object::AddRefPublic() {
    if (m_public++ == 0) OnFirstPublicReference();
    return m_public;
}

ULONG Object::ReleasePublic() {
    if (m_public == 0) return 0;  // a release too many: nothing is left to give up
    ULONG remaining = --m_public;
    if (remaining == 0) {
        // Giving up what the last public reference held (a device child's reference to its
        // device) may make the device drop its bindings of this object; the temporary
        // private reference keeps this object alive until that has finished.
        ++m_private;
        OnLastPublicReference();
        ReleasePrivate();
    }
    return remaining;
}

void Object::ReleasePrivate() {
    if (m_private == 0) return;
    if (--m_private == 0 && m_public == 0) delete this;
}

}  // namespace d3d9gl
