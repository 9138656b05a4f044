#include "ranking_form.h"

#include "command_button.h"
#include "exercise_texts.h"
#include "item_list_view.h"
#include "statement_box.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QImageReader>
#include <QLabel>

namespace {

constexpr QSize clientSize(461, 345);
const QColor windowColour(192, 192, 255);
const QColor labelColour(255, 192, 128);

struct LabelDef
{
    const char *objectName;
    const char *text;
    QRect geometry;
};

constexpr LabelDef labelDefs[] = {
    {"titleLabel", ExerciseTexts::title, QRect(32, 0, 409, 25)},
    {"speakersLabel", ExerciseTexts::speakersLabel, QRect(24, 32, 73, 25)},
    {"languagesLabel", ExerciseTexts::languagesLabel, QRect(120, 32, 121, 25)},
    {"rankingLabel", ExerciseTexts::rankingLabel, QRect(264, 32, 169, 25)},
};

// In the order of the board's list roles; the sort buffer comes last and has no view.
struct ListDef
{
    const char *objectName;
    QRect geometry;
};

constexpr ListDef listDefs[] = {
    {"speakersList", QRect(24, 56, 73, 80)},
    {"languagesList", QRect(120, 56, 121, 80)},
    {"rankingList", QRect(264, 56, 169, 80)},
};

struct CommandDef
{
    const char *objectName;
    const char *text;
    QRgb colour;
    QRect geometry;
};

constexpr CommandDef commandDefs[] = {
    {"enterButton", ExerciseTexts::enterButton, qRgb(128, 255, 128), QRect(24, 144, 81, 27)},
    {"takeOutButton", ExerciseTexts::takeOutButton, qRgb(255, 128, 255), QRect(192, 144, 81, 27)},
    {"deleteButton", ExerciseTexts::deleteButton, qRgb(255, 0, 0), QRect(352, 144, 81, 27)},
};

constexpr QRect statementGeometry(8, 176, 441, 161);

// Lists and the statement box keep the application's own colours (a child
// would inherit the window's background, scroll bars included), and get a
// sunken frame two pixels wide: wide enough for the focus line drawn over it.
void setUpScrollBox(QAbstractScrollArea *box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, QApplication::palette(box).color(QPalette::Window));
    box->setPalette(palette);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(2);
}

// A plain top-level widget is announced as a generic container; this one is
// the application's window.
QAccessibleInterface *accessibleForm(const QString &className, QObject *object)
{
    if (className == QLatin1String(RankingForm::staticMetaObject.className()) &&
        object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

// The sizes a title bar or task switcher asks of a window, up to twice 32 px
// for high-density screens; larger ones come from the installed icon theme.
// The files are known to be PNG: without format detection, reading them does
// not load every image plug-in at start-up.
QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QImageReader reader(
            QStringLiteral(":/icons/%1/example.klasacia.LanguageRanking.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

QFont formFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

RankingForm::RankingForm(QWidget *parent)
    : QWidget(parent)
    , m_models{ItemListModel(m_board.SpeakersList()), ItemListModel(m_board.LanguagesList()),
               ItemListModel(m_board.RankingList())}
{
    static const bool accessibleFormInstalled = (QAccessible::installFactory(accessibleForm), true);
    Q_UNUSED(accessibleFormInstalled);
    setObjectName(QStringLiteral("rankingForm"));
    setWindowTitle(QString::fromUtf8(ExerciseTexts::windowCaption));
    setWindowIcon(applicationIcon());
    setFixedSize(clientSize);
    setFont(formFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, windowColour);
    setPalette(palette);
    setAutoFillBackground(true);

    createLabels();
    createLists();
    createButtons();
    createStatement();
    chainTabOrder();
    load();
}

void RankingForm::commandClicked(int index)
{
    switch (index) {
    case Enter:
        m_board.EnterRelation();
        break;
    case TakeOut:
        m_board.TakeOutRelation();
        break;
    case Delete:
        m_board.DeleteRanking();
        break;
    default:
        break;
    }
}

void RankingForm::createLabels()
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        const LabelDef &def = labelDefs[i];
        auto *label = new QLabel(QString::fromUtf8(def.text), this);
        label->setObjectName(QLatin1String(def.objectName));
        label->setGeometry(def.geometry);
        label->setAlignment(Qt::AlignCenter);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, labelColour);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
        m_labels[i] = label;
    }
}

void RankingForm::createLists()
{
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        const ListDef &def = listDefs[i];
        auto *list = new ItemListView(&m_models[i], this);
        list->setObjectName(QLatin1String(def.objectName));
        list->setGeometry(def.geometry);
        setUpScrollBox(list);
        // Each list is announced by the text of the label above it.
        QLabel *label = m_labels[i + 1];
        list->setAccessibleName(label->text());
        label->setBuddy(list);
        m_lists[i] = list;
    }
}

void RankingForm::createButtons()
{
    for (std::size_t i = 0; i < m_commands.size(); ++i) {
        const CommandDef &def = commandDefs[i];
        auto *button =
            new CommandButton(QString::fromUtf8(def.text), QColor::fromRgb(def.colour), this);
        button->setObjectName(QLatin1String(def.objectName));
        button->setGeometry(def.geometry);
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, index] { commandClicked(index); });
        m_commands[i] = button;
    }
}

void RankingForm::createStatement()
{
    m_statement = new StatementBox(QString::fromUtf8(ExerciseTexts::statement), this);
    m_statement->setObjectName(QStringLiteral("statement"));
    m_statement->setGeometry(statementGeometry);
    setUpScrollBox(m_statement);
    m_statement->setAccessibleName(QString::fromUtf8(ExerciseTexts::statementName));
}

void RankingForm::chainTabOrder()
{
    QWidget *previous = m_statement;
    for (QWidget *next :
         {static_cast<QWidget *>(m_lists[0]), static_cast<QWidget *>(m_lists[1]),
          static_cast<QWidget *>(m_lists[2]), static_cast<QWidget *>(m_commands[0]),
          static_cast<QWidget *>(m_commands[1]), static_cast<QWidget *>(m_commands[2])}) {
        setTabOrder(previous, next);
        previous = next;
    }
    m_statement->setFocus();
}

void RankingForm::load()
{
    m_board.DeleteRanking();
}
