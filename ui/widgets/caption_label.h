#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A label of the window: a fixed caption centred on a band of its own colour. It takes no focus
// and reacts to nothing; what it says and where it stands come from the control layout.
class CaptionLabel final : public QWidget {
    Q_OBJECT

  public:
    CaptionLabel(const QString& caption, const QColor& background, QWidget* parent);

    const QString& caption() const { return caption_; }
    const QColor& background() const { return background_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void measureInk();

    QString caption_;
    QColor background_;
    // The extent of the font's ink above and below the baseline, in pixels.
    qreal inkAscent_ = 0;
    qreal inkDescent_ = 0;
};
