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
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cstdlib>
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
    void whatAPressChangedComesIntoView();
    void currentItemIsVisiblyMarked_data();
    void currentItemIsVisiblyMarked();
    void keyboardSelectsAndPresses();
    void commandGroupIgnoresUnknownIndex();
    void statementCannotBeEdited();

private:
    template <typename T> T *control(const char *name) const;
    [[nodiscard]] ItemListView *view(const char *name) const { return control<ItemListView>(name); }
    void selectItem(const char *list, const QString &text) const;
    void press(const char *button) const;
    [[nodiscard]] QString topRow(const char *list) const;
    [[nodiscard]] bool fullyShown(const char *list, const QString &item) const;
    [[nodiscard]] QStringList ranking() const;

    std::unique_ptr<RankingForm> m_form;
};

namespace {

// Both pixels of a two-pixel line around @p area, on each of its sides.
QList<QPoint> linePoints(const QRect &area)
{
    QList<QPoint> points;
    for (int inset : {0, 1}) {
        points << QPoint(area.left() + inset, area.center().y())
               << QPoint(area.right() - inset, area.center().y())
               << QPoint(area.center().x(), area.top() + inset)
               << QPoint(area.center().x(), area.bottom() - inset);
    }
    return points;
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

QString RankingFormTest::topRow(const char *list) const
{
    QCoreApplication::processEvents(); // lays the rows out again
    return view(list)->indexAt(QPoint(0, 0)).data().toString();
}

bool RankingFormTest::fullyShown(const char *list, const QString &item) const
{
    const ItemListView *listView = view(list);
    const QModelIndexList found = listView->model()->match(
        listView->model()->index(0, 0), Qt::DisplayRole, item, 1, Qt::MatchExactly);
    return !found.isEmpty() &&
           listView->viewport()->rect().contains(listView->visualRect(found.first()));
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
    const QSize client(form::clientSize.width, form::clientSize.height);
    QCOMPARE(m_form->size(), client);
    QCOMPARE(m_form->minimumSize(), client);
    QCOMPARE(m_form->maximumSize(), client);
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
    for (const form::Control &def : form::Controls())
        QTest::newRow(def.name) << QString::fromLatin1(def.name) << rectOf(def);
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
    for (const form::Control &def : form::Controls()) {
        if (def.kind == form::ControlKind::Label) {
            QCOMPARE(control<QLabel>(def.name)->text(), u8(def.text));
            QCOMPARE(control<QLabel>(def.name)->alignment(), Qt::AlignCenter);
        } else if (def.kind == form::ControlKind::Command) {
            QCOMPARE(control<QPushButton>(def.name)->text(), u8(def.text));
        }
    }

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
        QCOMPARE(font.family(), u8(form::font.family));
        QCOMPARE(font.pointSize(), form::font.pointSize);
        QCOMPARE(font.weight(), QFont::Weight(form::font.weight));
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
    for (const ColourSample &sample : fixedColourSamples())
        QTest::newRow(qPrintable(sample.name)) << sample.point << sample.colour;
    const QRect ranking = rectOf(form::ListControl(ListRole::Ranking));
    QTest::newRow("empty ranking list")
        << ranking.center() << QApplication::palette().color(QPalette::Base);
}

void RankingFormTest::coloursOnScreen()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    const QImage image = m_form->grab().toImage();
    QCOMPARE(image.size(), QSize(form::clientSize.width, form::clientSize.height));
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

    // Text on the fixed colours keeps the form's colour: the darkest pixel
    // inside the border, up to the text's antialiasing.
    const auto darkest = [&image](const form::Control &def) {
        const QRect area = rectOf(def);
        int lightness = 255;
        for (int y = area.top() + 3; y < area.bottom() - 3; ++y) {
            for (int x = area.left() + 3; x < area.right() - 3; ++x)
                lightness = std::min(lightness, image.pixelColor(x, y).lightness());
        }
        return lightness;
    };
    const int textLightness = colourOf(form::textOnFixedColour).lightness();
    for (const form::Control &def : form::Controls()) {
        if (def.background)
            QVERIFY2(std::abs(darkest(def) - textLightness) < 40, def.name);
    }
    // The lists keep the dark theme whole: its background and its light text.
    for (const ListRole role : {ListRole::Speakers, ListRole::Ranking}) {
        const QPoint inside = rectOf(form::ListControl(role)).center();
        QCOMPARE(image.pixelColor(inside).name(), dark.color(QPalette::Base).name());
    }
    const QPalette &listPalette =
        form.findChild<QWidget *>(QLatin1String(form::ListControl(ListRole::Ranking).name))
            ->palette();
    QCOMPARE(listPalette.color(QPalette::WindowText), dark.color(QPalette::WindowText));
}

void RankingFormTest::startState()
{
    const auto &board = m_form->board();
    QCOMPARE(board.SpeakersList().ListIndex(), 0);
    QCOMPARE(board.LanguagesList().ListIndex(), 0);
    QCOMPARE(board.RankingList().ListCount(), 0);
    QCOMPARE(mirrorFault(*m_form), QString());
    // The first items are selected, but no list has the focus, so none has a
    // keyboard cursor that a screen reader would report as focused.
    for (const char *name : {"speakersList", "languagesList", "rankingList"})
        QVERIFY2(!view(name)->currentIndex().isValid(), name);
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("statement"));
}

void RankingFormTest::tabOrderFollowsTheForm()
{
    // The window starts with the focus on the statement; Tab goes round.
    const QStringList order{QStringLiteral("statement"),     QStringLiteral("speakersList"),
                            QStringLiteral("languagesList"), QStringLiteral("rankingList"),
                            QStringLiteral("enterButton"),   QStringLiteral("takeOutButton"),
                            QStringLiteral("deleteButton")};
    QCOMPARE(QApplication::focusWidget()->objectName(), order.front());
    for (qsizetype step = 1; step <= order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[step % order.size()]);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), order.back());
    for (const form::Control &def : form::Controls()) {
        if (def.tabPosition == 0)
            QCOMPARE(control<QWidget>(def.name)->focusPolicy(), Qt::NoFocus);
    }

    // Focus alone selects nothing: the ranking has no selection after tabbing through it.
    QCOMPARE(m_form->board().RankingList().ListIndex(), -1);
}

// The focused list or statement: a mark on both pixels of its frame, on every
// side, that stands out 3:1 from the frame without focus, from the window and
// from a selected row.
void RankingFormTest::focusIsVisiblyMarked()
{
    const QColor window = colourOf(form::windowBackground);
    const QColor selectedRow = QApplication::palette().color(QPalette::Highlight);
    for (const form::Control &def : form::Controls()) {
        if (def.kind != form::ControlKind::List && def.kind != form::ControlKind::Statement)
            continue;
        const QList<QPoint> frame = linePoints(rectOf(def));
        control<QWidget>("enterButton")->setFocus();
        const QImage unfocused = m_form->grab().toImage();
        control<QWidget>(def.name)->setFocus();
        const QImage focused = m_form->grab().toImage();
        for (const QPoint &point : frame) {
            const QColor mark = focused.pixelColor(point);
            const QByteArray where = QByteArray(def.name) + " at " + QByteArray::number(point.x()) +
                                     "," + QByteArray::number(point.y());
            QVERIFY2(contrastRatio(mark, unfocused.pixelColor(point)) >= 3, where);
            QVERIFY2(contrastRatio(mark, window) >= 3, where);
            QVERIFY2(contrastRatio(mark, selectedRow) >= 3, where);
        }
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
        QCOMPARE(mirrorFault(*m_form), QString());
    }
    QCOMPARE(ranking(), QStringList({u8("900 руски"), u8("500 арабски"), u8("300 немски")}));

    selectItem("rankingList", u8("500 арабски"));
    QCOMPARE(m_form->board().RankingList().ListIndex(), 1);
    press("takeOutButton");
    QCOMPARE(ranking(), QStringList({u8("900 руски"), u8("300 немски")}));
    QCOMPARE(m_form->board().RankingList().ListIndex(), -1);
    QCOMPARE(m_form->board().SpeakersList().ListCount(), 7);
    QCOMPARE(mirrorFault(*m_form), QString());

    press("takeOutButton");
    QCOMPARE(ranking().size(), 2);

    // Изтрий brings back the start: the first items selected and in view,
    // however far the user scrolled the lists.
    selectItem("speakersList", u8("100"));
    for (const char *list : {"speakersList", "languagesList"}) {
        QScrollBar *bar = view(list)->verticalScrollBar();
        bar->setValue(bar->maximum());
        QVERIFY(topRow(list) != view(list)->model()->index(0, 0).data().toString());
    }
    press("deleteButton");
    QCOMPARE(topRow("speakersList"), u8("100"));
    QCOMPARE(topRow("languagesList"), u8("английски"));
    QVERIFY(ranking().isEmpty());
    QCOMPARE(m_form->board().SpeakersList().ListCount(), 9);
    QCOMPARE(m_form->board().LanguagesList().ListCount(), 8);
    QCOMPARE(mirrorFault(*m_form), QString());
    QVERIFY(!view("speakersList")->currentIndex().isValid());
}

void RankingFormTest::enterTwiceAddsOneEntry()
{
    press("enterButton");
    press("enterButton");
    QCOMPARE(ranking(), QStringList({u8("100 английски")}));
    QCOMPARE(m_form->board().SpeakersList().ListIndex(), -1);
    QCOMPARE(m_form->board().LanguagesList().ListIndex(), -1);
    QCOMPARE(mirrorFault(*m_form), QString());
}

void RankingFormTest::listsScrollOnlyToShowTheSelection()
{
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

void RankingFormTest::whatAPressChangedComesIntoView()
{
    // Изведи returns 100 and английски above the rows in view of lists
    // without a selection: both come into view.
    press("enterButton");
    for (const char *list : {"speakersList", "languagesList"}) {
        QScrollBar *bar = view(list)->verticalScrollBar();
        bar->setValue(bar->maximum());
    }
    QCOMPARE(topRow("speakersList"), u8("600"));
    QCOMPARE(topRow("languagesList"), u8("китайски"));
    selectItem("rankingList", u8("100 английски"));
    press("takeOutButton");
    QCOMPARE(topRow("speakersList"), u8("100"));
    QCOMPARE(topRow("languagesList"), u8("английски"));
    QVERIFY(fullyShown("speakersList", u8("100")));
    QVERIFY(fullyShown("languagesList", u8("английски")));

    // Eight entries, each fully in view once entered, with as little
    // scrolling as that takes (four rows are in view).
    const struct
    {
        const char *count;
        const char *language;
        const char *topRow;
    } entries[] = {
        {"500", "китайски", "500 китайски"}, {"400", "английски", "500 китайски"},
        {"300", "немски", "500 китайски"},   {"200", "арабски", "500 китайски"},
        {"900", "френски", "900 френски"},   {"100", "руски", "400 английски"},
        {"800", "испански", "800 испански"}, {"600", "италиански", "800 испански"},
    };
    for (const auto &entry : entries) {
        const QString entered = u8(entry.count) + QLatin1Char(' ') + u8(entry.language);
        selectItem("speakersList", u8(entry.count));
        selectItem("languagesList", u8(entry.language));
        press("enterButton");
        QVERIFY2(fullyShown("rankingList", entered), qPrintable(entered));
        QCOMPARE(topRow("rankingList"), u8(entry.topRow));
    }
    QCOMPARE(ranking().size(), 8);
}

// The current item of the focused list: a mark on both pixels of each side of
// its row that stands out 3:1 from the list's background and from the row as
// it looks without the focus, selected or not, in a light and a dark theme.
void RankingFormTest::currentItemIsVisiblyMarked_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("selected");
    QTest::newRow("light, selected") << false << true;
    QTest::newRow("light, not selected") << false << false;
    QTest::newRow("dark, selected") << true << true;
    QTest::newRow("dark, not selected") << true << false;
}

void RankingFormTest::currentItemIsVisiblyMarked()
{
    QFETCH(bool, dark);
    QFETCH(bool, selected);
    const QPalette platform = QApplication::palette();
    if (dark)
        QApplication::setPalette(QPalette(QColor(53, 53, 53), QColor(40, 40, 40)));
    RankingForm form;
    form.show();
    const bool exposed = QTest::qWaitForWindowExposed(&form);
    // Въведи leaves Говорещи without a selection; its cursor then starts on 200.
    if (!selected)
        form.commandClicked(form::Enter);
    auto *speakers = form.findChild<ItemListView *>(QStringLiteral("speakersList"));
    form.findChild<QWidget *>(QStringLiteral("enterButton"))->setFocus();
    const QImage unfocused = form.grab().toImage();
    speakers->setFocus();
    const QImage focused = form.grab().toImage();
    const QColor background = speakers->palette().color(QPalette::Base);
    const QModelIndex current = speakers->currentIndex();
    const QRect row(speakers->viewport()->mapTo(&form, speakers->visualRect(current).topLeft()),
                    speakers->visualRect(current).size());
    QApplication::setPalette(platform);
    QVERIFY(exposed);
    QCOMPARE(current.data().toString(), selected ? u8("100") : u8("200"));
    QCOMPARE(speakers->selectedRow() == current.row(), selected);

    for (const QPoint &point : linePoints(row)) {
        const QColor colour = focused.pixelColor(point);
        const QString where =
            QStringLiteral("%1,%2: %3 over %4, without focus %5")
                .arg(point.x())
                .arg(point.y())
                .arg(colour.name(), background.name(), unfocused.pixelColor(point).name());
        QVERIFY2(contrastRatio(colour, background) >= 3, qPrintable(where));
        QVERIFY2(contrastRatio(colour, unfocused.pixelColor(point)) >= 3, qPrintable(where));
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
    QCOMPARE(mirrorFault(*m_form), QString());
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

QTEST_MAIN(RankingFormTest)
#include "ranking_form_test.moc"
