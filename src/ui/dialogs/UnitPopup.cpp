#include "ui/dialogs/UnitPopup.h"

#include "ui/UnitNames.h"

#include <QCoreApplication>
#include <QMenu>

namespace marovane {

int ShowUnitPopup(QWidget* parent, const UnitSpecs& specs,
                  const std::vector<UnitPopupEntry>& entries, const QPoint& at) {
    QMenu menu(parent);
    menu.setObjectName("mnuUnits");
    for (size_t e = 0; e < entries.size() && e <= static_cast<size_t>(kUnitTypes); ++e) {
        if (!entries[e].Offered)
            continue;
        const QString caption = e == 0 ? QCoreApplication::translate("UnitPopup", "(Empty)")
                                       : UnitNameShown(specs.UnitName[e - 1]);
        QAction* action = menu.addAction(caption);
        action->setCheckable(true);
        action->setChecked(entries[e].Checked);
        action->setData(static_cast<int>(e));
        if (e == 0)
            menu.addSeparator();
    }
    const QAction* chosen = menu.exec(at);
    return chosen ? chosen->data().toInt() : -1;
}

} // namespace marovane
