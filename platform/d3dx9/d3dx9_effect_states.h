// The render and sampler states a pass of an effect may set, by their Direct3D 9 names (the
// enumerator without its D3DRS_ or D3DSAMP_ prefix), and the values each one takes.
#pragma once

#include <string>

#include "platform/d3d9/d3d9.h"

namespace d3dx9 {

// What a state's value is written as in the effect text.
enum class EffectValueKind {
    Bool,            // true, false, 1 or 0
    Integer,         // a whole number from 0 to the state's maximum (decimal or 0x hex)
    Float,           // a number, stored as the bits of a 32-bit float
    ZBuffer,         // D3DZBUFFERTYPE: False, True, UseW
    FillMode,        // D3DFILLMODE: Point, Wireframe, Solid
    CullMode,        // D3DCULL: None, CW, CCW
    CompareFunc,     // D3DCMPFUNC: Never, Less, Equal, LessEqual, Greater, NotEqual, ...
    Blend,           // D3DBLEND: Zero, One, SrcColor, InvSrcColor, SrcAlpha, InvSrcAlpha, ...
    BlendOp,         // D3DBLENDOP: Add, Subtract, RevSubtract, Min, Max
    TextureAddress,  // D3DTEXTUREADDRESS: Wrap, Mirror, Clamp, Border, MirrorOnce
    TextureFilter,   // D3DTEXTUREFILTERTYPE: None, Point, Linear, Anisotropic
};

struct EffectStateInfo {
    const char* name;  // as written in the effect text, compared without regard to case
    DWORD state;       // the D3DRENDERSTATETYPE or D3DSAMPLERSTATETYPE
    EffectValueKind kind;
    DWORD maximum;  // the largest value an Integer state takes
};

// The render state or sampler state of that name (any case); null when there is none.
const EffectStateInfo* FindRenderState(const std::string& name);
const EffectStateInfo* FindSamplerState(const std::string& name);

// The value of an enumerator of the kind (any case); false when the kind has no such name.
bool FindEnumerator(EffectValueKind kind, const std::string& name, DWORD* value);
// The enumerator names of a kind, for messages: "None, CW, CCW"; empty for the other kinds.
std::string EnumeratorList(EffectValueKind kind);

// True when a and b are the same apart from the case of ASCII letters.
bool EqualNoCase(const std::string& a, const char* b);

}  // namespace d3dx9
