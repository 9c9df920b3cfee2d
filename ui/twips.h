#pragma once

#include <QLatin1StringView>
#include <QLine>
#include <QRect>
#include <QStringView>

namespace velandry {

// Layouts are given in twips: 1/1440 inch, 15 to a pixel at 96 dots per inch.
// Qt scales logical pixels for other densities itself.
constexpr int px(int twips)
{
    return (twips * 2 + 15) / 30; // to the nearest pixel, halves up
}

struct TwipsRect
{
    const char *name;
    int left;
    int top;
    int width;
    int height;

    constexpr QRect toPixels() const { return QRect(px(left), px(top), px(width), px(height)); }
};

// The place a layout table gives the control called `name`.
template <typename Table>
TwipsRect placeOf(const Table &table, QStringView name)
{
    for (const TwipsRect &place : table) {
        if (QLatin1StringView(place.name) == name)
            return place;
    }
    return {};
}

} // namespace velandry
