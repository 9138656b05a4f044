// SPDX-License-Identifier: MIT
#include "board_check.h"
#include "form_check.h"
#include "ranking_form.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <deque>
#include <random>

// Thousands of random clicks and key presses on the shown window: whatever a
// user does, the board stays consistent, the shown lists mirror it and the
// statement keeps its text, and Qt warns of nothing.
class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomEventsKeepWindowAndBoardConsistent_data();
    void randomEventsKeepWindowAndBoardConsistent();
};

namespace {

constexpr int eventsPerRun = 10000;
constexpr std::size_t eventsKept = 25;

const Qt::Key navigationKeys[] = {
    Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,
    Qt::Key_Right, Qt::Key_Home,    Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown,
    Qt::Key_Space, Qt::Key_Return,  Qt::Key_Enter, Qt::Key_Delete, Qt::Key_Backspace};

class Monkey
{
public:
    Monkey(RankingForm &form, quint32 seed)
        : m_form(form)
        , m_random(seed)
    {}

    /// Sends one random event and returns what it was.
    QString act()
    {
        const int choice = pick(0, 99);
        if (choice < 30)
            return click(pointInControl());
        if (choice < 45)
            return click(QPoint(pick(0, m_form.width() - 1), pick(0, m_form.height() - 1)));
        if (choice < 85)
            return pressKey(navigationKeys[pick(0, std::size(navigationKeys) - 1)], Qt::NoModifier);
        if (choice < 95)
            return typeCharacter();
        return pressKey(pick(0, 1) ? Qt::Key_V : Qt::Key_C, Qt::ControlModifier);
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }

    /// A point inside one of the controls, mostly the lists and "Въведи", so
    /// that rankings grow long before "Изтрий" empties them.
    QPoint pointInControl()
    {
        static const char *const controls[] = {
            "speakersList",  "speakersList",  "speakersList", "languagesList", "languagesList",
            "languagesList", "rankingList",   "rankingList",  "enterButton",   "enterButton",
            "enterButton",   "takeOutButton", "deleteButton", "statement"};
        const auto *control =
            m_form.findChild<QWidget *>(QLatin1String(controls[pick(0, std::size(controls) - 1)]));
        const QRect area = control->geometry();
        return {pick(area.left(), area.right()), pick(area.top(), area.bottom())};
    }

    QString click(QPoint point)
    {
        QWidget *target = m_form.childAt(point);
        if (!target)
            target = &m_form;
        const Qt::KeyboardModifiers modifiers =
            pick(0, 9) == 0 ? Qt::ControlModifier : Qt::NoModifier;
        QTest::mouseClick(target, Qt::LeftButton, modifiers, target->mapFrom(&m_form, point));
        return QStringLiteral("click (%1, %2)%3 on %4")
            .arg(point.x())
            .arg(point.y())
            .arg(modifiers ? QStringLiteral(" with Ctrl") : QString())
            .arg(target->objectName());
    }

    QString pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QWidget *target = focusTarget();
        QTest::keyClick(target, key, modifiers);
        return QStringLiteral("key %1%2 on %3")
            .arg(modifiers ? QStringLiteral("Ctrl+") : QString())
            .arg(QKeySequence(key).toString())
            .arg(target->objectName());
    }

    QString typeCharacter()
    {
        // Digits and letters also drive the lists' type-ahead search.
        static const QString characters =
            QStringLiteral("0123456789abcxyz") + QString::fromUtf8("анкрфизя");
        const QChar character = characters.at(pick(0, int(characters.size()) - 1));
        QWidget *target = focusTarget();
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, target, key, QString(character), Qt::NoModifier);
        return QStringLiteral("type '%1' on %2").arg(character).arg(target->objectName());
    }

    QWidget *focusTarget()
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus : &m_form;
    }

    RankingForm &m_form;
    std::mt19937 m_random;
};

} // namespace

void MonkeyTest::randomEventsKeepWindowAndBoardConsistent_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 20261208") << 20261208u;
}

void MonkeyTest::randomEventsKeepWindowAndBoardConsistent()
{
    QFETCH(quint32, seed);
    // Whatever a view asks of the models, nothing may end in a warning.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QApplication::clipboard()->setText(QStringLiteral("pasted text"));
    RankingForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const auto *statement = form.findChild<QPlainTextEdit *>(QStringLiteral("statement"));
    const QString statementText = statement->toPlainText();

    Monkey monkey(form, seed);
    std::deque<QString> recent;
    int longestRanking = 0;
    for (int step = 0; step < eventsPerRun; ++step) {
        recent.push_back(monkey.act());
        if (recent.size() > eventsKept)
            recent.pop_front();
        longestRanking = std::max(longestRanking, form.board().RankingList().ListCount());

        QString fault = mirrorFault(form);
        if (const auto broken = ranking::testing::CheckInvariants(form.board()))
            fault = QString::fromStdString(*broken);
        if (statement->toPlainText() != statementText)
            fault = QStringLiteral("the statement text changed");
        if (!form.isVisible())
            fault = QStringLiteral("the window closed");
        if (!fault.isEmpty()) {
            QStringList lines{
                QStringLiteral("seed %1, event %2: %3").arg(seed).arg(step).arg(fault),
                QStringLiteral("last events:")};
            lines.append(QStringList(recent.begin(), recent.end()));
            QFAIL(qPrintable(lines.join(QLatin1Char('\n'))));
        }
    }
    // A monkey that never built a ranking would have tested little.
    qInfo("longest ranking: %d entries", longestRanking);
    QVERIFY(longestRanking >= 6);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
