// What a screen reader finds in the window: the controls a person sees, each with a name, a role
// and, where the name leaves it open, a description; the rows of the lists with their selection
// and focus; and the announcements that follow a person's clicks and keys.

#include <QAccessible>
#include <QLineEdit>
#include <vector>

#include "ui/list_selection_announcer.h"
#include "window_test_support.h"

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString NameOf(QAccessibleInterface* interface) {
    return interface->object() != nullptr ? interface->object()->objectName() : QString();
}

struct Announcement {
    QObject* object;
    QAccessible::Event type;
    int child;
    bool operator==(const Announcement&) const = default;
};

std::vector<Announcement> heard;

void Hear(QAccessibleEvent* event) {
    heard.push_back({event->object(), event->type(), event->child()});
}

// Assistive technology listening for as long as it lives, as a screen reader would be. The
// offscreen platform has no bridge to pass announcements on, so they are taken from the lists.
class Listener final {
  public:
    Listener() : previous_(ListSelectionAnnouncer::SetReceiver(&Hear)) {
        heard.clear();
        QAccessible::setActive(true);
    }
    ~Listener() {
        QAccessible::setActive(false);
        ListSelectionAnnouncer::SetReceiver(previous_);
        heard.clear();
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    static int count(const Announcement& wanted) {
        return static_cast<int>(std::count(heard.begin(), heard.end(), wanted));
    }
    static int countFrom(QObject* object) {
        return static_cast<int>(std::count_if(
            heard.begin(), heard.end(), [&](const Announcement& a) { return a.object == object; }));
    }

  private:
    ListSelectionAnnouncer::Receiver previous_;
};

const QStringList kShownControls = {
    "Label1_0", "Label1_1", "Text2_0",    "Label2_0",   "Label2_1", "Label2_2", "Label2_3",
    "Label2_4", "Label2_5", "Label2_6",   "List2_0",    "List2_1",  "List2_2",  "List2_3",
    "List2_4",  "List2_5",  "List2_6",    "Label4_0",   "Label4_1", "Label4_2", "List1_0",
    "List1_1",  "List1_2",  "Command1_0", "Command1_1", "Text1_0",
};

}  // namespace

class AccessibilityTest final : public WindowTest {
    Q_OBJECT

  private slots:
    void everyShownControlHasANameARoleAndWhereNeededADescription_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const QString none;
        const auto row = [](const char* control, QAccessible::Role role, const char16_t* name,
                            const char16_t* description = u"") {
            QTest::newRow(control)
                << int(role) << QString::fromUtf16(name) << QString::fromUtf16(description);
        };
        using R = QAccessible::Role;
        row("Label1_0", R::StaticText, u"Информатика - шифър със заместване, cipher Affine");
        row("Label1_1", R::StaticText, u"текст за криптиране:");
        row("Text2_0", R::EditableText, u"текст за криптиране", u"най-много 40 знака");
        const char16_t* tableHeadings[] = {u"Номер", u"Буква",   u"5x+8",  u"mod 26",
                                           u"Шифър", u"21(y-8)", u"mod 26"};
        const char16_t* tableDescriptions[] = {
            u"номер x на буквата, от 0 до 25",
            u"буквата с номер x",
            u"стойността 5x+8",
            u"5x+8 mod 26: номер y на шифровата буква",
            u"шифровата буква с номер y",
            u"стойността 21(y-8) преди привеждане по модул 26",
            u"21(y-8) mod 26: номер x на началната буква",
        };
        for (int k = 0; k < 7; ++k) {
            row(qPrintable(QStringLiteral("Label2_%1").arg(k)), R::StaticText, tableHeadings[k]);
            row(qPrintable(kTableLists[k]), R::List, tableHeadings[k], tableDescriptions[k]);
        }
        row("Label4_0", R::StaticText, u"входен текст");
        row("List1_0", R::List, u"входен текст", u"буквите на криптирания текст, по една на ред");
        row("Label4_1", R::StaticText, u"код - шифър");
        row("List1_1", R::List, u"код - шифър", u"кодът 21(y-8) на всяка буква на текста");
        row("Label4_2", R::StaticText, u"изх. текст");
        row("List1_2", R::List, u"изх. текст", u"шифровата буква на всяка буква на текста");
        row("Command1_0", R::Button, u"Криптирай",
            u"криптира текста и показва резултата буква по буква");
        row("Command1_1", R::Button, u"Чисти", u"изчиства текста и резултата");
        row("Text1_0", R::EditableText, u"Информатика - шифър със заместване, cipher Affine");
    }
    void everyShownControlHasANameARoleAndWhereNeededADescription() {
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QAccessibleInterface* control =
            Accessible(find(QString::fromLatin1(QTest::currentDataTag())));
        QVERIFY(control->isValid());
        QCOMPARE(int(control->role()), role);
        QCOMPARE(control->text(QAccessible::Name), name);
        QCOMPARE(control->text(QAccessible::Description), description);
        QVERIFY(!control->state().invisible);
        QCOMPARE(control->parent(), Accessible(window_.get()));
    }

    void theTwoModColumnsAreToldApart() {
        QAccessibleInterface* third = Accessible(list(u"List2_3"_qs));
        QAccessibleInterface* last = Accessible(list(u"List2_6"_qs));
        QCOMPARE(third->text(QAccessible::Name), last->text(QAccessible::Name));
        QVERIFY(third->text(QAccessible::Description) != last->text(QAccessible::Description));
    }

    void windowOffersExactlyTheShownControls() {
        QAccessibleInterface* form = Accessible(window_.get());
        QCOMPARE(form->role(), QAccessible::Window);
        QCOMPARE(form->text(QAccessible::Name), window_->windowTitle());
        QStringList children;
        for (int k = 0; k < form->childCount(); ++k) {
            QAccessibleInterface* child = form->child(k);
            QCOMPARE(form->indexOfChild(child), k);
            children << NameOf(child);
        }
        QCOMPARE(children, kShownControls);

        // The hidden controls cannot be reached by pointing either, and if asked for by name
        // they say they are invisible.
        for (const QString& name : {u"Label4_3"_qs, u"List1_3"_qs, u"Text1_1"_qs}) {
            QWidget* hidden = find(name);
            QAccessibleInterface* interface = Accessible(hidden);
            QCOMPARE(form->indexOfChild(interface), -1);
            QVERIFY(interface->state().invisible);
            const QPoint centre = window_->mapToGlobal(hidden->geometry().center());
            QVERIFY(form->childAt(centre.x(), centre.y()) != interface);
        }
        // Where a list covers its heading's bottom pixel row, pointing finds the list.
        const QPoint overlap = window_->mapToGlobal(find(u"Label2_0"_qs)->geometry().bottomLeft());
        QCOMPARE(NameOf(form->childAt(overlap.x() + 5, overlap.y())), u"List2_0"_qs);
    }

    void explanationBoxIsReadOnly() {
        QVERIFY(Accessible(find(u"Text1_0"_qs))->state().readOnly);
        QVERIFY(!Accessible(find(u"Text2_0"_qs))->state().readOnly);
    }

    void listRowsAreItsChildrenAndReadTheModel() {
        for (const QString& name : kTableLists) {
            ListBoxView* table = list(name);
            QAccessibleInterface* column = Accessible(table);
            QCOMPARE(column->childCount(), 26);
            for (int row : {0, 11, 25}) {
                QAccessibleInterface* item = column->child(row);
                QCOMPARE(item->role(), QAccessible::ListItem);
                QCOMPARE(item->text(QAccessible::Name),
                         QString::fromStdU16String(table->model().List(row)));
                QCOMPARE(item->parent(), column);
                QCOMPARE(column->indexOfChild(item), row);
                QCOMPARE(column->child(row), item);  // one identity however often asked
            }
            QCOMPARE(column->child(26), nullptr);
        }
        // A row is where the mouse finds it, and is in view or not as on screen.
        ListBoxView* letters = list(u"List2_1"_qs);
        QAccessibleInterface* column = Accessible(letters);
        const QPoint second = letters->viewport()->mapToGlobal(letters->visualRect(1).center());
        QCOMPARE(column->childAt(second.x(), second.y()), column->child(1));
        QVERIFY(column->child(1)->rect().contains(second));
        QVERIFY(!column->child(1)->state().offscreen);
        QVERIFY(column->child(20)->state().offscreen);
    }

    void resultRowsComeAndGoWithTheButtons() {
        QAccessibleInterface* output = Accessible(list(u"List1_2"_qs));
        QCOMPARE(output->childCount(), 0);
        click(u"Command1_0"_qs);
        QStringList letters;
        for (int k = 0; k < output->childCount(); ++k) {
            letters << output->child(k)->text(QAccessible::Name);
        }
        QCOMPARE(letters.join(QString()), u"IHHWVCSWFRCP"_qs);
        QAccessibleInterface* last = output->child(11);
        click(u"Command1_1"_qs);
        QCOMPARE(output->childCount(), 0);
        QVERIFY(!last->isValid());
    }

    void selectedAndFocusedRowsAreThoseAPersonPicked() {
        clickRow(list(u"List2_4"_qs), 3);
        for (const QString& name : kTableLists) {
            QAccessibleInterface* column = Accessible(list(name));
            QVERIFY2(column->child(3)->state().selected, qPrintable(name));
            QVERIFY(!column->child(2)->state().selected);
            QCOMPARE(column->child(3)->state().focused, name == u"List2_4"_qs);
        }
        QAccessibleInterface* cipher = Accessible(list(u"List2_4"_qs));
        QCOMPARE(cipher->focusChild(), cipher->child(3));
        QTest::keyClick(list(u"List2_4"_qs), Qt::Key_Down);
        QVERIFY(cipher->child(4)->state().selected && cipher->child(4)->state().focused);
        QVERIFY(!cipher->child(3)->state().selected && !cipher->child(3)->state().focused);

        // In a list with no selection the keyboard acts on the first row.
        click(u"Command1_0"_qs);
        list(u"List1_0"_qs)->setFocus(Qt::TabFocusReason);
        QAccessibleInterface* input = Accessible(list(u"List1_0"_qs));
        QCOMPARE(input->focusChild(), input->child(0));
        QVERIFY(input->child(0)->state().focused && !input->child(0)->state().selected);
    }

    void buttonsPressWhenAssistiveTechnologyAsks() {
        QAccessibleInterface* encrypt = Accessible(find(u"Command1_0"_qs));
        QVERIFY(encrypt->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        // The button shows itself pressed for a moment, then clicks.
        encrypt->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(list(u"List1_0"_qs)->model().ListCount(), 12);
        Accessible(find(u"Command1_1"_qs))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(list(u"List1_0"_qs)->model().ListCount(), 0);
        QCOMPARE(find<QLineEdit>(u"Text2_0"_qs)->text(), QString());
    }

    void choosingARowAnnouncesTheSelectionInTheGroupAndTheFocusedRow() {
        const Listener listener;
        ListBoxView* letters = list(u"List2_1"_qs);
        clickRow(letters, 2);
        for (const QString& name : kTableLists) {
            QCOMPARE(Listener::count({list(name), QAccessible::Selection, 2}), 1);
        }
        QCOMPARE(Listener::count({letters, QAccessible::Focus, 2}), 1);
        QCOMPARE(Listener::count({list(u"List2_0"_qs), QAccessible::Focus, 2}), 0);

        heard.clear();
        QTest::keyClick(letters, Qt::Key_Down);
        for (const QString& name : kTableLists) {
            QCOMPARE(Listener::count({list(name), QAccessible::SelectionRemove, 2}), 1);
            QCOMPARE(Listener::count({list(name), QAccessible::Selection, 3}), 1);
        }
        QCOMPARE(Listener::count({letters, QAccessible::Focus, 3}), 1);

        // A key that selects nothing new says nothing new.
        heard.clear();
        QTest::keyClick(letters, Qt::Key_Space);
        QCOMPARE(Listener::countFrom(letters), 0);
    }

    void newResultRowsAreAnnouncedAndTheHiddenListStaysSilent() {
        const Listener listener;
        click(u"Command1_0"_qs);
        for (const QString& name : kResultLists) {
            QCOMPARE(Listener::count({list(name), QAccessible::ObjectReorder, -1}), 1);
        }
        clickRow(list(u"List1_1"_qs), 2);
        QCOMPARE(Listener::count({list(u"List1_0"_qs), QAccessible::Selection, 2}), 1);
        QCOMPARE(Listener::countFrom(list(u"List1_3"_qs)), 0);
        // The table kept its rows and its selection, so it has nothing to say.
        QCOMPARE(Listener::countFrom(list(u"List2_0"_qs)), 0);
    }

    void focusComingIntoAListAnnouncesItsRow() {
        clickRow(list(u"List2_2"_qs), 3);
        const Listener listener;
        QTest::keyClick(list(u"List2_2"_qs), Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_VERIFY(list(u"List2_1"_qs)->hasFocus());
        QTRY_COMPARE(Listener::count({list(u"List2_1"_qs), QAccessible::Focus, 3}), 1);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
