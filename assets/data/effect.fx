// The effect every draw of the program goes through (format: platform/d3dx9/EFFECTS.md).
//
// The quads arrive with their positions already in clip space and texture coordinates 0..1
// across the image, so the matrices are accepted but not used. The image holds the shape's
// area coverage in R, G, B and its signed distance field in A (assets/DistanceFieldEncoding.h).
// Coverage is a fraction of light, so the panels treat it as linear light and encode it for
// the 8-bit target, which holds sRGB-encoded values: white shape, black surroundings.
//
// Technique TStandard:
//   pass 0  the vertex colour alone
//   pass 1  the texture, nearest texel, opaque
//   pass 2  the texture times the vertex colour, bilinear
//   pass 3  the logo: the texture as it is, colour and alpha, over what the frame blends
//   pass 4  the shape rebuilt from the distance field, edges antialiased over one pixel
//   pass 5  the coverage cut by the alpha test at one half
//   pass 6  the coverage with plain bilinear filtering

float4x4 matWorldViewProj;
float4x4 matWorldView;
float4x4 matWorld;
float4x4 matViewProj;
float4x4 matInvWorldView;
float4 eyePosition = {0, 0, 16, 1};
float gScale = 9.0;  // magnification + 8, set every frame
texture baseTexture;

glsl {
    // Distance, in texels, at which the encoded distance reaches 0 or 1.
    const float kDistanceFieldSpread = @DISTANCE_FIELD_SPREAD@;

    // Linear light 0..1 to the sRGB encoding the target stores.
    vec3 EncodeSrgb(vec3 c) {
        c = clamp(c, 0.0, 1.0);
        vec3 low = c * 12.92;
        vec3 high = 1.055 * pow(c, vec3(1.0 / 2.4)) - 0.055;
        return mix(low, high, step(vec3(0.0031308), c));
    }
}

vertexshader ScreenQuad {
    in vec4 POSITION;
    in vec4 COLOR0;
    in vec2 TEXCOORD0;
    out vec2 texCoord;
    out vec4 vertexColor;

    void main() {
        gl_Position = POSITION;  // already in clip space
        texCoord = TEXCOORD0;
        vertexColor = COLOR0;
    }
}

pixelshader VertexColor {
    in vec4 vertexColor;

    void main() { fragColor = vertexColor; }
}

pixelshader Textured {
    in vec2 texCoord;
    in vec4 vertexColor;

    void main() { fragColor = texture(baseTexture, texCoord) * vertexColor; }
}

pixelshader Overlay {
    in vec2 texCoord;

    void main() { fragColor = texture(baseTexture, texCoord); }
}

pixelshader Bilinear {
    in vec2 texCoord;

    void main() { fragColor = vec4(EncodeSrgb(texture(baseTexture, texCoord).rgb), 1.0); }
}

pixelshader AlphaTest {
    in vec2 texCoord;

    // The device's alpha test keeps what has at least half coverage.
    void main() { fragColor = vec4(1.0, 1.0, 1.0, texture(baseTexture, texCoord).r); }
}

pixelshader DistanceField {
    in vec2 texCoord;

    // The decoded distance at a texel, in texels, positive inside; the image is clamped at
    // its borders.
    float TexelDistance(ivec2 texel, ivec2 size) {
        float encoded = texelFetch(baseTexture, clamp(texel, ivec2(0), size - 1), 0).a;
        return (encoded - 0.5) * (2.0 * kDistanceFieldSpread);
    }

    // The part of a pixel (a unit square) on the inner side of a straight edge that passes at
    // distance d (in pixels, positive when the pixel's centre is inside) with unit normal n:
    // the box filter of the edge, exact for any direction.
    float PixelCoverage(float d, vec2 n) {
        float a = min(abs(n.x), abs(n.y));
        float b = max(abs(n.x), abs(n.y));
        float h = 0.5 * (a + b);  // beyond h the pixel is wholly on one side
        float k = 0.5 * (b - a);  // within k the covered part grows linearly
        if (d <= -h) return 0.0;
        if (d >= h) return 1.0;
        if (d < -k) return (d + h) * (d + h) / max(2.0 * a * b, 1e-12);
        if (d > k) return 1.0 - (h - d) * (h - d) / max(2.0 * a * b, 1e-12);
        return 0.5 + d / b;
    }

    void main() {
        // Texel space with texel centres on whole numbers.
        ivec2 size = textureSize(baseTexture, 0);
        vec2 p = texCoord * vec2(size) - 0.5;
        vec2 cell = floor(p);
        vec2 f = p - cell;
        ivec2 t = ivec2(cell);

        // The four texels around p, interpolated here in full float precision (the
        // hardware's filter weights have 8 bits, which step visibly at high magnification).
        float d00 = TexelDistance(t, size);
        float d10 = TexelDistance(t + ivec2(1, 0), size);
        float d01 = TexelDistance(t + ivec2(0, 1), size);
        float d11 = TexelDistance(t + ivec2(1, 1), size);
        float top = mix(d00, d10, f.x);
        float bottom = mix(d01, d11, f.x);
        float d = mix(top, bottom, f.y);
        // The gradient of the interpolated distance, in texel space.
        vec2 g = vec2(mix(d10 - d00, d11 - d01, f.y), bottom - top);

        // Texels per pixel from the screen-space derivatives of the texel coordinates turn
        // the gradient into the change of distance per pixel step; the distance divided by
        // its length is the distance to the edge in pixels.
        vec2 perPixel = vec2(dot(g, dFdx(p)), dot(g, dFdy(p)));
        float rate = length(perPixel);
        float coverage = rate > 1e-8 ? PixelCoverage(d / rate, perPixel / rate)
                                     : step(0.0, d);
        fragColor = vec4(EncodeSrgb(vec3(coverage)), 1.0);
    }
}

technique TStandard {
    pass 0 {
        VertexShader = ScreenQuad;
        PixelShader = VertexColor;
        AlphaTestEnable = false;
        ColorWriteEnable = 15;
        FillMode = Solid;
    }

    pass 1 {
        VertexShader = ScreenQuad;
        PixelShader = Textured;
        AlphaTestEnable = false;
        ColorWriteEnable = 15;
        FillMode = Solid;
        Texture[0] = baseTexture;
        MagFilter[0] = Point;
        MinFilter[0] = Point;
        MipFilter[0] = None;
        AddressU[0] = Clamp;
        AddressV[0] = Clamp;
    }

    pass 2 {
        VertexShader = ScreenQuad;
        PixelShader = Textured;
        AlphaTestEnable = false;
        ColorWriteEnable = 15;
        FillMode = Solid;
        Texture[0] = baseTexture;
        MagFilter[0] = Linear;
        MinFilter[0] = Linear;
        MipFilter[0] = None;
        AddressU[0] = Clamp;
        AddressV[0] = Clamp;
    }

    // The logo: blending and depth are the frame's (source alpha over the target, no depth).
    pass 3 {
        VertexShader = ScreenQuad;
        PixelShader = Overlay;
        AlphaTestEnable = false;
        ColorWriteEnable = 15;
        FillMode = Solid;
        Texture[0] = baseTexture;
        MagFilter[0] = Linear;
        MinFilter[0] = Linear;
        MipFilter[0] = None;
        AddressU[0] = Clamp;
        AddressV[0] = Clamp;
    }

    // Right panel. The distance is read with texelFetch, so the sampler's filters do not
    // matter; the shader encodes its own output, so the target must not encode again.
    pass 4 {
        VertexShader = ScreenQuad;
        PixelShader = DistanceField;
        AlphaTestEnable = false;
        ColorWriteEnable = 15;
        FillMode = Solid;
        ZFunc = LessEqual;
        SRGBWriteEnable = false;
        Texture[0] = baseTexture;
        MagFilter[0] = Point;
        MinFilter[0] = Point;
        MipFilter[0] = None;
        AddressU[0] = Clamp;
        AddressV[0] = Clamp;
    }

    // Middle panel.
    pass 5 {
        VertexShader = ScreenQuad;
        PixelShader = AlphaTest;
        AlphaTestEnable = true;
        AlphaFunc = GreaterEqual;
        AlphaRef = 128;
        ColorWriteEnable = 15;
        FillMode = Solid;
        ZFunc = LessEqual;
        SRGBWriteEnable = false;
        Texture[0] = baseTexture;
        MagFilter[0] = Linear;
        MinFilter[0] = Linear;
        MipFilter[0] = None;
        AddressU[0] = Clamp;
        AddressV[0] = Clamp;
    }

    // Left panel.
    pass 6 {
        VertexShader = ScreenQuad;
        PixelShader = Bilinear;
        AlphaTestEnable = false;
        ColorWriteEnable = 15;
        FillMode = Solid;
        ZFunc = LessEqual;
        SRGBWriteEnable = false;
        Texture[0] = baseTexture;
        MagFilter[0] = Linear;
        MinFilter[0] = Linear;
        MipFilter[0] = None;
        AddressU[0] = Clamp;
        AddressV[0] = Clamp;
    }
}
