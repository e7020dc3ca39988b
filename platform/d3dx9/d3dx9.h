// The D3DX9 utilities the program uses: effects, fonts, textures from image files, and the
// matrix functions, with the values D3DX9 gives them. Built over the device's private GLSL
// side (platform/d3d9/d3d9_gl.h), FreeType and fontconfig, and stb_image.
#pragma once

#include "platform/d3d9/d3d9.h"

// ---- Math -----------------------------------------------------------------------------------

struct D3DXVECTOR3 {
    float x, y, z;
};

struct D3DXVECTOR4 {
    float x, y, z, w;
};

// 4 × 4 floats stored row by row. Points are row vectors: p × M; the translation lies in the
// fourth row (_41, _42, _43); A × B applies A first.
struct D3DXMATRIX {
    union {
        struct {
            float _11, _12, _13, _14;
            float _21, _22, _23, _24;
            float _31, _32, _33, _34;
            float _41, _42, _43, _44;
        };
        float m[4][4];
    };
};

constexpr float D3DX_PI = 3.141592654f;

D3DXMATRIX* D3DXMatrixIdentity(D3DXMATRIX* out);
D3DXMATRIX* D3DXMatrixRotationX(D3DXMATRIX* out, float angle);
D3DXMATRIX* D3DXMatrixRotationY(D3DXMATRIX* out, float angle);
D3DXMATRIX* D3DXMatrixMultiply(D3DXMATRIX* out, const D3DXMATRIX* a, const D3DXMATRIX* b);
D3DXMATRIX* D3DXMatrixLookAtRH(D3DXMATRIX* out, const D3DXVECTOR3* eye, const D3DXVECTOR3* at,
                               const D3DXVECTOR3* up);
D3DXMATRIX* D3DXMatrixPerspectiveFovRH(D3DXMATRIX* out, float fovY, float aspect, float zNear,
                                       float zFar);
// Returns null (and leaves out untouched) when the matrix cannot be inverted.
D3DXMATRIX* D3DXMatrixInverse(D3DXMATRIX* out, float* determinant, const D3DXMATRIX* m);

// ---- Buffers --------------------------------------------------------------------------------

inline constexpr IID IID_ID3DXBuffer = {
    0x6466d3d8, 0x0001, 0x4458, {0x39, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}};

struct ID3DXBuffer : IUnknown {
    virtual void* GetBufferPointer() = 0;
    virtual DWORD GetBufferSize() = 0;

protected:
    ~ID3DXBuffer() = default;
};

// ---- Effects --------------------------------------------------------------------------------

// A parameter, technique or pass: a handle from a Get*ByName call, or the name itself.
using D3DXHANDLE = const char*;

constexpr DWORD D3DXFX_DONOTSAVESTATE = 0x00000001;
constexpr DWORD D3DXSHADER_SKIPVALIDATION = 0x00000002;

constexpr HRESULT D3DXERR_INVALIDDATA = static_cast<HRESULT>(0x88760B59u);

struct D3DXMACRO {
    LPCSTR Name;
    LPCSTR Definition;
};

struct ID3DXInclude;     // include handlers are not supported; pass null
struct ID3DXEffectPool;  // effect pools are not supported; pass null

inline constexpr IID IID_ID3DXEffect = {
    0x6466d3d8, 0x0002, 0x4458, {0x39, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02}};

struct ID3DXEffect : IUnknown {
    // Null for an unknown name. A null handle given to any setter makes it do nothing.
    virtual D3DXHANDLE GetParameterByName(D3DXHANDLE parent, LPCSTR name) = 0;
    virtual D3DXHANDLE GetTechniqueByName(LPCSTR name) = 0;

    virtual HRESULT SetFloat(D3DXHANDLE parameter, float value) = 0;
    virtual HRESULT SetVector(D3DXHANDLE parameter, const D3DXVECTOR4* value) = 0;
    virtual HRESULT SetMatrix(D3DXHANDLE parameter, const D3DXMATRIX* value) = 0;
    virtual HRESULT SetTexture(D3DXHANDLE parameter, IDirect3DBaseTexture9* texture) = 0;
    virtual HRESULT GetFloat(D3DXHANDLE parameter, float* value) = 0;
    virtual HRESULT GetVector(D3DXHANDLE parameter, D3DXVECTOR4* value) = 0;
    virtual HRESULT GetMatrix(D3DXHANDLE parameter, D3DXMATRIX* value) = 0;

    virtual HRESULT SetTechnique(D3DXHANDLE technique) = 0;
    virtual D3DXHANDLE GetCurrentTechnique() = 0;
    // Starts the current technique; passes receives its number of passes.
    virtual HRESULT Begin(UINT* passes, DWORD flags) = 0;
    // Sets the pass's render and sampler states, its program and the current parameter values.
    virtual HRESULT BeginPass(UINT pass) = 0;
    // Hands parameter values changed inside a pass to the device.
    virtual HRESULT CommitChanges() = 0;
    virtual HRESULT EndPass() = 0;
    virtual HRESULT End() = 0;

    virtual HRESULT GetDevice(IDirect3DDevice9** device) = 0;

protected:
    ~ID3DXEffect() = default;
};

// Creates an effect from its text (the format is described in platform/d3dx9/EFFECTS.md).
// On failure errors, when given, may receive a zero-terminated text naming what went wrong
// and where.
HRESULT D3DXCreateEffect(IDirect3DDevice9* device, const void* data, UINT dataLength,
                         const D3DXMACRO* defines, ID3DXInclude* include, DWORD flags,
                         ID3DXEffectPool* pool, ID3DXEffect** effect, ID3DXBuffer** errors);

// ---- Fonts ----------------------------------------------------------------------------------

constexpr INT FW_NORMAL = 400;
constexpr INT FW_BOLD = 700;
constexpr DWORD DEFAULT_CHARSET = 1;
constexpr DWORD SHIFTJIS_CHARSET = 128;
constexpr DWORD OUT_DEFAULT_PRECIS = 0;
constexpr DWORD DEFAULT_QUALITY = 0;
constexpr DWORD NONANTIALIASED_QUALITY = 3;
constexpr DWORD ANTIALIASED_QUALITY = 4;
constexpr DWORD CLEARTYPE_QUALITY = 5;
constexpr DWORD DEFAULT_PITCH = 0;
constexpr DWORD FF_SWISS = 0x20;

constexpr DWORD DT_TOP = 0x00000000;
constexpr DWORD DT_LEFT = 0x00000000;
constexpr DWORD DT_CENTER = 0x00000001;
constexpr DWORD DT_RIGHT = 0x00000002;
constexpr DWORD DT_VCENTER = 0x00000004;
constexpr DWORD DT_BOTTOM = 0x00000008;
constexpr DWORD DT_SINGLELINE = 0x00000020;
constexpr DWORD DT_NOCLIP = 0x00000100;
constexpr DWORD DT_CALCRECT = 0x00000400;

struct ID3DXSprite;  // sprites are not supported; pass null

inline constexpr IID IID_ID3DXFont = {
    0x6466d3d8, 0x0003, 0x4458, {0x39, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03}};

struct ID3DXFont : IUnknown {
    // Draws code page 932 text (count −1: up to the terminating zero) with its top-left corner
    // at the rectangle's; returns the height of the text drawn, 0 on failure.
    virtual INT DrawTextA(ID3DXSprite* sprite, LPCSTR text, INT count, RECT* rect, DWORD format,
                          D3DCOLOR color) = 0;
    virtual HRESULT GetDevice(IDirect3DDevice9** device) = 0;

protected:
    ~ID3DXFont() = default;
};

// Height is the character cell height in pixels (negative: the em height), at most 1024 either
// way. Fails with a negative result when no face that covers Japanese text can be had.
HRESULT D3DXCreateFontA(IDirect3DDevice9* device, INT height, UINT width, UINT weight,
                        UINT mipLevels, BOOL italic, DWORD charSet, DWORD outputPrecision,
                        DWORD quality, DWORD pitchAndFamily, LPCSTR faceName, ID3DXFont** font);

// ---- Textures -------------------------------------------------------------------------------

constexpr UINT D3DX_DEFAULT = 0xFFFFFFFFu;
constexpr UINT D3DX_DEFAULT_NONPOW2 = 0xFFFFFFFEu;
constexpr DWORD D3DX_FILTER_NONE = 1;
constexpr DWORD D3DX_FILTER_POINT = 2;
constexpr DWORD D3DX_FILTER_LINEAR = 3;
constexpr DWORD D3DX_FILTER_TRIANGLE = 4;
constexpr DWORD D3DX_FILTER_BOX = 5;

struct D3DXIMAGE_INFO {
    UINT Width;
    UINT Height;
    UINT Depth;
    UINT MipLevels;
    D3DFORMAT Format;
};

struct PALETTEENTRY;  // palettes are not supported; pass null

// Image files in TGA or PNG form. Size D3DX_DEFAULT takes the file's size as it is.
HRESULT D3DXCreateTextureFromFileExA(IDirect3DDevice9* device, LPCSTR fileName, UINT width,
                                     UINT height, UINT mipLevels, DWORD usage, D3DFORMAT format,
                                     D3DPOOL pool, DWORD filter, DWORD mipFilter, D3DCOLOR colorKey,
                                     D3DXIMAGE_INFO* sourceInfo, PALETTEENTRY* palette,
                                     IDirect3DTexture9** texture);
HRESULT D3DXCreateTextureFromFileInMemory(IDirect3DDevice9* device, const void* data,
                                          UINT dataLength, IDirect3DTexture9** texture);
