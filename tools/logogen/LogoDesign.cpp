#include "tools/logogen/LogoDesign.h"

#include <algorithm>

#include "tools/imagegen/CoverageRaster.h"
#include "tools/imagegen/Flatten.h"
#include "tools/imagegen/FontOutline.h"
#include "tools/logogen/GaussianBlur.h"
#include "tools/logogen/LogoCanvas.h"
#include "tools/logogen/LogoShapes.h"

namespace {

constexpr double kTolerance = 1e-3;  // pixels; far below one 8-bit step of coverage

// Placement of the badge: its lower right corner this far in from the picture's.
constexpr int kMarginRight = 14;
constexpr int kMarginBottom = 14;
constexpr int kBadgeHeight = 52;
constexpr int kPadding = 12;
constexpr double kCornerRadius = 9.0;
constexpr int kEmblemSize = 30;
constexpr int kEmblemGap = 11;

constexpr const char* kTitle = "DISTANCE FIELD";
constexpr double kTitleCapHeight = 14.0;  // pixels
constexpr double kTitleSpacing = 110.0;   // font units between letters
constexpr const char* kSubtitle = "dfdemo \xC2\xB7 1\xC3\x97 to 49\xC3\x97 magnification";
constexpr double kSubtitleEm = 11.5;  // pixels

const Colour kAccent{224 / 255.0, 96 / 255.0, 96 / 255.0, 1.0};  // the distance panel's red
const Colour kTitleColour{0.96, 0.96, 0.96, 1.0};
const Colour kSubtitleColour{0.62, 0.66, 0.71, 1.0};
const Colour kShadow{0.0, 0.0, 0.0, 0.55};
const Colour kBorder{1.0, 1.0, 1.0, 0.16};

std::vector<double> Mask(const Outline& outline) {
    return RasterizeCoverage(FlattenOutline(outline, kTolerance), kLogoWidth, kLogoHeight);
}

// A line of text in pixels with its baseline at `baselineY` and its ink starting at `left`.
struct PlacedText {
    Outline outline;
    double width = 0.0;
};

bool PlaceText(const std::string& font, const std::string& text, double spacing, double em,
               double left, double baselineY, PlacedText* placed, std::string* error) {
    TextOutline glyphs;
    if (!LoadTextOutline({font, text, spacing}, &glyphs, error)) return false;
    const double scale = em / glyphs.unitsPerEm;
    const Bounds ink = OutlineBounds(glyphs.outline);
    placed->outline =
        TransformOutline(glyphs.outline, {scale, -scale}, {left - scale * ink.min.x, baselineY});
    placed->width = scale * ink.Width();
    return true;
}

Outline RoundedRectangle(Vec2 min, Vec2 max, double radius) {
    OutlineBuilder b;
    AddRoundedRectangle(b, min, max, radius);
    return b.Finish();
}

// A ring between two radii: the outer circle one way, the inner the other.
Outline Ring(Vec2 centre, double outer, double inner) {
    OutlineBuilder b;
    AddCircle(b, centre, outer);
    AddCircle(b, centre, inner, true);
    return b.Finish();
}

Outline Disc(Vec2 centre, double radius) {
    OutlineBuilder b;
    AddCircle(b, centre, radius);
    return b.Finish();
}

}  // namespace

bool RenderLogo(const LogoFonts& fonts, std::vector<uint8_t>* rgba, std::string* error) {
    // Lay the text out first: its width decides the badge's.
    const double titleEm = kTitleCapHeight / (1493.0 / 2048.0);  // DejaVu's cap height
    PlacedText title;
    PlacedText subtitle;
    if (!PlaceText(fonts.bold, kTitle, kTitleSpacing, titleEm, 0.0, 0.0, &title, error) ||
        !PlaceText(fonts.regular, kSubtitle, 0.0, kSubtitleEm, 0.0, 0.0, &subtitle, error)) {
        return false;
    }
    const double textWidth = std::max(title.width, subtitle.width);
    const int badgeWidth =
        static_cast<int>(kPadding + kEmblemSize + kEmblemGap + textWidth + kPadding + 1.0);
    const int right = kLogoWidth - kMarginRight;
    const int bottom = kLogoHeight - kMarginBottom;
    const Vec2 min{static_cast<double>(right - badgeWidth),
                   static_cast<double>(bottom - kBadgeHeight)};
    const Vec2 max{static_cast<double>(right), static_cast<double>(bottom)};

    const double textLeft = min.x + kPadding + kEmblemSize + kEmblemGap;
    const double titleBaseline = min.y + 25.0;
    const double subtitleBaseline = min.y + 41.0;
    if (!PlaceText(fonts.bold, kTitle, kTitleSpacing, titleEm, textLeft, titleBaseline, &title,
                   error) ||
        !PlaceText(fonts.regular, kSubtitle, 0.0, kSubtitleEm, textLeft, subtitleBaseline,
                   &subtitle, error)) {
        return false;
    }

    LogoCanvas canvas(kLogoWidth, kLogoHeight);
    const std::vector<double> badge = Mask(RoundedRectangle(min, max, kCornerRadius));

    // Soft shadow below the badge.
    canvas.Paint(
        GaussianBlur(ShiftMask(badge, kLogoWidth, kLogoHeight, 0, 3), kLogoWidth, kLogoHeight, 4.0),
        kShadow);
    // The badge: dark slate, a little lighter at the top, with a faint light rim.
    const double top = min.y;
    canvas.Paint(badge, [top](double, double y) {
        const double t = std::clamp((y - top) / kBadgeHeight, 0.0, 1.0);
        return Colour{(36 - 14 * t) / 255.0, (42 - 16 * t) / 255.0, (52 - 19 * t) / 255.0, 0.92};
    });
    std::vector<double> rim = badge;
    const std::vector<double> inside =
        Mask(RoundedRectangle(min + Vec2{1.0, 1.0}, max - Vec2{1.0, 1.0}, kCornerRadius - 1.0));
    for (size_t k = 0; k < rim.size(); ++k) rim[k] = std::max(0.0, rim[k] - inside[k]);
    canvas.Paint(rim, kBorder);

    // The emblem: a red dot inside two fading rings, like the level lines of a distance field.
    const Vec2 centre{min.x + kPadding + 0.5 * kEmblemSize, 0.5 * (min.y + max.y)};
    canvas.Paint(Mask(Ring(centre, 15.0, 13.6)), Colour{kAccent.r, kAccent.g, kAccent.b, 0.35});
    canvas.Paint(Mask(Ring(centre, 10.6, 9.0)), Colour{kAccent.r, kAccent.g, kAccent.b, 0.65});
    canvas.Paint(Mask(Disc(centre, 6.0)), kAccent);

    canvas.Paint(Mask(title.outline), kTitleColour);
    canvas.Paint(Mask(subtitle.outline), kSubtitleColour);

    *rgba = canvas.ToRgba8();
    return true;
}
