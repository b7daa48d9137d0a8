// What a screen reader finds in the window: the controls a person sees, each with a name, a role
// and a description; the rows of the lists with their selection and focus; and what is
// announced after a person's clicks and keys.

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <vector>

#include "window_test_support.h"

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

struct Announcement {
    QObject* object;
    QAccessible::Event type;
    int child;
    bool operator==(const Announcement&) const = default;
};

std::vector<Announcement> heard;

// A screen reader listening for as long as it lives: the platform's accessibility is switched on,
// as a screen reader's bridge does, and the events go to this listener's update handler instead
// of the bridge, as with Qt Test's accessibility helpers. It keeps what the lists say of their
// rows, the events that name a row and those of new rows, and not Qt's own events about the list
// as a whole.
class Listener final {
  public:
    Listener() : previous_(QAccessible::installUpdateHandler(&Hear)) { SetActive(true); }
    ~Listener() {
        SetActive(false);
        QAccessible::installUpdateHandler(previous_);
        heard.clear();
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    static int count(const Announcement& wanted) {
        return int(std::count(heard.begin(), heard.end(), wanted));
    }
    static int from(QObject* list) {
        return int(std::count_if(heard.begin(), heard.end(),
                                 [&](const Announcement& a) { return a.object == list; }));
    }

  private:
    static void SetActive(bool active) {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(active);
    }
    static void Hear(QAccessibleEvent* event) {
        if (event->child() >= 0 || event->type() == QAccessible::TableModelChanged) {
            heard.push_back({event->object(), event->type(), event->child()});
        }
    }
    QAccessible::UpdateHandler previous_;
};

}  // namespace

class AccessibilityTest final : public WindowTest {
    Q_OBJECT

  private slots:
    void everyShownControlHasANameARoleAndADescription_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const auto row = [](const QString& control, QAccessible::Role role, const char16_t* name,
                            const char16_t* description = u"") {
            QTest::newRow(qPrintable(control))
                << int(role) << QString::fromUtf16(name) << QString::fromUtf16(description);
        };
        using R = QAccessible::Role;
        const char16_t* title = u"Информатика - шифър със заместване, cipher Affine";
        row(u"Label1_0"_qs, R::StaticText, title);
        row(u"Label1_1"_qs, R::StaticText, u"текст за криптиране:");
        row(u"Text2_0"_qs, R::EditableText, u"текст за криптиране", u"най-много 40 знака");
        const char16_t* table[7][2] = {
            {u"Номер", u"номер x на буквата, от 0 до 25"},
            {u"Буква", u"буквата с номер x"},
            {u"5x+8", u"стойността 5x+8"},
            {u"mod 26", u"5x+8 mod 26: номер y на шифровата буква"},
            {u"Шифър", u"шифровата буква с номер y"},
            {u"21(y-8)", u"стойността 21(y-8) преди привеждане по модул 26"},
            {u"mod 26", u"21(y-8) mod 26: номер x на началната буква"},
        };
        for (int k = 0; k < 7; ++k) {
            row(ControlObjectName("Label2", ControlIndex(k)), R::StaticText, table[k][0]);
            row(kTableLists[k], R::List, table[k][0], table[k][1]);
        }
        const char16_t* results[3][2] = {
            {u"входен текст", u"буквите на криптирания текст, по една на ред"},
            {u"код - шифър", u"кодът 21(y-8) на всяка буква на текста"},
            {u"изх. текст", u"шифровата буква на всяка буква на текста"},
        };
        for (int k = 0; k < 3; ++k) {
            row(ControlObjectName("Label4", ControlIndex(k)), R::StaticText, results[k][0]);
            row(kResultLists[k], R::List, results[k][0], results[k][1]);
        }
        row(u"Command1_0"_qs, R::Button, u"Криптирай",
            u"криптира текста и показва резултата буква по буква");
        row(u"Command1_1"_qs, R::Button, u"Чисти", u"изчиства текста и резултата");
        row(u"Text1_0"_qs, R::EditableText, u"обяснение");
    }
    void everyShownControlHasANameARoleAndADescription() {
        const Listener listener;  // the names are given once assistive technology listens
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QAccessibleInterface* control =
            Accessible(find(QString::fromLatin1(QTest::currentDataTag())));
        QCOMPARE(int(control->role()), role);
        QCOMPARE(control->text(QAccessible::Name), name);
        QCOMPARE(control->text(QAccessible::Description), description);
        QCOMPARE(control->state().readOnly, qstrcmp(QTest::currentDataTag(), "Text1_0") == 0);
    }

    void windowOffersTheShownControlsAndNotTheHiddenOnes() {
        QAccessibleInterface* form = Accessible(window_.get());
        QCOMPARE(form->role(), QAccessible::Window);
        QCOMPARE(form->text(QAccessible::Name), window_->windowTitle());
        QStringList children;
        for (int k = 0; k < form->childCount(); ++k) {
            QCOMPARE(form->child(k)->parent(), form);
            QCOMPARE(form->indexOfChild(form->child(k)), k);
            children << form->child(k)->object()->objectName();
        }
        QStringList shown = {u"Label1_0"_qs, u"Label1_1"_qs, u"Text2_0"_qs};
        shown << Names("Label2", 7) << kTableLists << Names("Label4", 3) << kResultLists
              << u"Command1_0"_qs << u"Command1_1"_qs << u"Text1_0"_qs;
        QCOMPARE(children, shown);
        for (const QString& name : {u"Label4_3"_qs, u"List1_3"_qs, u"Text1_1"_qs}) {
            const QPoint centre = window_->mapToGlobal(find(name)->geometry().center());
            QVERIFY(form->childAt(centre.x(), centre.y()) != Accessible(find(name)));
            QVERIFY(Accessible(find(name))->state().invisible);
        }
    }

    void listRowsReadTheModelAndTheSelectionAPersonMade() {
        ListBoxView* cipher = list(u"List2_4"_qs);
        clickRow(cipher, 3);
        QTest::keyClick(cipher, Qt::Key_Down);
        for (const QString& name : kTableLists) {
            QAccessibleInterface* column = Accessible(list(name));
            QCOMPARE(column->childCount(), 26);
            QAccessibleInterface* row = column->child(4);
            QCOMPARE(row->role(), QAccessible::ListItem);
            QCOMPARE(row->text(QAccessible::Name),
                     QString::fromStdU16String(list(name)->model().List(4)));
            QCOMPARE(row->parent(), column);
            QCOMPARE(column->indexOfChild(row), 4);
            QCOMPARE(column->child(4), row);  // one identity however often asked for
            QVERIFY(row->state().selected && !column->child(3)->state().selected);
            QCOMPARE(row->state().focused, name == u"List2_4"_qs);
            QVERIFY(!row->state().offscreen && column->child(20)->state().offscreen);
        }
        QAccessibleInterface* column = Accessible(cipher);
        QCOMPARE(column->focusChild(), column->child(4));
        const QPoint second = cipher->viewport()->mapToGlobal(cipher->visualRect(1).center());
        QCOMPARE(column->childAt(second.x(), second.y()), column->child(1));
    }

    void choosingARowAnnouncesTheGroupsSelectionAndTheFocusedRow() {
        ListBoxView* letters = list(u"List2_1"_qs);
        letters->setFocus(Qt::TabFocusReason);  // focus arriving is the next test's
        const Listener listener;
        clickRow(letters, 2);
        QTest::keyClick(letters, Qt::Key_Down);
        QTest::keyClick(letters, Qt::Key_Space);  // selects nothing new, says nothing
        for (const QString& name : kTableLists) {
            QCOMPARE(Listener::count({list(name), QAccessible::Selection, 2}), 1);
            QCOMPARE(Listener::count({list(name), QAccessible::SelectionRemove, 2}), 1);
            QCOMPARE(Listener::count({list(name), QAccessible::Selection, 3}), 1);
            QCOMPARE(Listener::from(list(name)), name == u"List2_1"_qs ? 5 : 3);
        }
        QCOMPARE(Listener::count({letters, QAccessible::Focus, 2}), 1);
        QCOMPARE(Listener::count({letters, QAccessible::Focus, 3}), 1);
    }

    void resultRowsComeAndGoWithTheButtonsAndTheHiddenListStaysSilent() {
        const Listener listener;
        QAccessibleInterface* output = Accessible(list(u"List1_2"_qs));
        // Pressed by assistive technology, the button shows itself down for a moment, then
        // clicks.
        QAccessibleActionInterface* encrypt = Accessible(find(u"Command1_0"_qs))->actionInterface();
        QVERIFY(encrypt->actionNames().contains(QAccessibleActionInterface::pressAction()));
        encrypt->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE_WITH_TIMEOUT(output->childCount(), 12, kDeadlineMs);
        QStringList letters;
        for (int k = 0; k < output->childCount(); ++k) {
            letters << output->child(k)->text(QAccessible::Name);
        }
        QCOMPARE(letters.join(QString()), u"IHHWVCSWFRCP"_qs);
        for (const QString& name : kResultLists) {
            QCOMPARE(Listener::count({list(name), QAccessible::TableModelChanged, -1}), 1);
        }
        clickRow(list(u"List1_1"_qs), 2);
        QCOMPARE(Listener::count({list(u"List1_0"_qs), QAccessible::Selection, 2}), 1);
        QCOMPARE(Listener::from(list(u"List1_3"_qs)), 0);
        QCOMPARE(Listener::from(list(u"List2_0"_qs)), 0);  // the table kept rows and selection

        QAccessibleInterface* last = output->child(11);
        click(u"Command1_1"_qs);
        QCOMPARE(output->childCount(), 0);
        QVERIFY(!last->isValid());
    }

    void focusComingIntoAListLeavesItsRowToTheFirstKey() {
        // Qt announces the list as the focus comes in, and a screen reader speaks its heading and
        // description; the row the keyboard is on is spoken as soon as a key moves to one, the
        // first key in a list with no selection included.
        clickRow(list(u"List2_2"_qs), 3);
        const Listener listener;
        QTest::keyClick(list(u"List2_2"_qs), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(list(u"List2_1"_qs)->hasFocus());
        QCoreApplication::processEvents();
        QCOMPARE(Listener::from(list(u"List2_1"_qs)), 0);
        QTest::keyClick(list(u"List2_1"_qs), Qt::Key_Down);
        QCOMPARE(Listener::count({list(u"List2_1"_qs), QAccessible::Focus, 4}), 1);

        click(u"Command1_0"_qs);
        list(u"List1_0"_qs)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list(u"List1_0"_qs), Qt::Key_Down);
        QCOMPARE(Listener::count({list(u"List1_0"_qs), QAccessible::Focus, 0}), 1);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
