#include "atlas/ui/AtlasDeleteDialog.h"

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
constexpr int kAtlasDeleteHelpContext = 67;

} // namespace

AtlasDeleteDialog::AtlasDeleteDialog(Atlas& atlas, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_atlas(atlas), m_statusLine(statusLine),
      m_picker(AtlasSearchPicker(atlas, statusLine)) {
    setObjectName(QStringLiteral("TAtlasDeleteForm"));
    setWindowTitle(QStringLiteral("Delete Atlas Entry"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kAtlasDeleteHelpContext);
    ScaleWindow(this);

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(group);
    m_fields =
        MakeAtlasEntryFields(group, grid, QString(), QStringLiteral("Prefix to Delete"), true);
    m_fields.prefix->setStatusTip(QStringLiteral("Enter prefix of entry to be deleted from atlas"));
    m_fields.prefix->setAllowExitHandler(true);
    connect(m_fields.prefix, &ValidatedEdit::exitRequested, this, &AtlasDeleteDialog::PfxEditExit);
    connect(m_fields.prefix, &QLineEdit::textChanged, this, &AtlasDeleteDialog::PfxEditChange);

    m_delBtn = new QPushButton(QStringLiteral("&Delete Entry"), this);
    m_delBtn->setObjectName(QStringLiteral("DelEntryBtn"));
    m_delBtn->setStatusTip(QStringLiteral("Delete this atlas entry"));
    m_delBtn->setDefault(true);
    m_findBtn = new QPushButton(QStringLiteral("&Find in Atlas"), this);
    m_findBtn->setObjectName(QStringLiteral("FindBtn"));
    m_findBtn->setStatusTip(
        QStringLiteral("Let me search the atlas for the entry I want to delete"));
    m_findBtn->setAutoDefault(false);
    m_cancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    m_cancelBtn->setStatusTip(QStringLiteral("Cancel this deletion"));
    m_cancelBtn->setAutoDefault(false);
    ValidatedEdit::MarkAsCancelButton(m_cancelBtn);
    connect(m_delBtn, &QPushButton::clicked, this, &AtlasDeleteDialog::DelEntryBtnClick);
    connect(m_findBtn, &QPushButton::clicked, this, &AtlasDeleteDialog::FindBtnClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_delBtn);
    buttons->addWidget(m_findBtn);
    buttons->addWidget(m_cancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(m_fields.prefix, m_delBtn);
    setTabOrder(m_delBtn, m_findBtn);
    setTabOrder(m_findBtn, m_cancelBtn);

    PfxEditChange();
    TrackFocusHints(this, statusLine);
    m_fields.prefix->setFocus();
    adjustSize();
    CentreOnScreen(this, 0.3);
}

void AtlasDeleteDialog::PfxEditChange() {
    ClearAtlasEntry(m_fields, false);
    m_findBtn->setEnabled(m_fields.prefix->text().isEmpty());
}

void AtlasDeleteDialog::showFoundEntry() {
    const ExistingEntry found =
        CheckExistingPrefix(m_atlas, m_fields.prefix->text().toStdString(), AtlasEdit::Delete);
    if (found)
        ShowAtlasEntry(m_fields, found.entry, false);
}

bool AtlasDeleteDialog::checkPrefix() {
    const ExistingEntry found =
        CheckExistingPrefix(m_atlas, m_fields.prefix->text().toStdString(), AtlasEdit::Delete);
    if (found)
        return true;
    ShowUserMessage(this, found.message);
    m_fields.prefix->refocus();
    return false;
}

void AtlasDeleteDialog::PfxEditExit(QWidget* target) {
    showFoundEntry();
    if (ValidatedEdit::IsCancelTarget(target) || target == m_findBtn)
        return;
    checkPrefix();
}

void AtlasDeleteDialog::FindBtnClick() {
    const std::optional<std::string> chosen = m_picker ? m_picker(this) : std::nullopt;
    const std::optional<AtlasEntry> entry =
        chosen ? FindAtlasEntry(m_atlas, *chosen) : std::nullopt;
    if (!entry) {
        m_fields.prefix->refocus();
        return;
    }
    ShowAtlasEntry(m_fields, *entry, true);
    m_delBtn->setFocus(Qt::OtherFocusReason);
    if (m_statusLine)
        m_statusLine->SetStatusHint(m_delBtn->statusTip());
}

void AtlasDeleteDialog::DelEntryBtnClick() {
    const ExistingEntry found =
        CheckExistingPrefix(m_atlas, m_fields.prefix->text().toStdString(), AtlasEdit::Delete);
    if (!found) {
        ShowUserMessage(this, found.message);
        m_fields.prefix->refocus();
        return;
    }
    const AtlasEditResult result = DeleteEntry(m_atlas, found.entry.Prefix());
    ShowUserMessage(this, result.message);
    if (result)
        accept();
    else
        reject();
}
