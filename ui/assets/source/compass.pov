// A brass pocket compass with its lid open, on a walnut desk: the photograph beside the window's
// controls. Rendered by make-assets.sh at 208 x 415 and 416 x 830 pixels.
#version 3.7;
global_settings { assumed_gamma 1.0 max_trace_level 12 }

#include "colors.inc"
#include "woods.inc"

camera {
    location <0.35, 5.0, -4.3>
    look_at <0, 0.62, 0.55>
    right x * image_width / image_height
    angle 26
}

light_source { <-5, 9, -3.5> color rgb <1.0, 0.96, 0.88> * 1.15
    area_light <1.6, 0, 0>, <0, 0, 1.6>, 6, 6 adaptive 1 jitter circular orient }
light_source { <6, 5, -5> color rgb <0.75, 0.8, 0.9> * 0.35 shadowless }

sky_sphere {
    pigment { gradient y color_map { [0.0 rgb <0.35, 0.3, 0.25>] [0.5 rgb <0.9, 0.86, 0.8>] [1.0 rgb <0.55, 0.6, 0.7>] } }
}

#declare Brass = texture {
    pigment { rgb <0.78, 0.56, 0.24> }
    finish { ambient 0 diffuse 0.3 brilliance 3 metallic specular 0.9 roughness 0.012 reflection { 0.25, 0.55 metallic } }
}
#declare WornBrass = texture {
    pigment { granite color_map { [0 rgb <0.62, 0.44, 0.18>] [1 rgb <0.80, 0.60, 0.28>] } scale 0.4 }
    normal { bumps 0.06 scale 0.02 }
    finish { ambient 0 diffuse 0.35 brilliance 2 metallic specular 0.6 roughness 0.03 reflection { 0.12, 0.3 metallic } }
}

// The desk.
plane { y, 0
    texture {
        pigment { wood turbulence 0.06 octaves 4 lambda 2.5
            color_map { [0.0 rgb <0.22, 0.09, 0.03>] [0.35 rgb <0.36, 0.16, 0.05>]
                        [0.7 rgb <0.17, 0.07, 0.02>] [1.0 rgb <0.30, 0.13, 0.04>] }
            scale <0.35, 0.35, 6> rotate <0, 84, 0> translate <0.3, 0, 2> }
        normal { wood 0.08 scale <0.35, 0.35, 6> rotate <0, 84, 0> }
        finish { ambient 0 diffuse 0.75 specular 0.35 roughness 0.01 reflection 0.05 }
    }
}

// A brass chain from the ring, lying loose on the desk.
#declare ChainLink = torus { 0.045, 0.012 scale <1, 1, 1.6> }
union {
    #for (I, 0, 26)
        #local T = I * 0.11;
        object { ChainLink rotate z * (mod(I, 2) * 90) rotate y * (-10 + 35 * sin(T * 1.7))
            translate <0.03 + 0.22 * sin(T * 1.9) - 0.05 * T, 0.015, -1.33 - T> }
    #end
    texture { Brass }
    rotate y * 8
}

// The case, with a rounded rim and a recess for the card.
#declare Case = union {
    difference {
        cylinder { <0, 0, 0>, <0, 0.34, 0>, 1 }
        cylinder { <0, 0.14, 0>, <0, 0.5, 0>, 0.86 }
    }
    torus { 0.93, 0.07 translate y * 0.34 }
    torus { 0.965, 0.035 translate y * 0.02 }
    texture { Brass }
}

#declare Card = cylinder { <0, 0.141, 0>, <0, 0.146, 0>, 0.86
    texture {
        pigment { image_map { png "compass-card.png" interpolate 2 } translate <-0.5, -0.5, 0> scale 1.72 rotate x * 90 }
        finish { ambient 0 diffuse 0.8 specular 0.05 }
    }
}

#declare NeedleHalf = prism { linear_sweep 0, 0.018, 4, <0, 0.68>, <0.065, 0>, <-0.065, 0>, <0, 0.68> }
#declare Needle = union {
    object { NeedleHalf texture { pigment { rgb <0.72, 0.06, 0.04> } finish { ambient 0 diffuse 0.7 specular 0.5 roughness 0.01 } } }
    object { NeedleHalf rotate y * 180 texture { pigment { rgb <0.82, 0.83, 0.86> } finish { ambient 0 diffuse 0.6 metallic specular 0.7 roughness 0.01 reflection 0.2 } } }
    sphere { 0, 1 scale <0.06, 0.035, 0.06> translate y * 0.02 texture { Brass } }
    translate y * 0.2
    rotate y * -17
}

#declare Glass = cylinder { <0, 0.3, 0>, <0, 0.31, 0>, 0.87
    texture { pigment { rgbf <0.97, 0.98, 1.0, 0.97> } finish { ambient 0 diffuse 0 specular 0.9 roughness 0.001 reflection { 0.03, 0.6 fresnel } } }
    interior { ior 1.5 }
}

// The lid, open on its hinge at the back of the case.
#declare Lid = union {
    difference {
        cylinder { <0, 0, 0>, <0, 0.12, 0>, 1 }
        cylinder { <0, -0.1, 0>, <0, 0.06, 0>, 0.9 texture { WornBrass } }
    }
    torus { 0.95, 0.05 translate y * 0.06 }
    // A compass rose engraved inside the lid.
    #for (I, 0, 7)
        box { <-0.012, 0.059, 0>, <0.012, 0.061, (mod(I, 2) = 0 ? 0.62 : 0.4)> rotate y * I * 45 texture { pigment { rgb <0.35, 0.24, 0.09> } finish { ambient 0 diffuse 0.5 } } }
    #end
    torus { 0.7, 0.008 translate y * 0.06 texture { pigment { rgb <0.35, 0.24, 0.09> } finish { ambient 0 diffuse 0.5 } } }
    texture { Brass }
    translate z * 1.04
    rotate x * -102
    translate <0, 0.34, 1.0>
}

#declare Hinge = union {
    cylinder { <-0.28, 0, 0>, <0.28, 0, 0>, 0.06 }
    cylinder { <-0.3, 0, 0>, <0.3, 0, 0>, 0.045 }
    translate <0, 0.34, 1.02>
    texture { Brass }
}

// The push button that opens the lid, and the ring for a chain, at the front.
#declare Button = union {
    cylinder { <0, 0.17, -0.98>, <0, 0.17, -1.12>, 0.07 }
    sphere { <0, 0.17, -1.12>, 0.07 scale <1, 1, 0.5> translate z * -0.56 }
    torus { 0.12, 0.025 rotate z * 90 translate <0, 0.17, -1.25> }
    texture { Brass }
}

union { object { Case } object { Card } object { Needle } object { Glass } object { Lid } object { Hinge } object { Button }
    rotate y * 8
}
