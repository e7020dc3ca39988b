#include "platform/d3d9/d3d9_gl_state.h"

namespace d3d9gl {

namespace {
constexpr GLenum kUnknown = 0xFFFFFFFFu;
}

void GlStateCache::Invalidate() {
    for (int& c : m_capabilities) c = -1;
    for (GLenum& f : m_blendFunc) f = kUnknown;
    for (GLenum& e : m_blendEquation) e = kUnknown;
    m_depthFunc = kUnknown;
    m_depthMask = -1;
    m_cullFace = kUnknown;
    m_polygonMode = kUnknown;
    m_colorMask = -1;
    for (GLint& s : m_scissor) s = -1;
    for (GLint& v : m_viewport) v = -1;
    m_depthRange[0] = m_depthRange[1] = -1.0f;
    m_drawFramebuffer = kUnknown;
    m_program = kUnknown;
    m_activeUnit = -1;
    for (GLuint& t : m_textures) t = kUnknown;
    m_arrayBuffer = kUnknown;
}

int GlStateCache::CapabilityIndex(GLenum cap) {
    switch (cap) {
        case GL_BLEND:
            return kBlend;
        case GL_DEPTH_TEST:
            return kDepthTest;
        case GL_CULL_FACE:
            return kCullFace;
        default:
            return kScissorTest;
    }
}

void GlStateCache::Capability(GLenum cap, bool enable) {
    int& known = m_capabilities[CapabilityIndex(cap)];
    if (known == static_cast<int>(enable)) return;
    known = enable;
    if (enable)
        glEnable(cap);
    else
        glDisable(cap);
}

void GlStateCache::BlendFunc(GLenum srcRgb, GLenum dstRgb, GLenum srcAlpha, GLenum dstAlpha) {
    if (m_blendFunc[0] == srcRgb && m_blendFunc[1] == dstRgb && m_blendFunc[2] == srcAlpha &&
        m_blendFunc[3] == dstAlpha)
        return;
    m_blendFunc[0] = srcRgb;
    m_blendFunc[1] = dstRgb;
    m_blendFunc[2] = srcAlpha;
    m_blendFunc[3] = dstAlpha;
    glBlendFuncSeparate(srcRgb, dstRgb, srcAlpha, dstAlpha);
}

void GlStateCache::BlendEquation(GLenum rgb, GLenum alpha) {
    if (m_blendEquation[0] == rgb && m_blendEquation[1] == alpha) return;
    m_blendEquation[0] = rgb;
    m_blendEquation[1] = alpha;
    glBlendEquationSeparate(rgb, alpha);
}

void GlStateCache::DepthFunc(GLenum func) {
    if (m_depthFunc == func) return;
    m_depthFunc = func;
    glDepthFunc(func);
}

void GlStateCache::DepthMask(bool write) {
    if (m_depthMask == static_cast<int>(write)) return;
    m_depthMask = write;
    glDepthMask(write ? GL_TRUE : GL_FALSE);
}

void GlStateCache::CullFace(GLenum face) {
    if (m_cullFace == face) return;
    m_cullFace = face;
    glCullFace(face);
}

void GlStateCache::PolygonMode(GLenum mode) {
    if (m_polygonMode == mode) return;
    m_polygonMode = mode;
    glPolygonMode(GL_FRONT_AND_BACK, mode);
}

void GlStateCache::ColorMask(bool r, bool g, bool b, bool a) {
    const int mask = (r ? 1 : 0) | (g ? 2 : 0) | (b ? 4 : 0) | (a ? 8 : 0);
    if (m_colorMask == mask) return;
    m_colorMask = mask;
    glColorMask(r, g, b, a);
}

void GlStateCache::Scissor(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (m_scissor[0] == x && m_scissor[1] == y && m_scissor[2] == width && m_scissor[3] == height)
        return;
    m_scissor[0] = x;
    m_scissor[1] = y;
    m_scissor[2] = width;
    m_scissor[3] = height;
    glScissor(x, y, width, height);
}

void GlStateCache::Viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (m_viewport[0] == x && m_viewport[1] == y && m_viewport[2] == width &&
        m_viewport[3] == height)
        return;
    m_viewport[0] = x;
    m_viewport[1] = y;
    m_viewport[2] = width;
    m_viewport[3] = height;
    glViewport(x, y, width, height);
}

void GlStateCache::DepthRange(float nearZ, float farZ) {
    if (m_depthRange[0] == nearZ && m_depthRange[1] == farZ) return;
    m_depthRange[0] = nearZ;
    m_depthRange[1] = farZ;
    glDepthRange(nearZ, farZ);
}

void GlStateCache::DrawFramebuffer(GLuint framebuffer) {
    if (m_drawFramebuffer == framebuffer) return;
    m_drawFramebuffer = framebuffer;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
}

void GlStateCache::UseProgram(GLuint program) {
    if (m_program == program) return;
    m_program = program;
    glUseProgram(program);
}

void GlStateCache::ActiveTexture(int unit) {
    if (m_activeUnit == unit) return;
    m_activeUnit = unit;
    glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
}

void GlStateCache::Texture(int unit, GLuint texture) {
    if (unit < 0 || unit >= 32) return;
    if (m_textures[unit] == texture) return;
    ActiveTexture(unit);
    m_textures[unit] = texture;
    glBindTexture(GL_TEXTURE_2D, texture);
}

void GlStateCache::ArrayBuffer(GLuint buffer) {
    if (m_arrayBuffer == buffer) return;
    m_arrayBuffer = buffer;
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
}

}  // namespace d3d9gl
