#include "platform/d3d9/d3d9_state.h"

namespace d3d9gl {

DWORD DirtyGroupOf(D3DRENDERSTATETYPE state) {
    switch (state) {
        case D3DRS_ALPHABLENDENABLE:
        case D3DRS_SRCBLEND:
        case D3DRS_DESTBLEND:
        case D3DRS_BLENDOP:
        case D3DRS_SEPARATEALPHABLENDENABLE:
        case D3DRS_SRCBLENDALPHA:
        case D3DRS_DESTBLENDALPHA:
        case D3DRS_BLENDOPALPHA:
            return kDirtyBlend;
        case D3DRS_ZENABLE:
        case D3DRS_ZWRITEENABLE:
        case D3DRS_ZFUNC:
            return kDirtyDepth;
        case D3DRS_CULLMODE:
        case D3DRS_FILLMODE:
            return kDirtyRaster;
        case D3DRS_COLORWRITEENABLE:
            return kDirtyColorMask;
        case D3DRS_SCISSORTESTENABLE:
            return kDirtyScissor;
        case D3DRS_ALPHATESTENABLE:
        case D3DRS_ALPHAREF:
        case D3DRS_ALPHAFUNC:
            return kDirtyAlphaTest;
        default:
            return 0;
    }
}

void DefaultRenderStates(DWORD (&states)[kD3DRenderStateCount], bool autoDepthStencil) {
    for (DWORD& s : states) s = 0;
    states[D3DRS_ZENABLE] = autoDepthStencil ? D3DZB_TRUE : D3DZB_FALSE;
    states[D3DRS_FILLMODE] = D3DFILL_SOLID;
    states[D3DRS_SHADEMODE] = 2;  // Gouraud
    states[D3DRS_ZWRITEENABLE] = TRUE;
    states[D3DRS_ALPHATESTENABLE] = FALSE;
    states[D3DRS_LASTPIXEL] = TRUE;
    states[D3DRS_SRCBLEND] = D3DBLEND_ONE;
    states[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
    states[D3DRS_CULLMODE] = D3DCULL_CCW;
    states[D3DRS_ZFUNC] = D3DCMP_LESSEQUAL;
    states[D3DRS_ALPHAREF] = 0;
    states[D3DRS_ALPHAFUNC] = D3DCMP_ALWAYS;
    states[D3DRS_DITHERENABLE] = FALSE;
    states[D3DRS_ALPHABLENDENABLE] = FALSE;
    states[D3DRS_FOGENABLE] = FALSE;
    states[D3DRS_SPECULARENABLE] = FALSE;
    states[D3DRS_STENCILENABLE] = FALSE;
    states[D3DRS_LIGHTING] = TRUE;
    states[D3DRS_COLORWRITEENABLE] = 0x0000000F;
    states[D3DRS_BLENDOP] = D3DBLENDOP_ADD;
    states[D3DRS_SCISSORTESTENABLE] = FALSE;
    states[D3DRS_SRGBWRITEENABLE] = FALSE;
    states[D3DRS_SEPARATEALPHABLENDENABLE] = FALSE;
    states[D3DRS_SRCBLENDALPHA] = D3DBLEND_ONE;
    states[D3DRS_DESTBLENDALPHA] = D3DBLEND_ZERO;
    states[D3DRS_BLENDOPALPHA] = D3DBLENDOP_ADD;
}

void DefaultSamplerStates(DWORD (&states)[kD3DSamplerStateCount]) {
    for (DWORD& s : states) s = 0;
    states[D3DSAMP_ADDRESSU] = D3DTADDRESS_WRAP;
    states[D3DSAMP_ADDRESSV] = D3DTADDRESS_WRAP;
    states[D3DSAMP_ADDRESSW] = D3DTADDRESS_WRAP;
    states[D3DSAMP_BORDERCOLOR] = 0;
    states[D3DSAMP_MAGFILTER] = D3DTEXF_POINT;
    states[D3DSAMP_MINFILTER] = D3DTEXF_POINT;
    states[D3DSAMP_MIPFILTER] = D3DTEXF_NONE;
    states[D3DSAMP_MIPMAPLODBIAS] = 0;
    states[D3DSAMP_MAXMIPLEVEL] = 0;
    states[D3DSAMP_MAXANISOTROPY] = 1;
    states[D3DSAMP_SRGBTEXTURE] = 0;
}

}  // namespace d3d9gl
