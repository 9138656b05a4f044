// SPDX-License-Identifier: MIT
#include "form_check.h"

#include "item_list_view.h"
#include "ranking_form.h"

#include <form/form_description.h>

#include <algorithm>
#include <cmath>

QString mirrorFault(const RankingForm &form)
{
    for (const form::Control &def : form::Controls()) {
        if (def.kind != form::ControlKind::List)
            continue;
        const QString name = QLatin1String(def.name);
        const ranking::ItemList &list = form.board().ListOf(*def.listRole);
        const auto *view = form.findChild<const ItemListView *>(name);
        if (!view)
            return QStringLiteral("no view named %1").arg(name);
        const QAbstractItemModel *model = view->model();
        if (model->rowCount() != list.ListCount())
            return QStringLiteral("%1 shows %2 rows for %3 items")
                .arg(name)
                .arg(model->rowCount())
                .arg(list.ListCount());
        for (int row = 0; row < list.ListCount(); ++row) {
            if (model->index(row, 0).data().toString() != QString::fromStdString(list.List(row)))
                return QStringLiteral("%1 row %2 differs").arg(name).arg(row);
        }
        if (view->selectedRow() != list.ListIndex())
            return QStringLiteral("%1 shows row %2 selected, the list has %3")
                .arg(name)
                .arg(view->selectedRow())
                .arg(list.ListIndex());
    }
    return {};
}

namespace {

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QList<ColourSample> fixedColourSamples()
{
    using form::ControlKind;
    const QRect title = rectOf(form::ControlAt(ControlKind::Label, 0));
    const QRect enter = rectOf(form::ControlAt(ControlKind::Command, 0));
    const QRect takeOut = rectOf(form::ControlAt(ControlKind::Command, 1));
    const QColor window = colourOf(form::windowBackground);
    QList<ColourSample> samples{
        {QStringLiteral("window left of the title"), QPoint(title.left() / 2, title.top() + 4),
         window},
        {QStringLiteral("window between buttons"),
         QPoint((enter.right() + takeOut.left()) / 2, enter.center().y()), window},
    };
    // Inside the border and the rounded corner of a button, above a label's text.
    for (const form::Control &def : form::Controls()) {
        if (def.background)
            samples.append({QLatin1String(def.name), rectOf(def).topLeft() + QPoint(3, 2),
                            colourOf(*def.background)});
    }
    return samples;
}
