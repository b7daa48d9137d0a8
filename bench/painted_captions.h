#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

class QPaintEvent;

// All the captions of a window painted by one widget that lies under every control: each caption
// a filled rectangle with its text centred. The start-up experiment compares it with one QLabel
// per caption. It takes no input; clicks go through to the window.
class PaintedCaptions final : public QWidget {
  public:
    struct Caption {
        QRect area;
        QString text;
        QColor background;
        bool visible = true;
    };

    explicit PaintedCaptions(QWidget* parent);

    void Add(Caption caption) { captions_.push_back(std::move(caption)); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Caption> captions_;
};
