#pragma once

#include <QLabel>

// A one-line label that never asks for more room than it gets: a text too long for its
// width ends in "…", and hovering shows the whole text as a tool tip. text() is always
// the whole text.
class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The text as drawn at the current width.
    QString shownText() const;
    bool isElided() const { return shownText() != text(); }

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
