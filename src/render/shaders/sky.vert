// The sky sphere around the eye: hands the direction of each point to the fragment shader.
VARYING vec3 vDirection;

void MAIN()
{
    vDirection = VERTEX;
    POSITION = MODELVIEWPROJECTION_MATRIX * vec4(VERTEX, 1.0);
}
