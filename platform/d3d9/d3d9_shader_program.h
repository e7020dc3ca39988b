// A linked GLSL program standing in for a vertex and pixel shader pair, and the text object
// that carries compile and link logs.
#pragma once

#include <epoxy/gl.h>

#include <string>

#include "platform/d3d9/d3d9_gl.h"
#include "platform/d3d9/d3d9_object.h"

namespace d3d9gl {

class Device;

class Text final : public IDirect3DText9Gl, public Object {
public:
    static Text* Create(std::string text) { return new Text(std::move(text)); }

    HRESULT QueryInterface(REFIID iid, void** object) override;
    D3D9GL_OBJECT_REFCOUNT
    LPCSTR GetText() override { return m_text.c_str(); }

private:
    explicit Text(std::string text) : m_text(std::move(text)) {}
    ~Text() override = default;
    std::string m_text;
};

class ShaderProgram final : public IDirect3DShaderProgram9Gl, public Object {
public:
    // Compiles both stages with the device's preamble and epilogue and links them, binding the
    // vertex input names to their semantics' locations. On failure log receives what the
    // compiler said, headed by the stage.
    static HRESULT Create(Device* device, const char* vertexSource, const char* fragmentSource,
                          ShaderProgram** program, std::string* log);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    D3D9GL_OBJECT_REFCOUNT
    INT GetUniformLocation(LPCSTR name) override;

    Device* OwnerDevice() const { return m_device; }
    GLuint Name() const { return m_name; }

    // The epilogues' uniforms, set only when their values change. The program must be bound.
    void SetPositionFixup(float x, float y);
    void SetAlphaTest(int func, float ref);

private:
    ShaderProgram(Device* device, GLuint name);
    ~ShaderProgram() override;
    void OnFirstPublicReference() override;
    void OnLastPublicReference() override;

    Device* m_device;
    GLuint m_name;
    GLint m_fixupLocation;
    GLint m_alphaFuncLocation;
    GLint m_alphaRefLocation;
    float m_fixup[2] = {-1.0f, -1.0f};
    int m_alphaFunc = -1;
    float m_alphaRef = -1.0f;
};

}  // namespace d3d9gl
