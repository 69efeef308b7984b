#include "widgets/EngineBox.h"

#include <QComboBox>

QComboBox* MakeEngineBox(QWidget* parent, const QString& hint, bool p533Runs,
                         const QString& whyNot) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("EngineComboBox"));
    box->addItems({QStringLiteral("Classic"), QStringLiteral("P.533")});
    box->setStatusTip(hint);
    if (!p533Runs) {
        box->setItemData(1, false, Qt::UserRole - 1); // the item is off
        box->setItemData(1, whyNot, Qt::ToolTipRole);
    }
    return box;
}
