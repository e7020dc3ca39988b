// Textures from image files: decoded, sized, given their chain of mip levels and uploaded.
#include <cstdio>
#include <vector>

#include "platform/d3dx9/d3dx9.h"
#include "platform/d3dx9/d3dx9_image.h"

namespace {

// Copies an RGBA image into a locked texture level, whose A8R8G8B8 texels are stored B, G, R,
// A. X8R8G8B8 has the same layout with an alpha that is ignored.
HRESULT Upload(IDirect3DTexture9* texture, UINT level, const d3dx9::RgbaImage& image) {
    D3DLOCKED_RECT locked{};
    HRESULT hr = texture->LockRect(level, &locked, nullptr, 0);
    if (FAILED(hr)) return hr;
    for (unsigned y = 0; y < image.height; ++y) {
        BYTE* row = static_cast<BYTE*>(locked.pBits) + static_cast<std::size_t>(y) * locked.Pitch;
        const std::uint8_t* source = &image.pixels[static_cast<std::size_t>(y) * image.width * 4];
        for (unsigned x = 0; x < image.width; ++x) {
            row[x * 4 + 0] = source[x * 4 + 2];
            row[x * 4 + 1] = source[x * 4 + 1];
            row[x * 4 + 2] = source[x * 4 + 0];
            row[x * 4 + 3] = source[x * 4 + 3];
        }
    }
    return texture->UnlockRect(level);
}

HRESULT CreateFromImage(IDirect3DDevice9* device, d3dx9::RgbaImage image, UINT width, UINT height,
                        UINT mipLevels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                        D3DCOLOR colorKey, D3DXIMAGE_INFO* sourceInfo,
                        IDirect3DTexture9** texture) {
    if (sourceInfo) *sourceInfo = {image.width, image.height, 1, 1, D3DFMT_A8R8G8B8};
    // D3DX_DEFAULT takes the file's own size; it is not rounded up to a power of two, since
    // every texture size is at hand in OpenGL and the program draws images at their own size.
    if (width == 0 || width == D3DX_DEFAULT || width == D3DX_DEFAULT_NONPOW2) width = image.width;
    if (height == 0 || height == D3DX_DEFAULT || height == D3DX_DEFAULT_NONPOW2)
        height = image.height;
    if (width != image.width || height != image.height) image = d3dx9::Resize(image, width, height);
    if (format == D3DFMT_UNKNOWN || format == static_cast<D3DFORMAT>(D3DX_DEFAULT))
        format = D3DFMT_A8R8G8B8;
    if (format != D3DFMT_A8R8G8B8 && format != D3DFMT_X8R8G8B8) return D3DERR_NOTAVAILABLE;
    if (mipLevels == D3DX_DEFAULT) mipLevels = 0;  // a full chain
    d3dx9::ApplyColorKey(&image, colorKey);

    IDirect3DTexture9* created = nullptr;
    HRESULT hr =
        device->CreateTexture(width, height, mipLevels, usage, format, pool, &created, nullptr);
    if (FAILED(hr)) return hr;
    const DWORD levels = created->GetLevelCount();
    for (DWORD level = 0; level < levels && SUCCEEDED(hr); ++level) {
        if (level > 0) image = d3dx9::BoxDownsample(image);
        hr = Upload(created, level, image);
    }
    if (FAILED(hr)) {
        created->Release();
        return hr;
    }
    *texture = created;
    return D3D_OK;
}

bool ReadFile(LPCSTR fileName, std::vector<unsigned char>* bytes) {
    std::FILE* file = std::fopen(fileName, "rb");
    if (!file) return false;
    unsigned char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes->insert(bytes->end(), buffer, buffer + n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

}  // namespace

HRESULT D3DXCreateTextureFromFileExA(IDirect3DDevice9* device, LPCSTR fileName, UINT width,
                                     UINT height, UINT mipLevels, DWORD usage, D3DFORMAT format,
                                     D3DPOOL pool, DWORD, DWORD, D3DCOLOR colorKey,
                                     D3DXIMAGE_INFO* sourceInfo, PALETTEENTRY* palette,
                                     IDirect3DTexture9** texture) {
    if (!texture) return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (!device || !fileName || palette) return D3DERR_INVALIDCALL;
    std::vector<unsigned char> bytes;
    if (!ReadFile(fileName, &bytes)) return D3DERR_NOTFOUND;
    d3dx9::RgbaImage image;
    if (!d3dx9::DecodeImage(bytes.data(), bytes.size(), &image)) return D3DXERR_INVALIDDATA;
    return CreateFromImage(device, std::move(image), width, height, mipLevels, usage, format, pool,
                           colorKey, sourceInfo, texture);
}

HRESULT D3DXCreateTextureFromFileInMemory(IDirect3DDevice9* device, const void* data,
                                          UINT dataLength, IDirect3DTexture9** texture) {
    if (!texture) return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (!device || !data) return D3DERR_INVALIDCALL;
    d3dx9::RgbaImage image;
    if (!d3dx9::DecodeImage(data, dataLength, &image)) return D3DXERR_INVALIDDATA;
    return CreateFromImage(device, std::move(image), D3DX_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0,
                           D3DFMT_UNKNOWN, D3DPOOL_MANAGED, 0, nullptr, texture);
}
