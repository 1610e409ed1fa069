#include "dialogs/twips.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace Twips {

namespace {

constexpr double TwipsPerInch = 1440.0;

// Positions of the main window that the list size depends on.
constexpr double ListTop = 120;
constexpr double ListLeft = 1440;
constexpr double ButtonLeft = 120;
constexpr double CheckHeight = 255;

} // namespace

int toPixels(double twips, double dpi)
{
    return int(std::lround(twips * dpi / TwipsPerInch));
}

double fromPixels(int pixels, double dpi)
{
    return pixels * TwipsPerInch / dpi;
}

int x(const QWidget* widget, double twips)
{
    return toPixels(twips, widget->logicalDpiX());
}

int y(const QWidget* widget, double twips)
{
    return toPixels(twips, widget->logicalDpiY());
}

QRect rect(const QWidget* widget, int left, int top, int width, int height)
{
    return QRect(x(widget, left), y(widget, top), x(widget, width), y(widget, height));
}

double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

ListSize listSizeForClient(double clientWidth, double clientHeight)
{
    const double height = roundHalfEven(clientHeight - 2 * ListTop - 2 * CheckHeight);
    const double width = roundHalfEven(clientWidth - ButtonLeft - ListLeft);
    return {std::max(width, 0.0), std::max(height, 0.0)};
}

} // namespace Twips
