#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

// A label of the window: a fixed caption centred on a band of its own colour, painted here rather
// than by QLabel. It takes no focus and reacts to nothing; what it says and where it stands come
// from the control layout. A QLabel, so that as the buddy's label it gives the control it labels
// its accessible name and label relations, as Qt does for any label and its buddy.
class CaptionLabel final : public QLabel {
    Q_OBJECT

  public:
    CaptionLabel(const QString& caption, const QColor& background, QWidget* parent);

    QString caption() const { return text(); }
    const QColor& background() const { return background_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void measureInk();

    QColor background_;
    // The extent of the font's ink above and below the baseline, in pixels.
    qreal inkAscent_ = 0;
    qreal inkDescent_ = 0;
};
