// What a screen reader gets: every text the window shows must reach it through Qt's
// accessibility interfaces, as the name or the value of the control that shows it.

#include "platform/qtmessagebox.h"
#include "support/testwindow.h"
#include "widgets/channelbox.h"
#include "widgets/swatch.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

// The name, value and description of an interface and of everything under it.
QStringList accessibleTexts(QAccessibleInterface *node)
{
    QStringList texts{node->text(QAccessible::Name), node->text(QAccessible::Value),
                      node->text(QAccessible::Description)};
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *child = node->child(i))
            texts += accessibleTexts(child);
    }
    return texts;
}

QString withoutAccessKeyMark(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

// What the control shows, or nothing for a control that shows no text of its own.
std::optional<QString> shownText(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return withoutAccessKeyMark(button->text());
    if (const auto *swatch = qobject_cast<const Swatch *>(control))
        return swatch->fillColor().name().mid(1);
    return std::nullopt;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void channelBoxTextAsAScreenReaderAsksIt_data();
    void channelBoxTextAsAScreenReaderAsksIt();
    void everyShownTextReachesTheScreenReader();
    void messageBoxTextReachesTheScreenReader();
    void tabSelectionIsNotReported();
    void menuItemsTellTheirKeys_data();
    void menuItemsTellTheirKeys();
};

void TestAccessibility::everyShownTextReachesTheScreenReader()
{
    TestRig rig;
    rig.writeTable(QStringLiteral("桜色（さくらいろ）,ffdbed\r\n*aqua,00ffff\r\n"));
    auto &w = rig.start();
    w.list1->setCurrentRow(0);
    w.text2->setText(QStringLiteral("9x")); // typed, not committed: shown all the same
    QCOMPARE(w.label4->text(), QStringLiteral("桜色（さくらいろ）\u3000ffdbed"));

    int checked = 0;
    for (QWidget *control : w.window.findChildren<QWidget *>()) {
        const std::optional<QString> shown = shownText(control);
        if (!shown || shown->isEmpty())
            continue;
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(node, qPrintable(control->objectName()));
        const QStringList heard{node->text(QAccessible::Name), node->text(QAccessible::Value),
                                node->text(QAccessible::Description)};
        QVERIFY2(heard.contains(*shown),
                 qPrintable(control->objectName() + ": " + *shown + " not in " + heard.join('|')));
        ++checked;
    }
    QVERIFY(checked >= 13); // five labels, three boxes, two check boxes, two buttons, the swatch

    const QStringList listTexts = accessibleTexts(QAccessible::queryAccessibleInterface(w.list1));
    for (int row = 0; row < w.list1->count(); ++row)
        QVERIFY(listTexts.contains(w.list1->item(row)->text()));

    // Menus are read as the user opens them; every caption is there without its access-key mark.
    const QStringList menuTexts =
        accessibleTexts(QAccessible::queryAccessibleInterface(w.window.menuBar()));
    for (QMenu *menu : w.window.findChildren<QMenu *>()) {
        QVERIFY(menuTexts.contains(withoutAccessKeyMark(menu->title())));
        const QStringList itemTexts = accessibleTexts(QAccessible::queryAccessibleInterface(menu));
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator())
                QVERIFY2(itemTexts.contains(withoutAccessKeyMark(action->text())),
                         qPrintable(action->text()));
        }
    }
}

// The real message box, as the program shows it: its text is in the dialog's accessible tree.
void TestAccessibility::messageBoxTextReachesTheScreenReader()
{
    const QString message = QStringLiteral("redの値が数字ではありません");
    QStringList heard;
    QTimer::singleShot(0, [&heard] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        heard = accessibleTexts(QAccessible::queryAccessibleInterface(box));
        box->close();
    });
    QtMessageBox().show(nullptr, message, QString());
    QVERIFY(heard.contains(message));
}

// Each row: a question to the red box's text interface (holding 255, the cursor at its end) and
// the item it answers, as text, start and end.
void TestAccessibility::channelBoxTextAsAScreenReaderAsksIt_data()
{
    QTest::addColumn<QString>("question"); // at, before, after, attributes
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");

    const int word = QAccessible::WordBoundary, sentence = QAccessible::SentenceBoundary;
    const int character = QAccessible::CharBoundary;
    QTest::newRow("the word at the end: all of it, at once") << "at" << 3 << word << "255" << 0 << 3;
    QTest::newRow("the sentence at the end") << "at" << 3 << sentence << "255" << 0 << 3;
    QTest::newRow("the word at the cursor (-2)") << "at" << -2 << word << "255" << 0 << 3;
    QTest::newRow("a character") << "at" << 1 << character << "5" << 1 << 2;
    QTest::newRow("no character at the end") << "at" << 3 << character << "" << 3 << 3;
    QTest::newRow("the character before the end") << "before" << 3 << character << "5" << 2 << 3;
    QTest::newRow("the character after the first") << "after" << 0 << character << "5" << 1 << 2;
    QTest::newRow("nothing after the word") << "after" << 1 << word << "" << 3 << 3;
    QTest::newRow("beyond the text") << "at" << 9 << word << "" << -1 << -1;
    QTest::newRow("one attribute run over the whole value") << "attributes" << 1 << 0 << "" << 0
                                                            << 3;
}

void TestAccessibility::channelBoxTextAsAScreenReaderAsksIt()
{
    QFETCH(QString, question);
    QFETCH(int, offset);
    QFETCH(int, boundary);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, end);
    TestRig rig;
    auto &w = rig.start();
    w.text1->setText(QStringLiteral("255"));
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(w.text1);
    QCOMPARE(box->role(), QAccessible::EditableText);
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("レッド"));
    QCOMPARE(box->text(QAccessible::Value), QStringLiteral("255"));
    QAccessibleTextInterface *textInterface = box->textInterface();
    QVERIFY(textInterface && box->editableTextInterface());

    const auto type = QAccessible::TextBoundaryType(boundary);
    int from = -5, to = -5;
    const QString answer = question == "at"       ? textInterface->textAtOffset(offset, type, &from, &to)
                           : question == "before" ? textInterface->textBeforeOffset(offset, type, &from, &to)
                           : question == "after"  ? textInterface->textAfterOffset(offset, type, &from, &to)
                                                  : textInterface->attributes(offset, &from, &to);
    QCOMPARE(answer, text);
    QCOMPARE(from, start);
    QCOMPARE(to, end);
}

// Entered by Tab, a box selects its text without reporting it, so that the screen reader reads
// the box once, with the focus; a selection the user makes is reported.
void TestAccessibility::tabSelectionIsNotReported()
{
    TestRig rig;
    auto &w = rig.startShown();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QAccessibleTextInterface *green
        = QAccessible::queryAccessibleInterface(w.text2)->textInterface();
    QCOMPARE(w.text2->selectedText(), QStringLiteral("255"));
    QCOMPARE(green->selectionCount(), 0);
    QTest::keyClick(w.text2, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(green->selectionCount(), 1);
}

// Each row: an item, as its menu's accessible child, and its key bindings: access key, key path
// (none), shortcut.
void TestAccessibility::menuItemsTellTheirKeys_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("a shortcut") << "mnucodeclip" << QStringList{"Alt+C", "", "F6"};
    QTest::newRow("with Ctrl") << "mnuallclip" << QStringList{"Alt+A", "", "Ctrl+F7"};
    QTest::newRow("an access key alone") << "mnuhelpopen" << QStringList{"Alt+H"};
    QTest::newRow("neither") << "mnupage" << QStringList{};
}

void TestAccessibility::menuItemsTellTheirKeys()
{
    QFETCH(QString, item);
    QFETCH(QStringList, keys);
    TestRig rig;
    auto &w = rig.start();
    auto *action = w.window.findChild<QAction *>(item);
    QAccessibleInterface *menu
        = QAccessible::queryAccessibleInterface(action->associatedObjects().first());
    QAccessibleInterface *entry = nullptr;
    for (int i = 0; i < menu->childCount(); ++i) {
        if (menu->child(i)->object() == action)
            entry = menu->child(i);
    }
    QVERIFY(entry);
    QCOMPARE(entry->text(QAccessible::Name), withoutAccessKeyMark(action->text()));
    const QString press = QAccessibleActionInterface::pressAction();
    QCOMPARE(entry->actionInterface()->keyBindingsForAction(press), keys);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
