#pragma once

#include <QAbstractScrollArea>
#include <QStringList>

class QPaintEvent;

// A list that paints its rows itself, one line each, with a vertical scroll bar when they do not
// all fit: the cheapest list widget the start-up experiment compares QListView and QListWidget
// with. It takes no selection and no keyboard input; it only shows rows.
class PaintedList final : public QAbstractScrollArea {
  public:
    explicit PaintedList(QWidget* parent = nullptr);

    void SetRows(QStringList rows);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void UpdateScrollBar();

    QStringList rows_;
};
