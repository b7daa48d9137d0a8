#pragma once

#include <QRect>
#include <QSize>
#include <QtMath>

// Turns the window's twips into the pixels of the screen it opens on. Twips are a physical unit,
// 1440 to the inch, so they go with the screen's logical dots per inch, the same measure that
// turns the 12-point font into pixels: 15 twips to the pixel at 96 dots per inch, 10 at 144.
// That way the fields grow with their text and the window keeps its proportions wherever the
// desktop enlarges fonts without a device pixel ratio (Qt's own scaling keeps the logical DPI
// at 96 and leaves this at 15). Which control stands where is the control layout's business.
class FormScale final {
  public:
    static constexpr int kTwipsPerInch = 1440;

    explicit FormScale(int logicalDotsPerInch) : dotsPerInch_(logicalDotsPerInch) {}

    int Pixels(int twips) const { return qRound(qreal(twips) * dotsPerInch_ / kTwipsPerInch); }

    // Each edge is rounded on its own, so fields that meet in twips meet in pixels, and fields
    // that overlap in twips overlap in pixels.
    QRect Rect(int left, int top, int width, int height) const {
        return QRect(QPoint(Pixels(left), Pixels(top)),
                     QPoint(Pixels(left + width) - 1, Pixels(top + height) - 1));
    }
    QSize Size(int width, int height) const { return {Pixels(width), Pixels(height)}; }

  private:
    int dotsPerInch_;
};
