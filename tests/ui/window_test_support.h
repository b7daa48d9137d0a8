#pragma once

// What the window tests share: a shown window, controls found by name, list rows to click,
// which rows of a list a person sees highlighted, and where a picture has ink.

#include <QApplication>
#include <QImage>
#include <QRegion>
#include <QTest>
#include <cmath>
#include <memory>

#include "ui/widgets/list_box_view.h"
#include "ui/widgets/to_qstring.h"
#include "ui/window/control_object_name.h"
#include "ui/window/main_window.h"

// How long a test waits for the window to answer: long enough for a sanitizer build on cores
// that are busy with other work. A passing test waits only as long as the window takes.
inline constexpr int kDeadlineMs = 90'000;

// The object names of the first `count` controls of an array.
inline QStringList Names(const char* array, int count) {
    QStringList names;
    for (int k = 0; k < count; ++k) {
        names << ControlObjectName(array, static_cast<ControlIndex>(k));
    }
    return names;
}

inline const QStringList kTableLists = Names("List2", 7);
inline const QStringList kResultLists = Names("List1", 3);  // the visible ones

// The bounds, in device pixels, of the pixels unlike `background` whose centres lie in `area`
// (logical pixels).
inline QRect InkBounds(const QImage& picture, const QRegion& area, QRgb background) {
    const qreal ratio = picture.devicePixelRatio();
    QRect ink;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint logical(int(std::floor((x + 0.5) / ratio)),
                                 int(std::floor((y + 0.5) / ratio)));
            if (picture.pixel(x, y) != background && area.contains(logical)) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// The base of each test class: a fresh window for every test, shown and active.
class WindowTest : public QObject {
    Q_OBJECT

  protected:
    std::unique_ptr<MainWindow> window_;

    template <typename Control = QWidget>
    Control* find(const QString& name) const {
        auto* control = window_->findChild<Control*>(name, Qt::FindDirectChildrenOnly);
        if (control == nullptr) {
            qFatal("no control named %s", qPrintable(name));
        }
        return control;
    }
    ListBoxView* list(const QString& name) const { return find<ListBoxView>(name); }
    void click(const QString& name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    static void clickRow(ListBoxView* list, int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualRect(row).center());
    }

    // The rows painted in the highlight colour, read from a picture of the list at the right
    // end of each visible row, where no row text reaches.
    static QVector<int> highlightedRows(ListBoxView* list) {
        const QImage picture = list->viewport()->grab().toImage();
        const QColor highlight = list->palette().color(QPalette::Active, QPalette::Highlight);
        QVector<int> rows;
        for (int row = list->topRow(); row < list->model().ListCount() &&
                                       list->visualRect(row).top() < list->viewport()->height();
             ++row) {
            const QRect area = list->visualRect(row);
            if (picture.pixelColor(area.right() - 3, area.center().y()) == highlight) {
                rows << row;
            }
        }
        return rows;
    }
    static bool rowInView(const ListBoxView* list, int row) {
        return list->viewport()->rect().contains(list->visualRect(row));
    }

  private slots:
    // The look the program gives the application before it builds its window.
    void initTestCase() { MainWindow::PrepareApplication(); }
    void init() {
        window_ = std::make_unique<MainWindow>();
        window_->show();
        // Without a window manager (a bare X server) nothing activates a window but this.
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get(), kDeadlineMs));
    }
    void cleanup() { window_.reset(); }
};
