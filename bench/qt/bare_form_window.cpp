// SPDX-License-Identifier: MIT
// The reference for the window's start-up: the same controls, at the same
// places, with the same texts, font and fixed colours, made of stock Qt
// widgets and nothing more: no model over the board, no accessibility
// additions, no platform check, no frames or focus marks of its own.

#include "first_paint_watcher.h"
#include "form_values.h"

#include <form/form_description.h>
#include <ranking/ranking_board.h>

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>

namespace {

void setColour(QWidget *widget, QPalette::ColorRole role, form::Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colourOf(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QStringList itemsOf(const form::Control &control)
{
    QStringList items;
    if (control.listRole == ranking::ListRole::Speakers)
        for (const std::string &item : ranking::InitialSpeakers())
            items << QString::fromStdString(item);
    if (control.listRole == ranking::ListRole::Languages)
        for (const std::string &item : ranking::InitialLanguages())
            items << QString::fromStdString(item);
    return items;
}

QWidget *createControl(const form::Control &def, QWidget *window)
{
    switch (def.kind) {
    case form::ControlKind::Label: {
        auto *label = new QLabel(QString::fromUtf8(def.text), window);
        label->setAlignment(Qt::AlignCenter);
        setColour(label, QPalette::Window, *def.background);
        return label;
    }
    case form::ControlKind::List: {
        auto *list = new QListView(window);
        list->setModel(new QStringListModel(itemsOf(def), list));
        if (list->model()->rowCount() > 0)
            list->setCurrentIndex(list->model()->index(0, 0));
        return list;
    }
    case form::ControlKind::Command: {
        auto *button = new QPushButton(QString::fromUtf8(def.text), window);
        setColour(button, QPalette::Button, *def.background);
        return button;
    }
    case form::ControlKind::Statement: {
        auto *statement = new QPlainTextEdit(QString::fromUtf8(def.text), window);
        statement->setReadOnly(true);
        statement->setFocus();
        return statement;
    }
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(form::Caption()));
    window.setFixedSize(form::clientSize.width, form::clientSize.height);
    QFont font(QString::fromUtf8(form::font.family));
    font.setPointSize(form::font.pointSize);
    window.setFont(font);
    setColour(&window, QPalette::Window, form::windowBackground);
    for (const form::Control &def : form::Controls())
        createControl(def, &window)->setGeometry(rectOf(def));
    FirstPaintWatcher::quitAfterFirstPaintIfAsked(&window);
    window.show();
    return QApplication::exec();
}
