float4x4 matWorldViewProj;          // parameters, with optional defaults
float4 tint = {1, 1, 1, 1};
float gScale = 9.0;
texture baseTexture;

glsl {                              // GLSL shared by every shader
    vec3 EncodeSrgb(vec3 c) { return pow(clamp(c, 0.0, 1.0), vec3(1.0 / 2.2)); }
}

vertexshader Quad {
    in vec4 POSITION;               // the vertex declaration's usages, by name
    in vec2 TEXCOORD0;
    out vec2 uv;
    void main() { gl_Position = POSITION * matWorldViewProj; uv = TEXCOORD0; }
}

pixelshader Tinted {
    in vec2 uv;
    void main() { fragColor = texture(baseTexture, uv) * tint; }
}

technique Simple {
    pass 0 {
        VertexShader = Quad;
        PixelShader = Tinted;
        AlphaTestEnable = true;     // render states
        AlphaFunc = GreaterEqual;
        AlphaRef = 128;
        Texture[0] = baseTexture;   // sampler stage 0: its texture and states
        MinFilter[0] = Linear;
        MagFilter[0] = Linear;
        AddressU[0] = Clamp;
        AddressV[0] = Clamp;
    }
}
