#pragma once

// What the window tests share: finding a control by its name, pointing at a list row, and reading
// from a picture of a list which rows a person sees highlighted.

#include <QApplication>
#include <QImage>
#include <QPoint>
#include <QScrollBar>
#include <QString>
#include <QTest>
#include <QVector>
#include <QWidget>

#include "ui/list_box_view.h"
#include "ui/main_window.h"

template <typename Control = QWidget>
Control* Find(const QWidget& window, const QString& name) {
    auto* control = window.findChild<Control*>(name, Qt::FindDirectChildrenOnly);
    if (control == nullptr) {
        qFatal("no control named %s", qPrintable(name));
    }
    return control;
}

inline ListBoxView* FindList(const QWidget& window, const QString& name) {
    return Find<ListBoxView>(window, name);
}

inline QStringList Names(const char* array, int count) {
    QStringList names;
    for (int k = 0; k < count; ++k) {
        names << QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(k);
    }
    return names;
}

inline const QStringList kTableLists = Names("List2", 7);
inline const QStringList kVisibleResultLists = Names("List1", 3);

// The middle of a row, in the list's viewport, where a person would click it.
inline QPoint RowCentre(const ListBoxView& list, int row) {
    return list.visualRect(row).center();
}

inline void ClickRow(ListBoxView& list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, RowCentre(list, row));
}

// The rows of the list that are painted in the highlight colour, judged from a grab of the list
// at the right end of each visible row, where no row text reaches.
inline QVector<int> HighlightedRows(ListBoxView& list) {
    const QImage picture = list.viewport()->grab().toImage();
    const QColor highlight = list.palette().color(QPalette::Active, QPalette::Highlight);
    const int ratio = qRound(picture.devicePixelRatio());
    QVector<int> rows;
    for (int row = list.topRow(); row < list.model().ListCount(); ++row) {
        const QRect area = list.visualRect(row);
        if (area.top() >= list.viewport()->height()) {
            break;
        }
        const QPoint probe(area.right() - 3, area.center().y());
        if (picture.pixelColor(probe * ratio) == highlight) {
            rows << row;
        }
    }
    return rows;
}

// Whether the row lies wholly inside the list's viewport.
inline bool RowInView(const ListBoxView& list, int row) {
    return list.viewport()->rect().contains(list.visualRect(row));
}

inline void ClickButton(const QWidget& window, const QString& name) {
    QTest::mouseClick(Find(window, name), Qt::LeftButton);
}

inline void TypeInto(QWidget* control, const QString& text) {
    QTest::keyClicks(control, text);
}
