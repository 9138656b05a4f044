// SPDX-License-Identifier: MIT
#include "form_check.h"
#include "ranking_form.h"

#include <form/command_dispatch.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include <memory>

// What a screen reader finds in the window, and a whole exercise done with the
// keyboard alone.
class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsHaveNamesAndRoles_data();
    void controlsHaveNamesAndRoles();
    void listItemsAndSelectionAreReadable();
    void selectionCanBeSetThroughAccessibility();
    void statementLinesAreTheLinesOnScreen();
    void keyboardAloneCompletesAndEmptiesTheRanking();
    void eachPressIsAnnouncedOnce_data();
    void eachPressIsAnnouncedOnce();
    void enteringAnEmptyListSaysSo();
    void enteringAListWithoutASelectionSaysSo();

private:
    [[nodiscard]] QAccessibleInterface *accessibleChild(const QString &name,
                                                        QAccessible::Role role) const;
    [[nodiscard]] QStringList itemTexts(QAccessibleInterface *list) const;
    [[nodiscard]] QList<int> selectedItems(QAccessibleInterface *list) const;
    [[nodiscard]] QStringList focusedItems() const;
    void tabTo(const char *objectName) const;
    void key(Qt::Key key) const;

    std::unique_ptr<RankingForm> m_form;
};

namespace {

// The sentences that a notification showed, as a screen reader is told of
// them: by its name, each time it is shown.
class ShownSentences : public QObject
{
public:
    explicit ShownSentences(QWidget *notification)
        : QObject(notification)
    {
        notification->installEventFilter(this);
    }

    QStringList sentences;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            sentences << QAccessible::queryAccessibleInterface(watched)->text(QAccessible::Name);
        return false;
    }
};

} // namespace

namespace {

QAccessible::Role roleOf(form::ControlKind kind)
{
    switch (kind) {
    case form::ControlKind::Label:
        return QAccessible::StaticText;
    case form::ControlKind::List:
        return QAccessible::List;
    case form::ControlKind::Command:
        return QAccessible::Button;
    case form::ControlKind::Statement:
        return QAccessible::EditableText;
    }
    return QAccessible::NoRole;
}

} // namespace

namespace {

QAccessibleInterface *notificationOf(QWidget *window)
{
    QAccessibleInterface *windowInterface = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; i < windowInterface->childCount(); ++i) {
        if (windowInterface->child(i)->role() == QAccessible::Notification)
            return windowInterface->child(i);
    }
    return nullptr;
}

} // namespace

void AccessibilityTest::init()
{
    m_form = std::make_unique<RankingForm>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void AccessibilityTest::cleanup()
{
    m_form.reset();
}

// The offscreen platform has no accessibility bridge, so Qt sends no change
// events that would refresh interfaces it has cached; each lookup therefore
// builds a fresh interface, which reads the state as a screen reader on a live
// bridge would.
QAccessibleInterface *AccessibilityTest::accessibleChild(const QString &name,
                                                         QAccessible::Role role) const
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_form.get());
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        if (child->role() != role || child->text(QAccessible::Name) != name)
            continue;
        QObject *control = child->object();
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(child));
        return QAccessible::queryAccessibleInterface(control);
    }
    return nullptr;
}

QStringList AccessibilityTest::itemTexts(QAccessibleInterface *list) const
{
    QStringList texts;
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface *item = list->child(i);
        if (item->role() == QAccessible::ListItem)
            texts << item->text(QAccessible::Name);
    }
    return texts;
}

QList<int> AccessibilityTest::selectedItems(QAccessibleInterface *list) const
{
    QList<int> selected;
    for (int i = 0; i < list->childCount(); ++i) {
        if (list->child(i)->state().selected)
            selected << i;
    }
    return selected;
}

// Every list item that reports itself focused, as "list: item".
QStringList AccessibilityTest::focusedItems() const
{
    QStringList focused;
    for (const char *name : {"Говорещи", "Език", "Класация"}) {
        QAccessibleInterface *list = accessibleChild(u8(name), QAccessible::List);
        for (int i = 0; i < list->childCount(); ++i) {
            if (list->child(i)->state().focused)
                focused << u8(name) + QStringLiteral(": ") +
                               list->child(i)->text(QAccessible::Name);
        }
    }
    return focused;
}

void AccessibilityTest::tabTo(const char *objectName) const
{
    for (int presses = 0; presses < 8; ++presses) {
        if (QApplication::focusWidget()->objectName() == QLatin1String(objectName))
            return;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QFAIL(objectName);
}

void AccessibilityTest::key(Qt::Key key) const
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

void AccessibilityTest::controlsHaveNamesAndRoles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    for (const form::Control &def : form::Controls()) {
        // A list is known by the text of the label that names it.
        const char *name =
            def.kind == form::ControlKind::List ? form::LabelOf(def)->text : def.accessibleName;
        QTest::newRow(def.name) << u8(name) << roleOf(def.kind);
    }
}

void AccessibilityTest::controlsHaveNamesAndRoles()
{
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QAccessibleInterface *control = accessibleChild(name, role);
    QVERIFY2(control, qPrintable(name));
    QVERIFY(control->state().focusable || role == QAccessible::StaticText);
    QVERIFY(!control->state().invisible);
    if (role == QAccessible::EditableText) {
        QVERIFY(control->state().readOnly);
        QVERIFY(control->state().multiLine);
        QAccessibleTextInterface *text = control->textInterface();
        QVERIFY(text);
        const QString before = text->text(0, text->characterCount());
        QVERIFY(before.size() > 900);
        QCOMPARE(text->text(0, 9), u8("Мандаринс"));
        // A screen reader may read and select the statement, never rewrite it.
        if (QAccessibleEditableTextInterface *editable = control->editableTextInterface()) {
            editable->deleteText(0, 10);
            editable->insertText(0, QStringLiteral("inserted"));
            editable->replaceText(0, 5, QStringLiteral("replaced"));
        }
        text->setSelection(0, 0, 9);
        QCOMPARE(text->selectionCount(), 1);
        QAccessibleTextInterface *after = accessibleChild(name, role)->textInterface();
        QCOMPARE(after->text(0, after->characterCount()), before);
    }
}

void AccessibilityTest::listItemsAndSelectionAreReadable()
{
    QAccessibleInterface *speakers = accessibleChild(u8("Говорещи"), QAccessible::List);
    QAccessibleInterface *languages = accessibleChild(u8("Език"), QAccessible::List);
    QAccessibleInterface *ranking = accessibleChild(u8("Класация"), QAccessible::List);
    QVERIFY(speakers && languages && ranking);
    QCOMPARE(itemTexts(speakers).size(), 9);
    QCOMPARE(itemTexts(speakers).first(), u8("100"));
    QCOMPARE(itemTexts(languages).size(), 8);
    QCOMPARE(selectedItems(speakers), QList<int>{0});
    QCOMPARE(selectedItems(languages), QList<int>{0});
    QVERIFY(itemTexts(ranking).isEmpty());

    m_form->commandClicked(form::Enter);
    speakers = accessibleChild(u8("Говорещи"), QAccessible::List);
    languages = accessibleChild(u8("Език"), QAccessible::List);
    ranking = accessibleChild(u8("Класация"), QAccessible::List);
    QCOMPARE(itemTexts(ranking), QStringList{u8("100 английски")});
    QVERIFY(ranking->text(QAccessible::Description).isEmpty());
    QCOMPARE(itemTexts(speakers).size(), 8);
    QVERIFY(selectedItems(speakers).isEmpty());
    QVERIFY(selectedItems(languages).isEmpty());

    m_form->commandClicked(form::Delete);
    languages = accessibleChild(u8("Език"), QAccessible::List);
    ranking = accessibleChild(u8("Класация"), QAccessible::List);
    QVERIFY(itemTexts(ranking).isEmpty());
    QCOMPARE(itemTexts(languages).size(), 8);
    QCOMPARE(selectedItems(languages), QList<int>{0});
}

void AccessibilityTest::selectionCanBeSetThroughAccessibility()
{
    QAccessibleInterface *speakers = accessibleChild(u8("Говорещи"), QAccessible::List);
    QVERIFY(speakers && speakers->tableInterface());
    QVERIFY(speakers->tableInterface()->selectRow(4));
    QCOMPARE(m_form->board().SpeakersList().ListIndex(), 4);
    speakers = accessibleChild(u8("Говорещи"), QAccessible::List);
    QCOMPARE(selectedItems(speakers), QList<int>{4});

    m_form->commandClicked(form::Enter);
    QAccessibleInterface *ranking = accessibleChild(u8("Класация"), QAccessible::List);
    QCOMPARE(itemTexts(ranking), QStringList{u8("500 английски")});
    QVERIFY(ranking->tableInterface()->selectRow(0));
    QCOMPARE(m_form->board().RankingList().ListIndex(), 0);
    ranking = accessibleChild(u8("Класация"), QAccessible::List);
    QCOMPARE(selectedItems(ranking), QList<int>{0});
}

// A screen reader reads the statement line by line as the box shows it: the
// same lines as a stock read-only text edit of the same width.
void AccessibilityTest::statementLinesAreTheLinesOnScreen()
{
    auto *box = m_form->findChild<QPlainTextEdit *>(QStringLiteral("statement"));
    QTextEdit stock(m_form.get());
    stock.setReadOnly(true);
    stock.setPlainText(box->toPlainText());
    stock.setGeometry(box->geometry());
    stock.setFrameStyle(box->frameStyle());
    stock.setLineWidth(box->lineWidth());
    stock.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stock.show();
    QCOMPARE(stock.viewport()->width(), box->viewport()->width());

    QAccessibleTextInterface *ours =
        accessibleChild(u8("Условие на задачата"), QAccessible::EditableText)->textInterface();
    QAccessibleTextInterface *theirs =
        QAccessible::queryAccessibleInterface(&stock)->textInterface();
    QCOMPARE(ours->characterCount(), theirs->characterCount());
    const auto line = [](QAccessibleTextInterface *text, int offset) {
        int start = 0;
        int end = 0;
        const QString line = text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
        return QStringLiteral("%1-%2 %3").arg(start).arg(end).arg(line);
    };
    QStringList lines;
    for (int offset = 0; offset < ours->characterCount(); ++offset) {
        QCOMPARE(line(ours, offset), line(theirs, offset));
        if (!lines.contains(line(ours, offset)))
            lines << line(ours, offset);
    }
    QVERIFY2(lines.size() > 15, qPrintable(lines.join(QLatin1Char('|'))));

    // The lines before and after one in the middle.
    const auto neighbours = [](QAccessibleTextInterface *text, int offset) {
        int start = 0;
        int end = 0;
        QString found = text->textBeforeOffset(offset, QAccessible::LineBoundary, &start, &end);
        found += QStringLiteral(" %1-%2|").arg(start).arg(end);
        found += text->textAfterOffset(offset, QAccessible::LineBoundary, &start, &end);
        return found + QStringLiteral(" %1-%2").arg(start).arg(end);
    };
    QCOMPARE(neighbours(ours, 300), neighbours(theirs, 300));
}

void AccessibilityTest::keyboardAloneCompletesAndEmptiesTheRanking()
{
    // Only the list with the keyboard focus has a focused item.
    QCOMPARE(focusedItems(), QStringList());
    tabTo("speakersList");
    QCOMPARE(focusedItems(), QStringList{u8("Говорещи: 100")});

    // Each round: the highest count left and the first language left, both
    // picked with End/Home and Space, then "Въведи" pressed with Space.
    for (int round = 0; round < 8; ++round) {
        tabTo("speakersList");
        key(Qt::Key_End);
        key(Qt::Key_Space);
        tabTo("languagesList");
        key(Qt::Key_Home);
        key(Qt::Key_Space);
        tabTo("enterButton");
        QVERIFY(QApplication::focusWidget()->hasFocus());
        key(round % 2 ? Qt::Key_Space : Qt::Key_Return);
        QCOMPARE(m_form->board().RankingList().ListCount(), round + 1);
        QCOMPARE(focusedItems(), QStringList());
    }
    const auto &board = m_form->board();
    QCOMPARE(board.LanguagesList().ListCount(), 0);
    QCOMPARE(board.SpeakersList().Items(), std::vector<std::string>{"100"});
    QCOMPARE(board.RankingList().List(0), std::string("900 английски"));
    QCOMPARE(board.RankingList().List(7), std::string("200 френски"));

    tabTo("rankingList");
    key(Qt::Key_Down);
    key(Qt::Key_Space);
    tabTo("takeOutButton");
    key(Qt::Key_Space);
    QCOMPARE(board.RankingList().ListCount(), 7);
    QCOMPARE(focusedItems(), QStringList());

    tabTo("deleteButton");
    key(Qt::Key_Return);
    QCOMPARE(board.RankingList().ListCount(), 0);
    QCOMPARE(focusedItems(), QStringList());
    QCOMPARE(board.LanguagesList().ListCount(), 8);
    QCOMPARE(board.SpeakersList().ListCount(), 9);
}

void AccessibilityTest::eachPressIsAnnouncedOnce_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("sentences");
    QTest::newRow("Въведи") << QStringLiteral("enterButton")
                            << QStringList{
                                   u8("Въведено „100 английски“, място 1 от 1 в класацията."),
                                   u8("Нищо не е въведено: изберете брой говорещи и език.")};
    const QString nothingTakenOut = u8("Нищо не е изведено: изберете ред от класацията.");
    QTest::newRow("Изведи") << QStringLiteral("takeOutButton")
                            << QStringList{nothingTakenOut, nothingTakenOut};
    const QString empty = u8("Класацията е празна. Избрани са първият брой и първият език.");
    QTest::newRow("Изтрий") << QStringLiteral("deleteButton") << QStringList{empty, empty};
}

// Pressed by mouse, then by Space: each press says once what it did, even
// when it says the same again, and nothing of it is left once the focus moves.
void AccessibilityTest::eachPressIsAnnouncedOnce()
{
    QFETCH(QString, button);
    QFETCH(QStringList, sentences);
    auto *pushButton = m_form->findChild<QWidget *>(button);
    QAccessibleInterface *notification = notificationOf(m_form.get());
    QVERIFY(notification);
    auto *shown = new ShownSentences(qobject_cast<QWidget *>(notification->object()));
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QCOMPARE(shown->sentences, sentences.mid(0, 1));
    QTest::keyClick(pushButton, Qt::Key_Space);
    QCOMPARE(shown->sentences, sentences);
    QVERIFY(!notification->state().invisible);
    QTest::keyClick(pushButton, Qt::Key_Tab);
    QVERIFY(notification->state().invisible);
}

// The list's item is checked by the keyboard test; an empty list says so.
void AccessibilityTest::enteringAnEmptyListSaysSo()
{
    auto *shown =
        new ShownSentences(qobject_cast<QWidget *>(notificationOf(m_form.get())->object()));
    tabTo("rankingList");
    QTRY_COMPARE(shown->sentences, QStringList{u8("Списъкът „Класация“ е празен.")});
    tabTo("speakersList");
    QTest::qWait(0);
    QCOMPARE(shown->sentences.size(), 1);
}

// Qt offers a screen reader no list's selection, so the window says when the
// current item of a list just entered is not selected, and only then.
void AccessibilityTest::enteringAListWithoutASelectionSaysSo()
{
    const QString notSelected = u8("Не е избран.");
    m_form->commandClicked(form::Enter);
    auto *shown =
        new ShownSentences(qobject_cast<QWidget *>(notificationOf(m_form.get())->object()));
    tabTo("speakersList");
    QTRY_COMPARE(shown->sentences, QStringList{notSelected});
    QCOMPARE(focusedItems(), QStringList{u8("Говорещи: 200")});
    key(Qt::Key_Up);
    QCOMPARE(m_form->board().SpeakersList().ListIndex(), 0);

    tabTo("languagesList");
    QTRY_COMPARE(shown->sentences, QStringList({notSelected, notSelected}));
    QCOMPARE(focusedItems(), QStringList{u8("Език: арабски")});
    tabTo("rankingList");
    QTRY_COMPARE(shown->sentences, QStringList({notSelected, notSelected, notSelected}));
    QCOMPARE(focusedItems(), QStringList{u8("Класация: 100 английски")});

    // Back in Говорещи, whose 200 is selected now.
    key(Qt::Key_Backtab);
    key(Qt::Key_Backtab);
    QCOMPARE(focusedItems(), QStringList{u8("Говорещи: 200")});
    QTest::qWait(0);
    QCOMPARE(shown->sentences.size(), 3);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
