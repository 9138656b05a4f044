// SPDX-License-Identifier: MIT
#include "form_check.h"

#include "item_list_view.h"
#include "ranking_form.h"

namespace {

const char *const listNames[] = {"speakersList", "languagesList", "rankingList"};

} // namespace

QString MirrorFault(const RankingForm &form)
{
    for (int i = 0; i < 3; ++i) {
        const QString name = QLatin1String(listNames[i]);
        const ranking::ItemList &list = form.board().list(static_cast<ranking::ListRole>(i));
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
