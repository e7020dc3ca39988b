// An effect whose pixel shader does not compile.
texture baseTexture;

vertexshader Quad {
    in vec4 POSITION;
    void main() { gl_Position = POSITION; }
}

pixelshader Broken {
    void main() {
        fragColor = vec4(thisIsNotDeclared, 0.0, 0.0, 1.0);
    }
}

technique TStandard {
    pass 0 {
        VertexShader = Quad;
        PixelShader = Broken;
    }
}
