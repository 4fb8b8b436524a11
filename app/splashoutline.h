#pragma once

#include "look/splashart.h"

#include <QPoint>
#include <QPolygon>

#include <array>

// The silhouette of the title art that the splash window is cut to, in window pixels. Its edges are vertical and
// horizontal in strict turn, starting with a vertical one, so each corner after the start moves one coordinate:
// the table holds y, x, y, x, ... of the corners, and the outline closes with a one-pixel diagonal step back to
// the start. Each row of the table is marked with the number of its first value.
namespace SplashOutline {

constexpr QPoint Start { 8, 198 };

using SplashArt::ArtOrigin;

// clang-format off
constexpr std::array<int, 393> Corners {
    212, 9,   228, 10,  231, 9,   232, 8,   241, 10,  242, 12,  243, 14,  244, 16,  245, 18,  246, 21,  // 1
    247, 23,  248, 25,  249, 27,  250, 29,  251, 32,  252, 34,  253, 36,  254, 38,  255, 40,  256, 43,  // 21
    257, 45,  258, 47,  259, 49,  260, 51,  261, 54,  262, 56,  263, 58,  264, 60,  265, 62,  266, 65,  // 41
    267, 67,  268, 69,  269, 71,  270, 74,  271, 76,  272, 78,  273, 80,  274, 82,  275, 85,  276, 87,  // 61
    277, 89,  278, 91,  279, 93,  280, 96,  281, 98,  282, 100, 283, 102, 284, 104, 285, 107, 286, 109, // 81
    287, 111, 288, 113, 289, 116, 290, 118, 291, 120, 292, 122, 293, 123, 294, 125, 295, 129, 294, 130, // 101
    293, 132, 294, 135, 295, 139, 296, 144, 297, 145, 298, 147, 299, 149, 300, 164, 299, 175, 298, 176, // 121
    295, 177, 294, 179, 293, 182, 294, 184, 295, 185, 296, 186, 297, 188, 298, 189, 299, 191, 300, 192, // 141
    301, 199, 300, 200, 295, 208, 293, 207, 290, 206, 289, 205, 287, 204, 286, 203, 285, 200, 281, 201, // 161
    280, 204, 279, 207, 278, 216, 279, 219, 280, 224, 281, 230, 282, 233, 283, 234, 284, 236, 285, 245, // 181
    286, 249, 287, 259, 286, 260, 284, 261, 283, 269, 284, 272, 285, 288, 286, 290, 287, 291, 288, 292, // 201
    289, 293, 290, 295, 291, 296, 292, 311, 291, 313, 289, 314, 285, 315, 281, 316, 277, 317, 276, 319, // 221
    274, 320, 272, 321, 270, 322, 254, 323, 245, 324, 237, 323, 229, 324, 222, 325, 217, 326, 214, 327, // 241
    212, 328, 211, 329, 202, 328, 201, 327, 199, 326, 166, 325, 154, 326, 110, 327, 100, 326, 61,  325, // 261
    56,  324, 50,  323, 39,  324, 32,  325, 26,  326, 19,  327, 13,  322, 14,  318, 15,  314, 14,  308, // 281
    13,  305, 12,  302, 11,  298, 10,  294, 9,   290, 10,  285, 11,  272, 10,  266, 9,   229, 8,   188, // 301
    9,   187, 10,  186, 11,  185, 12,  184, 13,  183, 14,  182, 15,  180, 14,  178, 13,  176, 12,  166, // 321
    11,  163, 13,  158, 5,   131, 4,   79,  3,   53,  38,  52,  108, 51,  140, 36,  141, 34,  142, 33,  // 341
    143, 31,  144, 30,  145, 28,  146, 27,  147, 25,  148, 24,  149, 22,  150, 21,  151, 19,  152, 18,  // 361
    153, 16,  154, 15,  155, 13,  156, 12,  157, 10,  158, 9,   199,                                    // 381
};
// clang-format on

// The start, one point per value of the table, and the start again.
constexpr int PointCount = int(Corners.size()) + 2;

constexpr std::array<QPoint, PointCount> points()
{
    std::array<QPoint, PointCount> outline {};
    outline[0] = Start;
    QPoint at = Start;
    for (int i = 0; i < int(Corners.size()); ++i) {
        if (i % 2 == 0)
            at.setY(Corners[i]);
        else
            at.setX(Corners[i]);
        outline[i + 1] = at;
    }
    outline[PointCount - 1] = Start;
    return outline;
}

inline QPolygon polygon()
{
    const auto outline = points();
    return QPolygon(QList<QPoint>(outline.begin(), outline.end()));
}

} // namespace SplashOutline
