// Every kind of value and a few odd spacings.
float a=-1.5e+2f;float2 b={.5,-0};float4x4 m={1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1};
texture t; texture u;
glsl{/* { */ int f(){return 1;} // }
}
vertexshader V{void main(){gl_Position=vec4(0);}}
pixelshader P{void main(){fragColor=vec4(1);}}
technique T{pass 0{VertexShader=V;PixelShader=P;ZEnable=UseW;FillMode=Wireframe;CullMode=CCW;
ZFunc=Never;SrcBlend=InvDestColor;BlendOp=RevSubtract;AlphaRef=0xFF;ColorWriteEnable=7;
Texture[15]=t;Texture[0]=u;BorderColor[15]=0xFF00FF00;MipMapLodBias[0]=-.25;MaxAnisotropy[3]=16;
SRGBTexture[2]=true;AddressW[1]=MirrorOnce;}
pass 1{PixelShader=P;VertexShader=V;}}
technique U{pass 0{VertexShader=V;PixelShader=P;}}
