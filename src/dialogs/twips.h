#pragma once

#include <QRect>

class QWidget;

// Window layouts are given in twips: 1440 to the inch, so 15 to a pixel at 96 dpi. They
// are converted with the logical dpi of the screen the widget is on.
namespace Twips {

int toPixels(double twips, double dpi);
double fromPixels(int pixels, double dpi);

// A rectangle in twips (left, top, width, height) in the pixels of widget's screen.
QRect rect(const QWidget* widget, int left, int top, int width, int height);
int x(const QWidget* widget, double twips);
int y(const QWidget* widget, double twips);

// Rounds to the nearest whole number; a half goes to the even neighbour.
double roundHalfEven(double value);

struct ListSize {
    double width = 0;
    double height = 0;
};

// The size of the main window's list for a client area of the given size, all in
// twips: the list keeps 120 above itself, room for the two check boxes below and the
// button column to its left. Sizes that would be negative are 0.
ListSize listSizeForClient(double clientWidth, double clientHeight);

} // namespace Twips
