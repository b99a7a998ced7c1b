// Draws Orvane's pictures and writes them in the formats the program and the desktop use:
//
//   Orvane_splash.bmp  240 x 300, the start-up splash (24-bit device-independent bitmap)
//   about.bmp          32 x 32, the picture of the About box (24-bit bitmap)
//   orvane.ico         the program icon, 32 x 32 and 16 x 16 (32-bit images with a mask)
//   orvane.png         32 x 32, the program's window icon
//   icons/hicolor/NxN/apps/orvane.png   the desktop entry's icon at every size of
//                      kThemeIconSizes, and icons/hicolor/scalable/apps/orvane.svg
//
// Usage: orvane-art OUTPUT_FOLDER
//
// The art is a compass rose in the colours of the summary panel (yellow 255,213,17 and blue
// 0,0,255) with the program's name drawn in strokes. Everything is drawn here from shapes, with
// 4 x 4 samples a pixel for smooth edges, and encoded by hand: no library beyond the standard
// one. The output is the same on every run, so the files in res/ only change when this does.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// The pixel sizes of the icon in the desktop's icon theme.
constexpr int kThemeIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

struct Colour {
    double r, g, b;
};

constexpr Colour kYellow{255, 213, 17};  // the summary panel's fill
constexpr Colour kBlue{0, 0, 255};       // the summary panel's labels
constexpr Colour kNavy{10, 18, 92};
constexpr Colour kDeepBlue{0, 0, 170};
constexpr Colour kPaleYellow{255, 240, 170};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kSkyBlue{150, 170, 255};

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

struct Point {
    double x, y;
};

// ---- Canvas ---------------------------------------------------------------------------------

// An RGBA picture with straight (not premultiplied) alpha, 0 to 255 in doubles. Shapes are laid
// over it one after the other, each with its coverage of every pixel as its opacity.
class Canvas {
  public:
    Canvas(int width, int height) : w_(width), h_(height), px_(width * height * 4, 0.0) {}

    int width() const { return w_; }
    int height() const { return h_; }

    // Paints every pixel from a function of its centre.
    void fillWith(const std::function<Colour(double, double)>& shade) {
        for (int y = 0; y < h_; ++y) {
            for (int x = 0; x < w_; ++x) {
                blend(x, y, shade(x + 0.5, y + 0.5), 1.0);
            }
        }
    }

    // Lays a shape given by its inside test over the box [x0, x1) x [y0, y1), with 4 x 4 samples
    // a pixel.
    void fill(double x0, double y0, double x1, double y1,
              const std::function<bool(double, double)>& inside, Colour c, double opacity = 1.0) {
        const int ix0 = std::max(0, static_cast<int>(std::floor(x0)) - 1);
        const int iy0 = std::max(0, static_cast<int>(std::floor(y0)) - 1);
        const int ix1 = std::min(w_, static_cast<int>(std::ceil(x1)) + 1);
        const int iy1 = std::min(h_, static_cast<int>(std::ceil(y1)) + 1);
        for (int y = iy0; y < iy1; ++y) {
            for (int x = ix0; x < ix1; ++x) {
                int hits = 0;
                for (int sy = 0; sy < 4; ++sy) {
                    for (int sx = 0; sx < 4; ++sx) {
                        if (inside(x + (sx + 0.5) / 4.0, y + (sy + 0.5) / 4.0)) {
                            ++hits;
                        }
                    }
                }
                if (hits > 0) {
                    blend(x, y, c, opacity * hits / 16.0);
                }
            }
        }
    }

    // The pixel at (x, y), rounded to bytes: red, green, blue, alpha.
    std::array<std::uint8_t, 4> at(int x, int y) const {
        std::array<std::uint8_t, 4> out{};
        for (int i = 0; i < 4; ++i) {
            const double v = px_[(y * w_ + x) * 4 + i];
            out[i] = static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
        }
        return out;
    }

  private:
    void blend(int x, int y, Colour c, double a) {
        double* p = &px_[(y * w_ + x) * 4];
        const double dstA = p[3] / 255.0;
        const double outA = a + dstA * (1.0 - a);
        if (outA <= 0.0) {
            return;
        }
        const double src[3] = {c.r, c.g, c.b};
        for (int i = 0; i < 3; ++i) {
            p[i] = (src[i] * a + p[i] * dstA * (1.0 - a)) / outA;
        }
        p[3] = outA * 255.0;
    }

    int w_, h_;
    std::vector<double> px_;
};

// ---- Shapes ---------------------------------------------------------------------------------

double distanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

void fillPolygon(Canvas& c, const std::vector<Point>& pts, Colour colour, double opacity = 1.0) {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const Point& p : pts) {
        x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    c.fill(
        x0, y0, x1, y1,
        [&](double x, double y) {
            bool in = false;
            for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                const Point& a = pts[i];
                const Point& b = pts[j];
                if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
                    in = !in;
                }
            }
            return in;
        },
        colour, opacity);
}

// A disc, or a ring when inner > 0.
void fillRing(Canvas& c, Point centre, double outer, double inner, Colour colour,
              double opacity = 1.0) {
    c.fill(
        centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer,
        [&](double x, double y) {
            const double d = std::hypot(x - centre.x, y - centre.y);
            return d <= outer && d >= inner;
        },
        colour, opacity);
}

// A line with round ends.
void strokeLine(Canvas& c, Point a, Point b, double width, Colour colour, double opacity = 1.0) {
    const double r = width / 2.0;
    c.fill(
        std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
        std::max(a.y, b.y) + r,
        [&](double x, double y) {
            return distanceToSegment({x, y}, a, b) <= r;
        },
        colour, opacity);
}

// An arc of an ellipse with round ends. Angles in degrees, counter-clockwise from the x axis
// with y pointing UP (as on paper), from a0 to a1 (a1 > a0). The screen's y points down: the
// caller's centre is in screen pixels, and the arc is mirrored accordingly.
void strokeArc(Canvas& c, Point centre, double rx, double ry, double a0, double a1, double width,
               Colour colour, double opacity = 1.0) {
    const double r = width / 2.0;
    const double t0 = a0 * kPi / 180.0, t1 = a1 * kPi / 180.0;
    const Point e0{centre.x + rx * std::cos(t0), centre.y - ry * std::sin(t0)};
    const Point e1{centre.x + rx * std::cos(t1), centre.y - ry * std::sin(t1)};
    const double radius = std::min(rx, ry);
    c.fill(
        centre.x - rx - r, centre.y - ry - r, centre.x + rx + r, centre.y + ry + r,
        [&](double x, double y) {
            const double nx = (x - centre.x) / rx, ny = (centre.y - y) / ry;
            double t = std::atan2(ny, nx);
            // Bring t into [a0, a0 + 360).
            while (t < t0) {
                t += 2.0 * kPi;
            }
            while (t >= t0 + 2.0 * kPi) {
                t -= 2.0 * kPi;
            }
            if (t <= t1) {
                // Distance to the ellipse, close enough for the near-round shapes drawn here.
                const double len = std::hypot(nx, ny);
                const double scale = std::hypot(nx * rx, ny * ry) / std::max(len, 1e-12);
                if (std::fabs(len - 1.0) * std::min(scale, radius * 1.6) <= r) {
                    return true;
                }
            }
            return std::hypot(x - e0.x, y - e0.y) <= r || std::hypot(x - e1.x, y - e1.y) <= r;
        },
        colour, opacity);
}

// ---- Stroke font ----------------------------------------------------------------------------

// Glyphs in a box whose baseline is y 0 and whose capital height is 1 (y up). Lines and arcs
// (centre, radii, angles in degrees counter-clockwise), drawn with round ends.
struct GlyphLine {
    Point a, b;
};
struct GlyphArc {
    Point centre;
    double rx, ry, a0, a1;
};
struct Glyph {
    char ch;
    double advance;  // width of the glyph's ink box; the spacing is added by the caller
    std::vector<GlyphLine> lines;
    std::vector<GlyphArc> arcs;
};

constexpr double kX = 0.62;  // height of the small letters

const std::vector<Glyph>& glyphs() {
    // One glyph a line reads better than the formatter's layout.
    // clang-format off
    static const std::vector<Glyph> table = {
        // Capitals.
        {'A', 0.66, {{{0, 0}, {0.33, 1}}, {{0.33, 1}, {0.66, 0}}, {{0.12, 0.36}, {0.54, 0.36}}}, {}},
        {'C', 0.72, {}, {{{0.38, 0.5}, 0.38, 0.5, 45, 315}}},
        {'E', 0.52, {{{0.52, 1}, {0, 1}}, {{0, 1}, {0, 0}}, {{0, 0}, {0.52, 0}}, {{0, 0.52}, {0.42, 0.52}}}, {}},
        {'F', 0.52, {{{0.52, 1}, {0, 1}}, {{0, 1}, {0, 0}}, {{0, 0.52}, {0.42, 0.52}}}, {}},
        {'G', 0.76,
         {{{0.44, 0.42}, {0.76, 0.42}}, {{0.76, 0.42}, {0.76, 0.14}}},
         {{{0.38, 0.5}, 0.38, 0.5, 40, 338}}},
        {'H', 0.6, {{{0, 0}, {0, 1}}, {{0.6, 0}, {0.6, 1}}, {{0, 0.52}, {0.6, 0.52}}}, {}},
        {'I', 0.0, {{{0, 0}, {0, 1}}}, {}},
        {'L', 0.5, {{{0, 1}, {0, 0}}, {{0, 0}, {0.5, 0}}}, {}},
        {'M', 0.74, {{{0, 0}, {0, 1}}, {{0, 1}, {0.37, 0.3}}, {{0.37, 0.3}, {0.74, 1}}, {{0.74, 1}, {0.74, 0}}}, {}},
        {'N', 0.62, {{{0, 0}, {0, 1}}, {{0, 1}, {0.62, 0}}, {{0.62, 0}, {0.62, 1}}}, {}},
        {'O', 0.8, {}, {{{0.4, 0.5}, 0.4, 0.5, 0, 360}}},
        {'P', 0.55,
         {{{0, 0}, {0, 1}}, {{0, 1}, {0.3, 1}}, {{0.3, 0.48}, {0, 0.48}}},
         {{{0.3, 0.74}, 0.26, 0.26, -90, 90}}},
        {'R', 0.58,
         {{{0, 0}, {0, 1}}, {{0, 1}, {0.3, 1}}, {{0.3, 0.48}, {0, 0.48}}, {{0.3, 0.48}, {0.58, 0}}},
         {{{0.3, 0.74}, 0.26, 0.26, -90, 90}}},
        {'S', 0.58, {}, {{{0.29, 0.745}, 0.27, 0.255, 25, 270}, {{0.29, 0.255}, 0.29, 0.255, -155, 90}}},
        {'T', 0.64, {{{0, 1}, {0.64, 1}}, {{0.32, 1}, {0.32, 0}}}, {}},
        {'U', 0.6, {{{0, 1}, {0, 0.3}}, {{0.6, 0.3}, {0.6, 1}}}, {{{0.3, 0.3}, 0.3, 0.3, 180, 360}}},
        {'V', 0.66, {{{0, 1}, {0.33, 0}}, {{0.33, 0}, {0.66, 1}}}, {}},
        {'W', 0.9, {{{0, 1}, {0.22, 0}}, {{0.22, 0}, {0.45, 0.75}}, {{0.45, 0.75}, {0.68, 0}}, {{0.68, 0}, {0.9, 1}}}, {}},
        // Figures and signs.
        {'1', 0.3, {{{0, 0.78}, {0.3, 1}}, {{0.3, 1}, {0.3, 0}}}, {}},
        {'8', 0.56, {}, {{{0.28, 0.76}, 0.23, 0.24, 0, 360}, {{0.28, 0.26}, 0.28, 0.26, 0, 360}}},
        {'.', 0.0, {{{0, 0}, {0, 0}}}, {}},
        {' ', 0.3, {}, {}},
        // Small letters, for the name.
        {'r', 0.42, {{{0, 0}, {0, kX}}}, {{{0.3, kX - 0.3}, 0.3, 0.3, 70, 180}}},
        {'v', 0.58, {{{0, kX}, {0.29, 0}}, {{0.29, 0}, {0.58, kX}}}, {}},
        {'a', 0.62, {{{0.62, 0}, {0.62, kX}}}, {{{0.31, kX / 2}, 0.31, kX / 2, 0, 360}}},
        {'n', 0.56,
         {{{0, 0}, {0, kX}}, {{0.56, kX - 0.28}, {0.56, 0}}},
         {{{0.28, kX - 0.28}, 0.28, 0.28, 0, 180}}},
        {'e', 0.62, {{{0.02, kX / 2}, {0.62, kX / 2}}}, {{{0.31, kX / 2}, 0.31, kX / 2, 0, 320}}},
    };
    // clang-format on
    return table;
}

const Glyph* findGlyph(char ch) {
    for (const Glyph& g : glyphs()) {
        if (g.ch == ch) {
            return &g;
        }
    }
    return nullptr;
}

// Width of a text in pixels for a capital height of size, with the given spacing between glyphs
// (as a fraction of size).
double textWidth(std::string_view text, double size, double spacing) {
    double w = 0.0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const Glyph* g = findGlyph(text[i])) {
            w += g->advance * size;
            if (i + 1 < text.size()) {
                w += spacing * size;
            }
        }
    }
    return w;
}

// Draws a text centred on x, standing on the baseline y (screen pixels, y down).
void drawText(Canvas& c, std::string_view text, double centreX, double baseline, double size,
              double spacing, double stroke, Colour colour) {
    double x = centreX - textWidth(text, size, spacing) / 2.0;
    for (char ch : text) {
        const Glyph* g = findGlyph(ch);
        if (g == nullptr) {
            continue;
        }
        auto at = [&](Point p) { return Point{x + p.x * size, baseline - p.y * size}; };
        for (const GlyphLine& l : g->lines) {
            strokeLine(c, at(l.a), at(l.b), stroke, colour);
        }
        for (const GlyphArc& a : g->arcs) {
            strokeArc(c, at(a.centre), a.rx * size, a.ry * size, a.a0, a.a1, stroke, colour);
        }
        x += (g->advance + spacing) * size;
    }
}

// ---- The compass rose -----------------------------------------------------------------------

struct RoseStyle {
    Colour ring, ringEdge, tick, cardinalLight, cardinalDark, diagonalLight, diagonalDark, hub;
    double ringWidth;
    bool ticks;
    bool diagonals;
};

// A point of the rose: a kite from the centre to the tip at `length`, its shoulders at
// `shoulder` from the centre, turned `angle` degrees clockwise from north. The left half is
// light, the right half dark, as if lit from the left. Returned as its two halves, light first.
std::array<std::vector<Point>, 2> roseKite(Point centre, double angle, double length,
                                           double shoulder) {
    const double t = angle * kPi / 180.0;
    auto polar = [&](double r, double a) {
        return Point{centre.x + r * std::sin(a), centre.y - r * std::cos(a)};
    };
    const Point tip = polar(length, t);
    const Point left = polar(shoulder, t - kPi / 4.0);
    const Point right = polar(shoulder, t + kPi / 4.0);
    return {std::vector<Point>{centre, left, tip}, std::vector<Point>{centre, tip, right}};
}

void rosePoint(Canvas& c, Point centre, double angle, double length, double shoulder, Colour light,
               Colour dark) {
    const auto halves = roseKite(centre, angle, length, shoulder);
    fillPolygon(c, halves[0], light);
    fillPolygon(c, halves[1], dark);
}

void drawRose(Canvas& c, Point centre, double radius, const RoseStyle& s) {
    // The ring of the card.
    fillRing(c, centre, radius, radius - s.ringWidth, s.ring);
    fillRing(c, centre, radius, radius - std::max(0.8, radius * 0.02), s.ringEdge);
    fillRing(c, centre, radius - s.ringWidth + std::max(0.8, radius * 0.02), radius - s.ringWidth,
             s.ringEdge);
    if (s.ticks) {
        // A tick every 10 degrees, longer every 30, on the ring.
        for (int deg = 0; deg < 360; deg += 10) {
            const double t = deg * kPi / 180.0;
            const double outer = radius - s.ringWidth * 0.18;
            const double inner = radius - s.ringWidth * (deg % 30 == 0 ? 0.82 : 0.5);
            strokeLine(c, {centre.x + inner * std::sin(t), centre.y - inner * std::cos(t)},
                       {centre.x + outer * std::sin(t), centre.y - outer * std::cos(t)},
                       std::max(1.0, radius * (deg % 30 == 0 ? 0.028 : 0.018)), s.tick);
        }
    }
    const double inner = radius - s.ringWidth;
    if (s.diagonals) {
        for (int k = 0; k < 4; ++k) {
            rosePoint(c, centre, 45.0 + 90.0 * k, inner * 0.62, inner * 0.16, s.diagonalLight,
                      s.diagonalDark);
        }
    }
    for (int k = 0; k < 4; ++k) {
        const double length = (k == 0 ? 1.12 : 0.96) * inner;
        rosePoint(c, centre, 90.0 * k, length, inner * 0.2, s.cardinalLight, s.cardinalDark);
    }
    fillRing(c, centre, std::max(1.0, radius * 0.07), 0.0, s.hub);
}

// ---- The pictures ---------------------------------------------------------------------------

Canvas makeSplash() {
    const int w = 240, h = 300;
    Canvas c(w, h);
    // Everything that matters sits in the top 220 rows: the splash window shows the picture's
    // top-left corner, and on a screen with small dialog units it is not much taller than that.
    // Night sky deepening to the panel's blue towards the bottom.
    c.fillWith([&](double, double y) {
        const double t = std::clamp(y / 200.0, 0.0, 1.0);
        return mix(kNavy, kDeepBlue, t);
    });
    // A faint halo behind the rose.
    const Point centre{120, 84};
    for (int i = 0; i < 12; ++i) {
        fillRing(c, centre, 88 - i * 1.6, 0.0, kSkyBlue, 0.012);
    }

    RoseStyle style{};
    style.ring = kYellow;
    style.ringEdge = {200, 150, 0};
    style.tick = kBlue;
    style.cardinalLight = kPaleYellow;
    style.cardinalDark = kYellow;
    style.diagonalLight = kWhite;
    style.diagonalDark = kSkyBlue;
    style.hub = kBlue;
    style.ringWidth = 12;
    style.ticks = true;
    style.diagonals = true;
    // The card's face.
    fillRing(c, centre, 62, 0.0, {20, 30, 140});
    drawRose(c, centre, 64, style);
    fillRing(c, centre, 3.0, 0.0, kYellow);

    // The north letter above the card.
    drawText(c, "N", centre.x, 15.5, 10, 0.2, 2.2, kYellow);

    // The name, with a soft shadow.
    const double nameSize = 40, nameSpacing = 0.2, nameStroke = 5.8;
    drawText(c, "Orvane", centre.x + 2, 190 + 2, nameSize, nameSpacing, nameStroke, {0, 0, 60});
    drawText(c, "Orvane", centre.x, 190, nameSize, nameSpacing, nameStroke, kYellow);

    // A yellow band like the summary panel, with the subtitle in its blue.
    fillPolygon(c, {{0, 200}, {240, 200}, {240, 222}, {0, 222}}, kYellow);
    strokeLine(c, {0, 200}, {240, 200}, 1.0, {200, 150, 0});
    strokeLine(c, {0, 222}, {240, 222}, 1.0, {200, 150, 0});
    drawText(c, "FLIGHT COMPUTER", centre.x, 216, 10, 0.28, 1.7, kBlue);
    return c;
}

// The icon as shapes laid one over the other, so that the same drawing gives the pixel icons
// and the scalable one: a disc (radius > 0) or a polygon.
struct Shape {
    Point centre;
    double radius;
    std::vector<Point> points;
    Colour colour;
};

// The icon's drawing on an n by n pixel square: a yellow card with a blue edge and a bold
// four-pointed blue star. Below 32 pixels the diagonal points are left out and the star is
// fatter, so that it still reads at 16 and 24 pixels; from 32 pixels up the drawing scales with
// n.
std::vector<Shape> iconShapes(int n) {
    const double r = n / 2.0 - 0.25;
    const Point centre{n / 2.0, n / 2.0};
    const bool small = n < 32;
    const double scale = small ? 1.0 : n / 32.0;
    std::vector<Shape> shapes;
    shapes.push_back({centre, r, {}, kBlue});
    shapes.push_back({centre, r - (small ? 1.2 : 1.7 * scale), {}, kYellow});
    const Colour light{90, 110, 255};
    const Colour dark = small ? kBlue : Colour{0, 0, 190};
    auto kite = [&](double angle, double length, double shoulder, Colour lit, Colour shaded) {
        const auto halves = roseKite(centre, angle, length, shoulder);
        shapes.push_back({{}, 0.0, halves[0], lit});
        shapes.push_back({{}, 0.0, halves[1], shaded});
    };
    if (!small) {
        for (int k = 0; k < 4; ++k) {
            kite(45.0 + 90.0 * k, r * 0.56, r * 0.17, light, dark);
        }
    }
    for (int k = 0; k < 4; ++k) {
        kite(90.0 * k, r * (small ? 0.9 : 0.86), r * (small ? 0.34 : 0.27), kBlue, dark);
    }
    shapes.push_back({centre, small ? 1.3 : 2.0 * scale, {}, kYellow});
    return shapes;
}

Canvas makeIcon(int n) {
    Canvas c(n, n);
    for (const Shape& s : iconShapes(n)) {
        if (s.radius > 0.0) {
            fillRing(c, s.centre, s.radius, 0.0, s.colour);
        } else {
            fillPolygon(c, s.points, s.colour);
        }
    }
    return c;
}

// The scalable icon: the drawing at 256 pixels as SVG, for desktops that draw icons at any size.
std::string makeIconSvg() {
    constexpr int n = 256;
    auto number = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", v);
        return std::string(text);
    };
    auto colour = [](Colour c) {
        char text[8];
        std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<unsigned>(std::lround(c.r)),
                      static_cast<unsigned>(std::lround(c.g)),
                      static_cast<unsigned>(std::lround(c.b)));
        return std::string(text);
    };
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n"
        "  <title>Orvane</title>\n";
    for (const Shape& s : iconShapes(n)) {
        if (s.radius > 0.0) {
            svg += "  <circle cx=\"" + number(s.centre.x) + "\" cy=\"" + number(s.centre.y) +
                   "\" r=\"" + number(s.radius) + "\" fill=\"" + colour(s.colour) + "\"/>\n";
        } else {
            svg += "  <polygon points=\"";
            for (std::size_t i = 0; i < s.points.size(); ++i) {
                svg += (i ? " " : "") + number(s.points[i].x) + "," + number(s.points[i].y);
            }
            svg += "\" fill=\"" + colour(s.colour) + "\"/>\n";
        }
    }
    svg += "</svg>\n";
    return svg;
}

// The About box's picture: the icon on the white of the dialog.
Canvas makeAbout() {
    Canvas c(32, 32);
    c.fillWith([](double, double) { return kWhite; });
    const Canvas icon = makeIcon(32);
    c.fillWith([&](double x, double y) {
        const auto p = icon.at(static_cast<int>(x), static_cast<int>(y));
        const double a = p[3] / 255.0;
        return mix(kWhite, Colour{double(p[0]), double(p[1]), double(p[2])}, a);
    });
    return c;
}

// ---- Encoders -------------------------------------------------------------------------------

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void put32be(Bytes& b, std::uint32_t v) {
    b.push_back((v >> 24) & 0xFF);
    b.push_back((v >> 16) & 0xFF);
    b.push_back((v >> 8) & 0xFF);
    b.push_back(v & 0xFF);
}

// The 40-byte BITMAPINFOHEADER.
void putInfoHeader(Bytes& b, int width, int height, int bits, std::uint32_t imageSize) {
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(width));
    put32(b, static_cast<std::uint32_t>(height));
    put16(b, 1);     // planes
    put16(b, bits);  // bits a pixel
    put32(b, 0);     // no compression
    put32(b, imageSize);
    put32(b, 2835);  // 72 pixels an inch, in pixels a metre
    put32(b, 2835);
    put32(b, 0);  // colours used: all
    put32(b, 0);  // important colours: all
}

// A device-independent bitmap file, 24 bits a pixel, rows bottom-up and padded to 4 bytes.
Bytes encodeBmp(const Canvas& c) {
    const int w = c.width(), h = c.height();
    const std::uint32_t stride = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(h);
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    put32(b, 14 + 40 + imageSize);
    put32(b, 0);        // reserved
    put32(b, 14 + 40);  // offset of the pixels
    putInfoHeader(b, w, h, 24, imageSize);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const auto p = c.at(x, y);
            b.push_back(p[2]);
            b.push_back(p[1]);
            b.push_back(p[0]);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(w) * 3; pad < stride; ++pad) {
            b.push_back(0);
        }
    }
    return b;
}

// An icon file holding the given square images as 32-bit pictures with an AND mask.
Bytes encodeIco(const std::vector<Canvas>& images) {
    std::vector<Bytes> bodies;
    for (const Canvas& c : images) {
        const int n = c.width();
        const std::uint32_t maskStride = ((static_cast<std::uint32_t>(n) + 31) / 32) * 4;
        const std::uint32_t size = static_cast<std::uint32_t>(n * n * 4) + maskStride * n;
        Bytes body;
        putInfoHeader(body, n, n * 2, 32, size);  // twice the height: picture and mask
        for (int y = n - 1; y >= 0; --y) {
            for (int x = 0; x < n; ++x) {
                const auto p = c.at(x, y);
                body.push_back(p[2]);
                body.push_back(p[1]);
                body.push_back(p[0]);
                body.push_back(p[3]);
            }
        }
        // The mask: a set bit is a transparent pixel, for viewers that ignore the alpha.
        for (int y = n - 1; y >= 0; --y) {
            Bytes row(maskStride, 0);
            for (int x = 0; x < n; ++x) {
                if (c.at(x, y)[3] < 128) {
                    row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                }
            }
            body.insert(body.end(), row.begin(), row.end());
        }
        bodies.push_back(std::move(body));
    }
    Bytes b;
    put16(b, 0);  // reserved
    put16(b, 1);  // an icon
    put16(b, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int n = images[i].width();
        b.push_back(static_cast<std::uint8_t>(n));  // width (0 would mean 256)
        b.push_back(static_cast<std::uint8_t>(n));  // height
        b.push_back(0);                             // no palette
        b.push_back(0);                             // reserved
        put16(b, 1);                                // planes
        put16(b, 32);                               // bits a pixel
        put32(b, static_cast<std::uint32_t>(bodies[i].size()));
        put32(b, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) {
        b.insert(b.end(), body.begin(), body.end());
    }
    return b;
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t n, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void putChunk(Bytes& b, const char type[4], const Bytes& data) {
    put32be(b, static_cast<std::uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    b.insert(b.end(), typed.begin(), typed.end());
    put32be(b, crc32(typed.data(), typed.size()));
}

// A PNG picture, 8-bit RGBA, its zlib stream made of stored (uncompressed) deflate blocks.
Bytes encodePng(const Canvas& c) {
    const int w = c.width(), h = c.height();
    Bytes raw;
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < w; ++x) {
            const auto p = c.at(x, y);
            raw.insert(raw.end(), p.begin(), p.end());
        }
    }
    Bytes z{0x78, 0x01};  // deflate, 32 K window, no dictionary, fastest
    for (std::size_t pos = 0; pos < raw.size() || pos == 0;) {
        const std::size_t len = std::min<std::size_t>(65535, raw.size() - pos);
        const bool last = pos + len == raw.size();
        z.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
        put16(z, static_cast<std::uint32_t>(len));
        put16(z, static_cast<std::uint32_t>(~len & 0xFFFF));
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + len);
        pos += len;
        if (last) {
            break;
        }
    }
    std::uint32_t s1 = 1, s2 = 0;
    for (std::uint8_t v : raw) {
        s1 = (s1 + v) % 65521;
        s2 = (s2 + s1) % 65521;
    }
    put32be(z, (s2 << 16) | s1);

    Bytes b{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes ihdr;
    put32be(ihdr, static_cast<std::uint32_t>(w));
    put32be(ihdr, static_cast<std::uint32_t>(h));
    ihdr.push_back(8);  // bits a channel
    ihdr.push_back(6);  // RGBA
    ihdr.push_back(0);  // deflate
    ihdr.push_back(0);  // adaptive filtering
    ihdr.push_back(0);  // not interlaced
    putChunk(b, "IHDR", ihdr);
    putChunk(b, "IDAT", z);
    putChunk(b, "IEND", {});
    return b;
}

bool writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "orvane-art: cannot write %s\n", path.string().c_str());
        return false;
    }
    std::printf("wrote %s (%zu bytes)\n", path.string().c_str(), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane-art OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    bool ok = writeFile(out / "Orvane_splash.bmp", encodeBmp(makeSplash()));
    ok = writeFile(out / "about.bmp", encodeBmp(makeAbout())) && ok;
    ok = writeFile(out / "orvane.ico", encodeIco({makeIcon(32), makeIcon(16)})) && ok;
    ok = writeFile(out / "orvane.png", encodePng(makeIcon(32))) && ok;
    // The desktop's icon theme: every size a desktop asks for, and the scalable drawing.
    for (int n : kThemeIconSizes) {
        const std::string size = std::to_string(n) + "x" + std::to_string(n);
        const std::filesystem::path folder = out / "icons" / "hicolor" / size / "apps";
        std::filesystem::create_directories(folder, ec);
        ok = writeFile(folder / "orvane.png", encodePng(makeIcon(n))) && ok;
    }
    const std::filesystem::path scalable = out / "icons" / "hicolor" / "scalable" / "apps";
    std::filesystem::create_directories(scalable, ec);
    const std::string svg = makeIconSvg();
    ok = writeFile(scalable / "orvane.svg", Bytes(svg.begin(), svg.end())) && ok;
    return ok ? 0 : 1;
}
