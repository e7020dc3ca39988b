#include "platform/d3d9/d3d9_shader_program.h"

#include <vector>

#include "platform/d3d9/d3d9_device.h"
#include "platform/d3d9/d3d9_shader_source.h"
#include "platform/d3d9/d3d9_util.h"

namespace d3d9gl {

namespace {

std::string ShaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    if (length > 0) glGetShaderInfoLog(shader, length, nullptr, text.data());
    return text.data();
}

std::string ProgramLog(GLuint program) {
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    if (length > 0) glGetProgramInfoLog(program, length, nullptr, text.data());
    return text.data();
}

// Compiles one stage; 0 and the log headed by the stage's name when it fails.
GLuint Compile(GLenum stage, const std::string& source, const char* stageName, std::string* log) {
    GLuint shader = glCreateShader(stage);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok) return shader;
    *log = std::string(stageName) + ":\n" + ShaderLog(shader);
    glDeleteShader(shader);
    return 0;
}

}  // namespace

HRESULT ShaderProgram::Create(Device* device, const char* vertexSource, const char* fragmentSource,
                              ShaderProgram** program, std::string* log) {
    GLuint vs = Compile(GL_VERTEX_SHADER, WrapVertexSource(vertexSource), "vertex shader", log);
    if (!vs) return D3DERR_INVALIDCALL;
    GLuint fs =
        Compile(GL_FRAGMENT_SHADER, WrapFragmentSource(fragmentSource), "fragment shader", log);
    if (!fs) {
        glDeleteShader(vs);
        return D3DERR_INVALIDCALL;
    }
    GLuint name = glCreateProgram();
    glAttachShader(name, vs);
    glAttachShader(name, fs);
    for (int i = 0; i < kSemanticCount; ++i) {
        const Semantic semantic = SemanticAt(i);
        glBindAttribLocation(name, static_cast<GLuint>(semantic.location), semantic.name);
    }
    glLinkProgram(name);
    glDetachShader(name, vs);
    glDetachShader(name, fs);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = GL_FALSE;
    glGetProgramiv(name, GL_LINK_STATUS, &ok);
    if (!ok) {
        *log = "link:\n" + ProgramLog(name);
        glDeleteProgram(name);
        return D3DERR_INVALIDCALL;
    }
    *program = new ShaderProgram(device, name);
    return D3D_OK;
}

ShaderProgram::ShaderProgram(Device* device, GLuint name)
    : m_device(device),
      m_name(name),
      m_fixupLocation(glGetUniformLocation(name, kPositionFixupUniform)),
      m_alphaFuncLocation(glGetUniformLocation(name, kAlphaFuncUniform)),
      m_alphaRefLocation(glGetUniformLocation(name, kAlphaRefUniform)) {
    m_device->AddRef();
    m_device->AddRefPrivate();  // until the OpenGL program is gone
}

ShaderProgram::~ShaderProgram() {
    m_device->MakeCurrent();
    m_device->Gl().UseProgram(0);
    glDeleteProgram(m_name);
    m_device->ReleasePrivate();
}

void ShaderProgram::OnFirstPublicReference() {
    m_device->AddRef();
}
void ShaderProgram::OnLastPublicReference() {
    m_device->Release();
}

HRESULT ShaderProgram::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown) {
        *object = static_cast<IDirect3DShaderProgram9Gl*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

INT ShaderProgram::GetUniformLocation(LPCSTR name) {
    if (!name) return -1;
    m_device->MakeCurrent();
    return glGetUniformLocation(m_name, name);
}

void ShaderProgram::SetPositionFixup(float x, float y) {
    if (m_fixup[0] == x && m_fixup[1] == y) return;
    m_fixup[0] = x;
    m_fixup[1] = y;
    glUniform2f(m_fixupLocation, x, y);
}

void ShaderProgram::SetAlphaTest(int func, float ref) {
    if (m_alphaFunc != func) {
        m_alphaFunc = func;
        glUniform1i(m_alphaFuncLocation, func);
    }
    if (m_alphaRef != ref) {
        m_alphaRef = ref;
        glUniform1f(m_alphaRefLocation, ref);
    }
}

HRESULT Text::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown) {
        *object = static_cast<IDirect3DText9Gl*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

}  // namespace d3d9gl
