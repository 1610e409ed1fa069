#include "app/mainwindowlayout.h"

#include "dialogs/twips.h"

#include <algorithm>

namespace {

// The window definition, in twips.
constexpr int Margin = 120; // left of the buttons, top of the list and first button
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;
constexpr int ButtonStep = 480; // from one button's top to the next
constexpr int ListLeft = 1440;
constexpr int RightMargin = 105; // right of the check boxes
constexpr int StripBottom = 90;  // under Quit and the second check box
constexpr int CheckHeight = 255;
constexpr int ChecksFromBottom = 585; // the first check box's top above the strip's bottom
constexpr int ListAboveCheck = 45;
constexpr int StartClientWidth = 7080;
constexpr int StartClientHeight = 4995;

} // namespace

MainWindowLayout::MainWindowLayout(const Metrics& metrics) : m_metrics(metrics)
{
    m_buttonWidth = std::max(px(ButtonWidth), metrics.buttonHint.width());
    m_buttonHeight = std::max(py(ButtonHeight), metrics.buttonHint.height());
    m_buttonStep = m_buttonHeight + py(ButtonStep - ButtonHeight);
    for (int i = 0; i < 2; ++i)
        m_checkHeight[i] = std::max(py(CheckHeight), metrics.checkHint[i].height());
    m_extraWidth = m_buttonWidth - px(ButtonWidth);
}

int MainWindowLayout::px(double twips) const
{
    return Twips::toPixels(twips, m_metrics.dpiX);
}

int MainWindowLayout::py(double twips) const
{
    return Twips::toPixels(twips, m_metrics.dpiY);
}

int MainWindowLayout::stripHeight() const
{
    return 5 * m_buttonStep + m_buttonHeight + py(StripBottom);
}

int MainWindowLayout::firstCheckTop() const
{
    // The second check box follows the first without a gap (in the definition they
    // overlap by a twip row); taller ones push the first up.
    const int room = py(ChecksFromBottom);
    return stripHeight() - room - std::max(0, m_checkHeight[0] + m_checkHeight[1] - room);
}

MainWindowLayout::Geometry MainWindowLayout::place(const QSize& client) const
{
    Geometry g;
    const int left = px(Margin);
    for (int i = 0; i < 3; ++i)
        g.topButton[i] = QRect(left, py(Margin) + i * m_buttonStep, m_buttonWidth, m_buttonHeight);
    for (int i = 0; i < 6; ++i)
        g.stripButton[i] = QRect(left, i * m_buttonStep, m_buttonWidth, m_buttonHeight);

    const int strip = stripHeight();
    g.strip = QRect(0, client.height() - strip, client.width(), strip);

    const int listLeft = px(ListLeft) + m_extraWidth;
    const int checkWidth = client.width() - listLeft - px(RightMargin);
    int checkTop = firstCheckTop();
    for (int i = 0; i < 2; ++i) {
        g.check[i] = QRect(listLeft, checkTop, std::max(checkWidth, m_metrics.checkHint[i].width()),
                           m_checkHeight[i]);
        checkTop += m_checkHeight[i];
    }

    // The definition's rule for the list, cut back where the controls grew.
    const Twips::ListSize defined =
        Twips::listSizeForClient(Twips::fromPixels(client.width(), m_metrics.dpiX),
                                 Twips::fromPixels(client.height(), m_metrics.dpiY));
    const int roomBelow = g.strip.top() + g.check[0].top() - py(ListAboveCheck) - py(Margin);
    const int width = std::max(0, Twips::toPixels(defined.width, m_metrics.dpiX) - m_extraWidth);
    const int height =
        std::clamp(Twips::toPixels(defined.height, m_metrics.dpiY), 0, std::max(0, roomBelow));
    g.list = QRect(listLeft, py(Margin), width, height);
    return g;
}

QSize MainWindowLayout::minimumClient() const
{
    const int listLeft = px(ListLeft) + m_extraWidth;
    const int checkWidth = std::max(m_metrics.checkHint[0].width(), m_metrics.checkHint[1].width());
    const int width = listLeft + std::max(checkWidth + px(RightMargin),
                                          m_metrics.listMinimum.width() + px(Margin));
    // The top buttons end a button gap above the strip, and the list keeps its least height.
    const int topButtonsEnd = py(Margin) + 2 * m_buttonStep + m_buttonHeight;
    const int byButtons = topButtonsEnd + (m_buttonStep - m_buttonHeight) + stripHeight();
    const int byList = py(Margin) + m_metrics.listMinimum.height() + py(ListAboveCheck) +
                       stripHeight() - firstCheckTop();
    // The list's own rule leaves room for check boxes of the defined height only.
    const int byListRule = m_metrics.listMinimum.height() + py(2 * Margin + 2 * CheckHeight) + 1;
    return {width, std::max({byButtons, byList, byListRule})};
}

QSize MainWindowLayout::startClient() const
{
    return QSize(px(StartClientWidth), py(StartClientHeight)).expandedTo(minimumClient());
}
