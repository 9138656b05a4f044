// SPDX-License-Identifier: MIT
#include "form_check.h"
#include "item_list_view.h"
#include "qt_translation.h"
#include "ranking_form.h"

#include <form/command_dispatch.h>

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using ranking::ListRole;

class RankingFormTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowIsFixedSizeWithCaption();
    void controlGeometry_data();
    void controlGeometry();
    void captions();
    void everyControlUsesTheFormFont();
    void coloursOnScreen_data();
    void coloursOnScreen();
    void darkThemeKeepsFixedColoursReadable();

    void startState();
    void tabOrderFollowsTheForm();
    void focusIsVisiblyMarked();
    void mouseBuildsAndEmptiesTheRanking();
    void enterTwiceAddsOneEntry();
    void listsScrollOnlyToShowTheSelection();
    void keyboardSelectsAndPresses();
    void commandGroupIgnoresUnknownIndex();
    void sortBufferIsNeverShown();
    void statementCannotBeEdited();
    void closingEndsTheEventLoop();

private:
    template <typename T> T *control(const char *name) const;
    [[nodiscard]] ItemListView *view(const char *name) const { return control<ItemListView>(name); }
    void selectItem(const char *list, const QString &text) const;
    void press(const char *button) const;
    [[nodiscard]] QStringList ranking() const;

    std::unique_ptr<RankingForm> m_form;
};

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

template <typename T> T *RankingFormTest::control(const char *name) const
{
    auto *widget = m_form->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no control named %s", name);
    return widget;
}

void RankingFormTest::selectItem(const char *list, const QString &text) const
{
    ItemListView *listView = view(list);
    const QModelIndexList found = listView->model()->match(
        listView->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    listView->scrollTo(found.first());
    QTest::mouseClick(listView->viewport(), Qt::LeftButton, {},
                      listView->visualRect(found.first()).center());
}

void RankingFormTest::press(const char *button) const
{
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
}

QStringList RankingFormTest::ranking() const
{
    QStringList entries;
    for (const auto &entry : m_form->board().RankingList().Items())
        entries << QString::fromStdString(entry);
    return entries;
}

void RankingFormTest::initTestCase()
{
    QVERIFY(installBulgarianQtTexts());
}

void RankingFormTest::init()
{
    m_form = std::make_unique<RankingForm>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void RankingFormTest::cleanup()
{
    m_form.reset();
}

void RankingFormTest::windowIsFixedSizeWithCaption()
{
    QCOMPARE(m_form->size(), QSize(461, 345));
    QCOMPARE(m_form->minimumSize(), QSize(461, 345));
    QCOMPARE(m_form->maximumSize(), QSize(461, 345));
    const QString caption = m_form->windowTitle();
    const qsizetype blank = caption.indexOf(QLatin1Char(' '));
    QVERIFY(blank > 0);
    QVERIFY2(caption.left(blank).contains(QLatin1Char('.')), "starts with a web address");
    QVERIFY(caption.mid(blank + 1).contains(u8("Класация")));
    QVERIFY(!m_form->windowIcon().isNull());
    QCOMPARE(m_form->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
}

void RankingFormTest::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    const struct
    {
        const char *name;
        QRect geometry;
    } rows[] = {
        {"titleLabel", {32, 0, 409, 25}},       {"speakersLabel", {24, 32, 73, 25}},
        {"languagesLabel", {120, 32, 121, 25}}, {"rankingLabel", {264, 32, 169, 25}},
        {"speakersList", {24, 56, 73, 80}},     {"languagesList", {120, 56, 121, 80}},
        {"rankingList", {264, 56, 169, 80}},    {"enterButton", {24, 144, 81, 27}},
        {"takeOutButton", {192, 144, 81, 27}},  {"deleteButton", {352, 144, 81, 27}},
        {"statement", {8, 176, 441, 161}},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.geometry;
}

void RankingFormTest::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
}

void RankingFormTest::captions()
{
    QCOMPARE(control<QLabel>("speakersLabel")->text(), u8("Говорещи"));
    QCOMPARE(control<QLabel>("languagesLabel")->text(), u8("Език"));
    QCOMPARE(control<QLabel>("rankingLabel")->text(), u8("Класация"));
    QVERIFY(control<QLabel>("titleLabel")->text().contains(u8("езици")));
    QCOMPARE(control<QPushButton>("enterButton")->text(), u8("Въведи"));
    QCOMPARE(control<QPushButton>("takeOutButton")->text(), u8("Изведи"));
    QCOMPARE(control<QPushButton>("deleteButton")->text(), u8("Изтрий"));
    for (const char *name : {"titleLabel", "speakersLabel", "languagesLabel", "rankingLabel"})
        QCOMPARE(control<QLabel>(name)->alignment(), Qt::AlignCenter);

    const QString statement = control<QPlainTextEdit>("statement")->toPlainText();
    QVERIFY2(statement.size() > 900 && statement.size() < 1100, qPrintable(statement));
    QVERIFY(statement.count(QLatin1Char('\n')) >= 4);
    for (const auto &language : m_form->board().LanguagesList().Items())
        QVERIFY(statement.contains(QString::fromStdString(language)));
}

void RankingFormTest::everyControlUsesTheFormFont()
{
    const QList<QWidget *> widgets = m_form->findChildren<QWidget *>();
    QVERIFY(widgets.size() > 11);
    for (const QWidget *widget : widgets) {
        const QFont font = widget->font();
        QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Normal);
    }
    // On this platform the name resolves to a metric twin that has Cyrillic.
    const QFontMetrics metrics(m_form->font());
    for (const QChar letter : u8("Въведи, Изтрий: жщюя"))
        QVERIFY2(metrics.inFont(letter), qPrintable(QString(letter)));
}

void RankingFormTest::coloursOnScreen_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("window") << QPoint(4, 4) << QColor(192, 192, 255);
    QTest::newRow("window between buttons") << QPoint(150, 158) << QColor(192, 192, 255);
    QTest::newRow("title label") << QPoint(35, 3) << QColor(255, 192, 128);
    QTest::newRow("speakers label") << QPoint(26, 34) << QColor(255, 192, 128);
    QTest::newRow("ranking label") << QPoint(430, 54) << QColor(255, 192, 128);
    QTest::newRow("enter button") << QPoint(30, 150) << QColor(128, 255, 128);
    QTest::newRow("take-out button") << QPoint(198, 150) << QColor(255, 128, 255);
    QTest::newRow("delete button") << QPoint(358, 165) << QColor(255, 0, 0);
    QTest::newRow("ranking list") << QPoint(300, 120)
                                  << QApplication::palette().color(QPalette::Base);
}

void RankingFormTest::coloursOnScreen()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    const QImage image = m_form->grab().toImage();
    QCOMPARE(image.size(), QSize(461, 345));
    QCOMPARE(image.pixelColor(point).name(), colour.name());
}

void RankingFormTest::darkThemeKeepsFixedColoursReadable()
{
    const QPalette platform = QApplication::palette();
    // The palette Qt derives from a dark window colour: white text on black.
    const QPalette dark(QColor(53, 53, 53), QColor(40, 40, 40));
    QApplication::setPalette(dark);
    RankingForm form;
    form.show();
    const bool exposed = QTest::qWaitForWindowExposed(&form);
    const QImage image = form.grab().toImage();
    QApplication::setPalette(platform);
    QVERIFY(exposed);

    // Text on the fixed colours is black: the darkest pixel inside the border.
    const auto darkest = [&image, &form](const char *name) {
        const QRect area = form.findChild<QWidget *>(QLatin1String(name))->geometry();
        int lightness = 255;
        for (int y = area.top() + 3; y < area.bottom() - 3; ++y) {
            for (int x = area.left() + 3; x < area.right() - 3; ++x)
                lightness = std::min(lightness, image.pixelColor(x, y).lightness());
        }
        return lightness;
    };
    for (const char *name :
         {"titleLabel", "speakersLabel", "enterButton", "takeOutButton", "deleteButton"})
        QVERIFY2(darkest(name) < 40, name);
    // The lists keep the dark theme whole: its background and its light text.
    QCOMPARE(image.pixelColor(300, 120).name(), dark.color(QPalette::Base).name());
    const QRect speakers = form.findChild<QWidget *>(QStringLiteral("speakersList"))->geometry();
    QCOMPARE(image.pixelColor(speakers.center()).name(), dark.color(QPalette::Base).name());
    const QPalette &listPalette =
        form.findChild<QWidget *>(QStringLiteral("rankingList"))->palette();
    QCOMPARE(listPalette.color(QPalette::WindowText), dark.color(QPalette::WindowText));
}

void RankingFormTest::startState()
{
    const auto &board = m_form->board();
    QCOMPARE(board.SpeakersList().ListIndex(), 0);
    QCOMPARE(board.LanguagesList().ListIndex(), 0);
    QCOMPARE(board.RankingList().ListCount(), 0);
    QCOMPARE(MirrorFault(*m_form), QString());
    // The first items are selected, but no list has the focus, so none has a
    // keyboard cursor that a screen reader would report as focused.
    for (const char *name : {"speakersList", "languagesList", "rankingList"})
        QVERIFY2(!view(name)->currentIndex().isValid(), name);
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("statement"));
}

void RankingFormTest::tabOrderFollowsTheForm()
{
    const char *const order[] = {"speakersList",  "languagesList", "rankingList", "enterButton",
                                 "takeOutButton", "deleteButton",  "statement"};
    for (const char *name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("deleteButton"));
    for (const char *name : {"titleLabel", "speakersLabel", "languagesLabel", "rankingLabel"})
        QCOMPARE(control<QWidget>(name)->focusPolicy(), Qt::NoFocus);

    // Focus alone selects nothing: the ranking has no selection after tabbing through it.
    QCOMPARE(m_form->board().RankingList().ListIndex(), -1);
}

void RankingFormTest::focusIsVisiblyMarked()
{
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    for (const char *name : {"statement", "speakersList", "languagesList", "rankingList"}) {
        auto *widget = control<QWidget>(name);
        const QPoint leftEdge = widget->geometry().topLeft() + QPoint(1, widget->height() / 2);
        widget->setFocus();
        QCOMPARE(m_form->grab().toImage().pixelColor(leftEdge).name(), highlight.name());
        control<QWidget>("enterButton")->setFocus();
        QVERIFY2(m_form->grab().toImage().pixelColor(leftEdge) != highlight, name);
    }
}

void RankingFormTest::mouseBuildsAndEmptiesTheRanking()
{
    const struct
    {
        const char *count;
        const char *language;
    } entries[] = {{"300", "немски"}, {"900", "руски"}, {"500", "арабски"}};
    for (const auto &entry : entries) {
        selectItem("speakersList", u8(entry.count));
        selectItem("languagesList", u8(entry.language));
        press("enterButton");
        QCOMPARE(MirrorFault(*m_form), QString());
    }
    QCOMPARE(ranking(), QStringList({u8("900 руски"), u8("500 арабски"), u8("300 немски")}));

    selectItem("rankingList", u8("500 арабски"));
    QCOMPARE(m_form->board().RankingList().ListIndex(), 1);
    press("takeOutButton");
    QCOMPARE(ranking(), QStringList({u8("900 руски"), u8("300 немски")}));
    QCOMPARE(m_form->board().RankingList().ListIndex(), -1);
    QCOMPARE(m_form->board().SpeakersList().ListCount(), 7);
    QCOMPARE(MirrorFault(*m_form), QString());

    press("takeOutButton");
    QCOMPARE(ranking().size(), 2);

    press("deleteButton");
    QVERIFY(ranking().isEmpty());
    QCOMPARE(m_form->board().SpeakersList().ListCount(), 9);
    QCOMPARE(m_form->board().LanguagesList().ListCount(), 8);
    QCOMPARE(MirrorFault(*m_form), QString());
    QVERIFY(!view("speakersList")->currentIndex().isValid());
}

void RankingFormTest::enterTwiceAddsOneEntry()
{
    press("enterButton");
    press("enterButton");
    QCOMPARE(ranking(), QStringList({u8("100 английски")}));
    QCOMPARE(m_form->board().SpeakersList().ListIndex(), -1);
    QCOMPARE(m_form->board().LanguagesList().ListIndex(), -1);
    QCOMPARE(MirrorFault(*m_form), QString());
}

void RankingFormTest::listsScrollOnlyToShowTheSelection()
{
    const auto topRow = [this](const char *list) {
        QCoreApplication::processEvents(); // lays the rows out again

        return view(list)->indexAt(QPoint(0, 0)).data().toString();
    };
    const auto selectionFullyShown = [this](const char *list) {
        const ItemListView *listView = view(list);
        const QModelIndex selected = listView->model()->index(listView->selectedRow(), 0);
        return listView->viewport()->rect().contains(listView->visualRect(selected));
    };
    // Items returned above selections in the bottom row scroll each list one
    // row, just far enough to keep the selection whole in view.
    press("enterButton");
    selectItem("speakersList", u8("500"));
    selectItem("languagesList", u8("китайски"));
    QCOMPARE(topRow("speakersList"), u8("200"));
    selectItem("rankingList", u8("100 английски"));
    press("takeOutButton");
    for (const char *list : {"speakersList", "languagesList"})
        QVERIFY2(selectionFullyShown(list), list);
    QCOMPARE(topRow("speakersList"), u8("200"));
    QCOMPARE(topRow("languagesList"), u8("арабски"));

    // Entering the selected items leaves the rows above them in place.
    press("enterButton");
    QCOMPARE(ranking(), QStringList{u8("500 китайски")});
    QCOMPARE(topRow("speakersList"), u8("200"));
    QCOMPARE(topRow("languagesList"), u8("арабски"));

    // Whole rows fill every list: no strip of a hidden row to click.
    for (const char *list : {"speakersList", "languagesList", "rankingList"}) {
        const int rowHeight = view(list)->sizeHintForRow(0);
        QVERIFY(rowHeight >= QFontMetrics(m_form->font()).height());
        QCOMPARE(view(list)->viewport()->height() % rowHeight, 0);
    }
}

void RankingFormTest::keyboardSelectsAndPresses()
{
    QWidget *speakers = view("speakersList");
    speakers->setFocus();
    QTest::keyClick(speakers, Qt::Key_Down);
    QTest::keyClick(speakers, Qt::Key_Down);
    QCOMPARE(m_form->board().SpeakersList().ListIndex(), 2);

    QWidget *languages = view("languagesList");
    languages->setFocus();
    QTest::keyClick(languages, Qt::Key_End);
    QCOMPARE(m_form->board().LanguagesList().ListIndex(), 7);

    auto *enter = control<QWidget>("enterButton");
    enter->setFocus();
    QTest::keyClick(enter, Qt::Key_Return);
    QCOMPARE(ranking(), QStringList({u8("300 френски")}));

    QWidget *rankingView = view("rankingList");
    rankingView->setFocus();
    QTest::keyClick(rankingView, Qt::Key_Space);
    QCOMPARE(m_form->board().RankingList().ListIndex(), 0);
    auto *takeOut = control<QWidget>("takeOutButton");
    takeOut->setFocus();
    QTest::keyClick(takeOut, Qt::Key_Space);
    QVERIFY(ranking().isEmpty());
    QCOMPARE(MirrorFault(*m_form), QString());
}

void RankingFormTest::commandGroupIgnoresUnknownIndex()
{
    m_form->commandClicked(3);
    m_form->commandClicked(-1);
    QVERIFY(ranking().isEmpty());
    QCOMPARE(m_form->board().SpeakersList().ListIndex(), 0);
    m_form->commandClicked(form::Enter);
    QCOMPARE(ranking().size(), 1);
}

void RankingFormTest::sortBufferIsNeverShown()
{
    QCOMPARE(m_form->findChildren<QAbstractItemView *>().size(), 3);
    press("enterButton");
    selectItem("speakersList", u8("900"));
    selectItem("languagesList", u8("руски"));
    press("enterButton");
    QCOMPARE(m_form->board().SortBuffer().ListCount(), 0);
    for (const auto *listView : m_form->findChildren<QAbstractItemView *>()) {
        for (int row = 0; row < listView->model()->rowCount(); ++row)
            QVERIFY(listView->model()->index(row, 0).data().toString().size() > 0);
    }
}

void RankingFormTest::statementCannotBeEdited()
{
    auto *statement = control<QPlainTextEdit>("statement");
    const QString before = statement->toPlainText();
    QVERIFY(statement->isReadOnly());
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    statement->setFocus();
    QTest::keyClicks(statement, QStringLiteral("abc"));
    QTest::keyClick(statement, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(statement, Qt::Key_Delete);
    QTest::keyClick(statement, Qt::Key_Backspace);
    QTest::keyClick(statement, Qt::Key_Return);
    QTest::keyClick(statement, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(statement, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(statement->toPlainText(), before);

    // Its context menu offers copying and selecting, in Bulgarian like the window.
    const std::unique_ptr<QMenu> menu(statement->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    QVERIFY(!texts.isEmpty());
    const QRegularExpression bulgarian(QStringLiteral("^[&\\x{0400}-\\x{04FF} ]+(\\t|$)"));
    for (const QString &text : texts)
        QVERIFY2(bulgarian.match(text).hasMatch(), qPrintable(texts.join(QLatin1Char('|'))));
}

void RankingFormTest::closingEndsTheEventLoop()
{
    QTimer::singleShot(0, m_form.get(), &QWidget::close);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!m_form->isVisible());
}

QTEST_MAIN(RankingFormTest)
#include "ranking_form_test.moc"
