#include "platform/qtdetailsbox.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr QChar Mark = QChar::ReplacementCharacter;
constexpr int ShownLines = 12; // the details open this tall, at most

} // namespace

QtDetailsBox::QtDetailsBox(const QString& text, const QString& title, const QString& informative,
                           const QString& details, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* message = new QLabel(text, this);
    message->setObjectName(QStringLiteral("text"));
    layout->addWidget(message);
    if (!informative.isEmpty()) {
        auto* more = new QLabel(informative, this);
        more->setObjectName(QStringLiteral("informative"));
        layout->addWidget(more);
    }

    m_details = new QPlainTextEdit(this);
    m_details->setReadOnly(true);
    m_details->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_details->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_details->setPlainText(details);
    fitMarks();
    m_details->hide();
    layout->addWidget(m_details, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_toggle = buttons->addButton(tr("Show Details..."), QDialogButtonBox::ActionRole);
    m_toggle->setAutoDefault(false);
    m_toggle->setVisible(!details.isEmpty());
    m_ok->setDefault(true);
    m_ok->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_toggle, &QPushButton::clicked, this, [this] { showDetails(m_details->isHidden()); });
    layout->addWidget(buttons);
    setSizeGripEnabled(true);
}

void QtDetailsBox::showDetails(bool on)
{
    m_toggle->setText(on ? tr("Hide Details...") : tr("Show Details..."));
    m_details->setVisible(on);
    if (!on) {
        adjustSize();
        return;
    }
    // Wide enough for the longest line and tall enough for a dozen, within the screen.
    const QFontMetrics metrics(m_details->font());
    int longest = 0;
    for (QTextBlock block = m_details->document()->begin(); block.isValid(); block = block.next())
        longest = std::max(longest, metrics.horizontalAdvance(block.text()));
    longest += metrics.maxWidth(); // the cursor's room at the end
    const int lines = std::min(m_details->document()->blockCount(), ShownLines);
    const int frame =
        2 * m_details->frameWidth() + 2 * int(m_details->document()->documentMargin());
    const QSize wanted(longest + frame + m_details->verticalScrollBar()->sizeHint().width(),
                       lines * metrics.lineSpacing() + frame +
                           m_details->horizontalScrollBar()->sizeHint().height());
    const QRect screen = this->screen()->availableGeometry();
    m_details->setMinimumSize(
        wanted.boundedTo(QSize(screen.width() * 9 / 10, screen.height() / 2) - QSize(40, 0)));
    adjustSize();
    m_details->setMinimumSize(metrics.averageCharWidth() * 20, metrics.lineSpacing() * 3);
}

void QtDetailsBox::fitMarks()
{
    QTextDocument* document = m_details->document();
    const QFont font = m_details->font();
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.horizontalAdvance(QLatin1Char('0'));
    const qreal mark = metrics.horizontalAdvance(QString(Mark));
    if (std::abs(mark - cell) < 0.01 || mark <= 0)
        return;
    // A mark drawn from a wider fallback font is made smaller to fit its cell; what is
    // left of the cell is spacing after it.
    QFont markFont = font;
    if (mark > cell) {
        if (font.pixelSize() > 0)
            markFont.setPixelSize(std::max(1, int(font.pixelSize() * cell / mark)));
        else
            markFont.setPointSizeF(font.pointSizeF() * cell / mark);
    }
    markFont.setLetterSpacing(QFont::AbsoluteSpacing,
                              cell - QFontMetricsF(markFont).horizontalAdvance(QString(Mark)));
    QTextCharFormat format;
    format.setFont(markFont);
    for (QTextCursor found = document->find(QString(Mark)); !found.isNull();
         found = document->find(QString(Mark), found))
        found.mergeCharFormat(format);
}
