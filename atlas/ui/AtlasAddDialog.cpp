#include "atlas/ui/AtlasAddDialog.h"

#include "atlas/AtlasEdit.h"
#include "widgets/EntryFields.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The help page F1 opens here.
constexpr int kAtlasAddHelpContext = 65;

} // namespace

AtlasAddDialog::AtlasAddDialog(Atlas& atlas, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_atlas(atlas), m_statusLine(statusLine) {
    setObjectName(QStringLiteral("TAtlasAddForm"));
    setWindowTitle(QStringLiteral("Add Atlas Entry"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kAtlasAddHelpContext);
    ScaleWindow(this);

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(group);
    m_fields = MakeAtlasEntryFields(group, grid, QString(), QStringLiteral("Prefix"), false);
    m_fields.prefix->setStatusTip(QStringLiteral("Enter the prefix for this new atlas entry"));
    m_fields.prefix->setAllowExitHandler(true);
    connect(m_fields.prefix, &ValidatedEdit::exitRequested, this, &AtlasAddDialog::PfxEditExit);

    m_addBtn = new QPushButton(QStringLiteral("&Add Entry"), this);
    m_addBtn->setObjectName(QStringLiteral("AddEntryBtn"));
    m_addBtn->setStatusTip(QStringLiteral("Add this entry to the atlas"));
    m_addBtn->setDefault(true);
    m_cancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    m_cancelBtn->setStatusTip(QStringLiteral("Cancel this atlas entry"));
    m_cancelBtn->setAutoDefault(false);
    ValidatedEdit::MarkAsCancelButton(m_cancelBtn);
    connect(m_addBtn, &QPushButton::clicked, this, &AtlasAddDialog::AddEntryBtnClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_addBtn);
    buttons->addWidget(m_cancelBtn);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    TrackFocusHints(this, statusLine);
    m_fields.prefix->setFocus();
    adjustSize();
    CentreOnScreen(this, 0.3);
}

bool AtlasAddDialog::checkPrefix() {
    const CheckResult check = CheckNewPrefix(m_atlas, m_fields.prefix->text().toStdString());
    if (check)
        return true;
    ShowUserMessage(this, check.message);
    m_fields.prefix->refocus();
    return false;
}

void AtlasAddDialog::PfxEditExit(QWidget* target) {
    if (ValidatedEdit::IsCancelTarget(target))
        return;
    checkPrefix();
}

void AtlasAddDialog::AddEntryBtnClick() {
    if (!checkPrefix() || !CheckAtlasEntryFields(m_fields))
        return;
    const AtlasEntry entry = AtlasEntryOf(m_fields);
    const UserMessage warning = LocatorPrefixWarning(entry.Prefix());
    if (!warning.IsEmpty() && ShowUserMessage(this, warning) != MessageAnswer::Ok) {
        m_fields.prefix->refocus();
        return;
    }
    // An atlas file that could not be read must not be replaced by this one entry.
    if (const UserMessage blocker = AtlasAddBlocker(m_atlas); !blocker.IsEmpty()) {
        ShowUserMessage(this, blocker);
        reject();
        return;
    }
    const AtlasEditResult result = AddEntry(m_atlas, entry);
    ShowUserMessage(this, result.message);
    if (result)
        accept();
    else
        reject();
}
