// What part of an outline a magnified view around a point shows: corners and curved edges.
#pragma once

#include "tools/imagegen/Outline.h"

struct ViewWindow {
    Vec2 min;
    Vec2 max;

    bool Contains(Vec2 p) const {
        return p.x >= min.x && p.x <= max.x && p.y >= min.y && p.y <= max.y;
    }
};

// The texels a panel of width × height screen pixels shows at `scale` pixels per texel when
// texel point `fixedTexel` lies at screen point `fixedScreen`.
ViewWindow PanelWindow(int width, int height, double scale, Vec2 fixedTexel, Vec2 fixedScreen);

struct ViewFeatures {
    int corners = 0;                // joints where the outline turns by more than kCornerDegrees
    int curvedEdges = 0;            // quadratics whose direction turns by more than kCurveDegrees
                                    // inside the window
    double largestCurveTurn = 0.0;  // degrees
};

constexpr double kCornerDegrees = 30.0;
constexpr double kCurveDegrees = 20.0;

ViewFeatures FeaturesInWindow(const Outline& outline, const ViewWindow& window);
