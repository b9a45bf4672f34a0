// VRML's sky: colours from straight up downwards, blended between the angles (from straight
// up) at which each is reached; below the last angle the last colour fills the sphere.
VARYING vec3 vDirection;

void MAIN()
{
    float angle = acos(clamp(normalize(vDirection).y, -1.0, 1.0));
    vec3 colour = sky0;
    if (skyCount > 1.5)
        colour = angle < skyAngles.x ? mix(sky0, sky1, angle / skyAngles.x) : sky1;
    if (skyCount > 2.5 && angle >= skyAngles.x)
        colour = angle < skyAngles.y ? mix(sky1, sky2, (angle - skyAngles.x) / (skyAngles.y - skyAngles.x)) : sky2;
    if (skyCount > 3.5 && angle >= skyAngles.y)
        colour = angle < skyAngles.z ? mix(sky2, sky3, (angle - skyAngles.y) / (skyAngles.z - skyAngles.y)) : sky3;
    FRAGCOLOR = vec4(colour, 1.0);
}
