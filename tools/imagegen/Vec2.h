// A point or direction in the plane, in double precision.
#pragma once

#include <cmath>

struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, double s) {
    return {a.x * s, a.y * s};
}
inline Vec2 operator*(double s, Vec2 a) {
    return {a.x * s, a.y * s};
}
inline bool operator==(Vec2 a, Vec2 b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator!=(Vec2 a, Vec2 b) {
    return !(a == b);
}
inline double Dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
inline double Cross(Vec2 a, Vec2 b) {
    return a.x * b.y - a.y * b.x;
}
inline double Length(Vec2 a) {
    return std::sqrt(Dot(a, a));
}
inline Vec2 Lerp(Vec2 a, Vec2 b, double t) {
    return a + (b - a) * t;
}
