// SPDX-License-Identifier: MIT
#include "ranking_form.h"

#include "announcement.h"
#include "app_identity.h"
#include "command_button.h"
#include "form_values.h"
#include "item_list_view.h"
#include "png_icon_engine.h"
#include "statement_box.h"

#include <form/command_dispatch.h>
#include <form/form_description.h>
#include <form/texts.h>

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>

#include <algorithm>
#include <map>

namespace {

// A fixed background colour comes with a fixed text colour: the platform's
// text colour might be a dark theme's light grey.
void setFixedColours(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, colourOf(form::textOnFixedColour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Lists and the statement box keep the platform's colours whole (a child would
// inherit the window's fixed ones, scroll bars included), and get a sunken
// frame two pixels wide: wide enough for the focus line drawn over it.
void setUpScrollBox(QAbstractScrollArea *box)
{
    const QPalette platform = QApplication::palette(box);
    QPalette palette = box->palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText}) {
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            const auto colourGroup = static_cast<QPalette::ColorGroup>(group);
            palette.setBrush(colourGroup, role, platform.brush(colourGroup, role));
        }
    }
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
QIcon applicationIcon()
{
    std::map<int, QString> files;
    for (int size : {16, 32, 48, 64})
        files[size] =
            QStringLiteral(":/icons/%1/%2.png").arg(size).arg(QLatin1String(app_identity::id));
    return QIcon(new PngIconEngine(std::move(files)));
}

QFont formFont()
{
    QFont font(QString::fromUtf8(form::font.family));
    font.setPointSize(form::font.pointSize);
    font.setWeight(QFont::Weight(form::font.weight));
    return font;
}

} // namespace

RankingForm::RankingForm(QWidget *parent)
    : QWidget(parent)
    , m_models{ItemListModel(m_board.SpeakersList()), ItemListModel(m_board.LanguagesList()),
               ItemListModel(m_board.RankingList())}
    , m_announcement(new Announcement(this))
{
    static const bool accessibleFormInstalled = (QAccessible::installFactory(accessibleForm), true);
    Q_UNUSED(accessibleFormInstalled);
    setObjectName(QStringLiteral("rankingForm"));
    setWindowTitle(QString::fromUtf8(form::Caption()));
    setWindowIcon(applicationIcon());
    setFixedSize(form::clientSize.width, form::clientSize.height);
    setFont(formFont());
    setFixedColours(this, colourOf(form::windowBackground));

    createLabels();
    createLists();
    createButtons();
    createStatement();
    chainTabOrder();
    load();
}

void RankingForm::commandClicked(int index)
{
    const form::PressOutcome outcome = form::Press(m_board, index);
    for (const form::ListInView &view : outcome.inView)
        listView(view.role)->bringIntoView(view);
    if (!outcome.sentence.empty())
        m_announcement->announce(QString::fromStdString(outcome.sentence));
}

ItemListView *RankingForm::listView(ranking::ListRole role) const
{
    return findChild<ItemListView *>(QLatin1String(form::ListControl(role).name));
}

ItemListModel &RankingForm::modelOf(ranking::ListRole role)
{
    const ranking::ItemList &list = m_board.ListOf(role);
    return *std::ranges::find_if(
        m_models, [&list](const ItemListModel &model) { return &model.list() == &list; });
}

void RankingForm::createLabels()
{
    for (const form::Control &def : form::Controls()) {
        if (def.kind != form::ControlKind::Label)
            continue;
        auto *label = new QLabel(QString::fromUtf8(def.text), this);
        label->setObjectName(QLatin1String(def.name));
        label->setGeometry(rectOf(def));
        label->setAlignment(Qt::AlignCenter);
        setFixedColours(label, colourOf(*def.background));
    }
}

void RankingForm::createLists()
{
    for (const form::Control &def : form::Controls()) {
        if (def.kind != form::ControlKind::List)
            continue;
        auto *list = new ItemListView(&modelOf(*def.listRole), this);
        list->setObjectName(QLatin1String(def.name));
        list->setGeometry(rectOf(def));
        setUpScrollBox(list);
        list->setAccessibleName(QString::fromUtf8(def.accessibleName));
        findChild<QLabel *>(QLatin1String(form::LabelOf(def)->name))->setBuddy(list);
        const QString empty = QString::fromStdString(form::EmptyListSentence(def));
        connect(list, &ItemListView::enteredEmpty, this,
                [this, empty] { m_announcement->announce(empty); });
        // A screen reader says that an item is not selected only in a list
        // that offers it its selection (AT-SPI's Selection), which Qt's lists
        // do not: the window says it.
        connect(list, &ItemListView::enteredUnselected, this,
                [this] { m_announcement->announce(QString::fromUtf8(form::texts::notSelected)); });
    }
}

void RankingForm::createButtons()
{
    for (const form::Control &def : form::Controls()) {
        if (def.kind != form::ControlKind::Command)
            continue;
        const int command = *def.command;
        auto *button = new CommandButton(QString::fromUtf8(def.text), colourOf(*def.background),
                                         colourOf(form::textOnFixedColour), this);
        button->setObjectName(QLatin1String(def.name));
        button->setGeometry(rectOf(def));
        connect(button, &QPushButton::clicked, this, [this, command] { commandClicked(command); });
    }
}

void RankingForm::createStatement()
{
    const form::Control &def = form::ControlAt(form::ControlKind::Statement, 0);
    m_statement = new StatementBox(QString::fromUtf8(def.text), this);
    m_statement->setObjectName(QLatin1String(def.name));
    m_statement->setGeometry(rectOf(def));
    setUpScrollBox(m_statement);
    m_statement->setAccessibleName(QString::fromUtf8(def.accessibleName));
}

void RankingForm::chainTabOrder()
{
    QWidget *previous = nullptr;
    for (const form::Control *control : form::TabOrder()) {
        auto *next = findChild<QWidget *>(QLatin1String(control->name));
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    m_statement->setFocus();
}

void RankingForm::load()
{
    form::Load(m_board);
}
