#pragma once

// Bearings in degrees: 0 points up (towards smaller screen y), growing clockwise, in [0, 360).

// Bearing in radians of the vector (dx, dy).
double AngleRad(double dx, double dy);
// Bearing in degrees from (x1, y1) to (x2, y2); a zero vector gives 90.
float AngleDeg(float x1, float y1, float x2, float y2);
// The point at bearing `angle` (degrees) and distance r from the origin: (r sin a, -r cos a).
float PolarX(float angle, float r);
float PolarY(float angle, float r);
