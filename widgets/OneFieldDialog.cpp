#include "widgets/OneFieldDialog.h"

#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

QPushButton* LayOutOneFieldDialog(QDialog* dialog, QWidget* field, QWidget* label,
                                  StatusLine* statusLine) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addStretch();
    fieldRow->addWidget(field);
    fieldRow->addWidget(label);
    fieldRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(fieldRow);
    layout->addSpacing(Scaled(dialog, 8));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    TrackFocusHints(dialog, statusLine);
    field->setFocus();
    dialog->adjustSize();
    CentreOnScreen(dialog, 0.35);
    return ok;
}
