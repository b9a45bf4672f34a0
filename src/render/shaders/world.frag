// The lighting of VRML browsers: a lit shape is its colour (times its texture, as current
// browsers modulate an RGB texture) times the light of the world's two directional lights and
// the headlight, clamped; a shape without a material shows its texture (or white) unlit. A
// highlighted shape is tinted.
VARYING vec3 vNormal;
VARYING vec2 vUV;
VARYING vec4 vColour;
VARYING vec4 vData;

void MAIN()
{
    bool lit = vColour.a > 0.5;
    vec3 base = lit ? vColour.rgb : vec3(1.0);
    if (hasTexture > 0.5)
        base *= texture(tex, vec2(vUV.x, 1.0 - vUV.y)).rgb;
    vec3 colour = base;
    if (lit) {
        vec3 n = normalize(vNormal);
        float light = max(dot(n, vec3(0.0, 0.0, 1.0)), 0.0) + max(dot(n, vec3(0.0, 1.0, 0.0)), 0.0)
                      + max(dot(n, -normalize(headlight)), 0.0);
        colour = min(base * light, vec3(1.0));
    }
    if (vData.w > 0.5)
        colour = mix(colour, vec3(1.0, 0.85, 0.0), 0.45);
    FRAGCOLOR = vec4(colour, 1.0);
}
