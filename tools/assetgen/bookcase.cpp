#include "game/board.h"
#include "pictures.h"
#include "texture.h"
#include "wood.h"

#include <algorithm>
#include <cmath>

namespace Pictures {

namespace {

constexpr QSize Size { 631, 301 };
// The main window draws the bookcase with its top at client row 112: the spines' slots fix where the back of the
// case is open and where the shelf boards' top surfaces lie.
constexpr int FrameTop = 112;
constexpr int InnerLeft = Board::ShelfLeft;
constexpr int InnerRight = Board::ShelfLeft + Board::UpperShelfCapacity * Board::StandingBookSize.width();
constexpr int UpperTops = Board::UpperShelfTop - FrameTop;
constexpr int UpperBoard = UpperTops + Board::StandingBookSize.height();
constexpr int LowerTops = Board::LowerShelfTop - FrameTop;
constexpr int LowerBoard = LowerTops + Board::StandingBookSize.height();

constexpr int PostWidth = 14;
constexpr int CorniceLeft = InnerLeft - PostWidth - 4;
constexpr int CorniceRight = InnerRight + PostWidth + 4;
constexpr int CorniceBottom = 9;
constexpr int RailBottom = UpperTops - 5;
constexpr int BoardDepth = 11;
constexpr int PlinthBottom = LowerBoard + 21;

// The light on the back of the case: dim under the rail and each board, and near the posts.
double backLight(int x, int y)
{
    const int top = y < UpperBoard ? RailBottom + 1 : UpperBoard + BoardDepth;
    const double fromTop = y - top;
    const double fromSide = std::min(x - InnerLeft, InnerRight - 1 - x);
    double light = 0.98;
    light *= 1 - 0.6 * std::exp(-fromTop / 10.0);
    light *= 1 - 0.45 * std::exp(-fromSide / 9.0);
    return light;
}

// A front edge rounded over: a bright line where it turns to the light, darker as it falls away below.
double boardLight(int y, int top, int depth)
{
    const int at = y - top;
    if (at == 0)
        return 1.22;
    if (at == 1)
        return 1.12;
    if (at == depth - 1)
        return 0.55;
    return 1.02 - 0.22 * double(at) / depth;
}

// The cornice's profile, row by row: a flat top catching the light, a shadowed cove, a lit fascia.
double corniceLight(int y)
{
    static const double profile[] = { 0.88, 1.22, 1.12, 1.0, 0.62, 0.7, 0.85, 1.08, 1.0, 0.6 };
    return profile[std::clamp(y, 0, CorniceBottom)];
}

// A post's front: a rounded outer edge, a routed groove down its length, a dark inner edge against the opening.
double postLight(int x, int left, bool mirrored)
{
    const int at = mirrored ? PostWidth - 1 - (x - left) : x - left;
    if (at == 0)
        return mirrored ? 0.75 : 1.2;
    if (at == PostWidth - 1)
        return mirrored ? 1.1 : 0.6;
    if (at == 4)
        return 0.62;
    if (at == 5)
        return 1.14;
    return 1.06 - 0.16 * double(at) / PostWidth;
}

} // namespace

QImage bookcase(int scale)
{
    QImage image(Size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);

    // The back, in darker wood, seen between the posts above each board; planks run upright.
    const QRect back(InnerLeft, RailBottom + 1, InnerRight - InnerLeft, LowerBoard - RailBottom - 1);
    Wood::paint(image, back, Wood::Grain::Vertical, Wood::Walnut, 5, [](int x, int y) {
        const int plank = (x - InnerLeft) % 73;
        const double seam = plank == 0 ? 0.55 : plank == 1 ? 1.1 : 1.0;
        return backLight(x, y) * seam;
    }, scale);

    const QRect upperBoard(InnerLeft, UpperBoard, InnerRight - InnerLeft, BoardDepth);
    const QRect lowerBoard(InnerLeft, LowerBoard, InnerRight - InnerLeft, BoardDepth);
    Wood::paint(image, upperBoard, Wood::Grain::Horizontal, Wood::Honey, 17,
        [](int, int y) { return boardLight(y, UpperBoard, BoardDepth); }, scale);
    Wood::paint(image, lowerBoard, Wood::Grain::Horizontal, Wood::Honey, 29,
        [](int, int y) { return boardLight(y, LowerBoard, BoardDepth); }, scale);
    // The shadow each board throws onto the back just below it.
    for (int y = (UpperBoard + BoardDepth) * scale; y < (UpperBoard + BoardDepth + 3) * scale; ++y) {
        for (int x = InnerLeft * scale; x < InnerRight * scale; ++x)
            image.setPixelColor(
                x, y, Texture::scaled(image.pixelColor(x, y), 0.7 + 0.1 * (y / scale - UpperBoard - BoardDepth)));
    }

    // The plinth under the lower board, set back a little between the posts.
    const QRect plinth(
        InnerLeft, LowerBoard + BoardDepth, InnerRight - InnerLeft, PlinthBottom - LowerBoard - BoardDepth);
    Wood::paint(image, plinth, Wood::Grain::Horizontal, Wood::Honey, 41, [](int, int y) {
        const int at = y - LowerBoard - BoardDepth;
        return at < 2 ? 0.55 + 0.1 * at : at == PlinthBottom - LowerBoard - BoardDepth - 1 ? 0.6 : 0.86;
    }, scale);

    // The two posts, from under the cornice to the floor.
    const QRect leftPost(InnerLeft - PostWidth, CorniceBottom + 1, PostWidth, PlinthBottom - CorniceBottom);
    const QRect rightPost(InnerRight, CorniceBottom + 1, PostWidth, PlinthBottom - CorniceBottom);
    Wood::paint(image, leftPost, Wood::Grain::Vertical, Wood::Honey, 53,
        [](int x, int) { return postLight(x, InnerLeft - PostWidth, false); }, scale);
    Wood::paint(image, rightPost, Wood::Grain::Vertical, Wood::Honey, 67,
        [](int x, int) { return postLight(x, InnerRight, true); }, scale);

    // The rail under the cornice, across the top of the opening.
    const QRect rail(InnerLeft, CorniceBottom + 1, InnerRight - InnerLeft, RailBottom - CorniceBottom);
    Wood::paint(image, rail, Wood::Grain::Horizontal, Wood::Honey, 79, [](int, int y) {
        const int at = y - CorniceBottom - 1;
        return at == RailBottom - CorniceBottom - 1 ? 0.58 : 0.98 - 0.03 * at;
    }, scale);

    // The cornice overhangs the posts, its ends cut back at the top corners.
    const QRect cornice(CorniceLeft, 0, CorniceRight - CorniceLeft, CorniceBottom + 1);
    Wood::paint(image, cornice, Wood::Grain::Horizontal, Wood::Honey, 97, [](int x, int y) {
        const double ends = (x == CorniceLeft || x == CorniceRight - 1) ? 0.8 : 1.0;
        return corniceLight(y) * ends;
    }, scale);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2 - y; ++x) {
            for (const int left : { CorniceLeft + x, CorniceRight - 1 - x }) {
                for (int dy = 0; dy < scale; ++dy) {
                    for (int dx = 0; dx < scale; ++dx)
                        image.setPixel(left * scale + dx, y * scale + dy, qRgb(255, 255, 255));
                }
            }
        }
    }
    return image;
}

} // namespace Pictures
