#pragma once
// The panel's three-dimensional view settings as the drawing surface reads them. The program's
// chart is flat, so the surface stores these and never applies them.

struct TView3DOptions {
    bool Orthogonal = true;
    int Zoom = 100; // per cent
    bool ZoomText = true;
    int HorizOffset = 0;
    int VertOffset = 0;
    int Perspective = 15;
    int Rotation = 345;  // degrees
    int Elevation = 345; // degrees
};
