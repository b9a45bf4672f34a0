// Every shape of the world: places the instance and hands its paint to the fragment shader.
VARYING vec3 vNormal;
VARYING vec2 vUV;
VARYING vec4 vColour;
VARYING vec4 vData;

void MAIN()
{
    mat3 linear = mat3(INSTANCE_MODEL_MATRIX);
    vNormal = normalize(transpose(inverse(linear)) * NORMAL);
    // VRML's texture transform: turn the texture coordinates, then scale them.
    float c = cos(INSTANCE_DATA.x);
    float s = sin(INSTANCE_DATA.x);
    vUV = vec2(c * UV0.x - s * UV0.y, s * UV0.x + c * UV0.y) * INSTANCE_DATA.yz;
    vColour = INSTANCE_COLOR;
    vData = INSTANCE_DATA;
    POSITION = INSTANCE_MODELVIEWPROJECTION_MATRIX * vec4(VERTEX, 1.0);
}
