// The OpenGL state the device has set, so that a call that would set what is already in force
// is skipped. Every OpenGL state change of the device goes through here.
#pragma once

#include <epoxy/gl.h>

namespace d3d9gl {

class GlStateCache {
public:
    // Forgets everything: the next call of each setter reaches OpenGL.
    void Invalidate();

    void Capability(GLenum cap,
                    bool enable);  // GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE, GL_SCISSOR_TEST
    void BlendFunc(GLenum srcRgb, GLenum dstRgb, GLenum srcAlpha, GLenum dstAlpha);
    void BlendEquation(GLenum rgb, GLenum alpha);
    void DepthFunc(GLenum func);
    void DepthMask(bool write);
    void CullFace(GLenum face);
    void PolygonMode(GLenum mode);
    void ColorMask(bool r, bool g, bool b, bool a);
    void Scissor(GLint x, GLint y, GLsizei width, GLsizei height);
    void Viewport(GLint x, GLint y, GLsizei width, GLsizei height);
    void DepthRange(float nearZ, float farZ);
    void DrawFramebuffer(GLuint framebuffer);
    void UseProgram(GLuint program);
    void Texture(int unit, GLuint texture);  // GL_TEXTURE_2D on that unit
    void ArrayBuffer(GLuint buffer);

private:
    enum { kBlend, kDepthTest, kCullFace, kScissorTest, kCapabilityCount };
    static int CapabilityIndex(GLenum cap);
    void ActiveTexture(int unit);

    int m_capabilities[kCapabilityCount];
    GLenum m_blendFunc[4];
    GLenum m_blendEquation[2];
    GLenum m_depthFunc;
    int m_depthMask;
    GLenum m_cullFace;
    GLenum m_polygonMode;
    int m_colorMask;
    GLint m_scissor[4];
    GLint m_viewport[4];
    float m_depthRange[2];
    GLuint m_drawFramebuffer;
    GLuint m_program;
    int m_activeUnit;
    GLuint m_textures[32];
    GLuint m_arrayBuffer;
};

}  // namespace d3d9gl
