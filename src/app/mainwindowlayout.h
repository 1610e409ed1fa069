#pragma once

#include <QRect>
#include <QSize>

// Where the main window's controls go. The window definition's twip layout gives the
// proportions and the minimum sizes; a control whose style asks for more room (a larger
// font, a roomier style, a high scale factor) gets it, and the controls beside or below
// it move along, so that no caption is clipped and no two controls overlap. At the
// metrics the definition was made for, the result is the twip layout itself.
class MainWindowLayout {
public:
    struct Metrics {
        double dpiX = 96;
        double dpiY = 96;
        QSize buttonHint;   // the largest size hint of the nine buttons
        QSize checkHint[2]; // the size hints of the two check boxes
        QSize listMinimum;  // the least list that is still of use
    };
    struct Geometry {
        QRect list;
        QRect strip;          // the bottom strip, in the window
        QRect topButton[3];   // Add files, Add directory, Modify, in the window
        QRect stripButton[6]; // Apply all to Quit, top to bottom, in the strip
        QRect check[2];       // in the strip
    };

    explicit MainWindowLayout(const Metrics& metrics);

    Geometry place(const QSize& client) const;
    // The smallest client area at which nothing overlaps and every control has its size.
    QSize minimumClient() const;
    // The definition's start size, or the minimum where that is larger.
    QSize startClient() const;

private:
    int px(double twips) const;
    int py(double twips) const;
    int stripHeight() const;
    int firstCheckTop() const; // in the strip

    Metrics m_metrics;
    int m_buttonWidth = 0;
    int m_buttonHeight = 0;
    int m_buttonStep = 0;
    int m_checkHeight[2] = {};
    int m_extraWidth = 0; // how much wider the button column is than defined
};
