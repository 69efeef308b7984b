#include "atlas/ui/AtlasModifyDialog.h"

#include "atlas/AtlasEdit.h"
#include "widgets/EntryFields.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The help page F1 opens here.
constexpr int kAtlasModifyHelpContext = 66;

std::string Text(const ValidatedEdit* field) {
    return field->text().toStdString();
}

} // namespace

AtlasModifyDialog::AtlasModifyDialog(Atlas& atlas, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_atlas(atlas), m_statusLine(statusLine),
      m_picker(AtlasSearchPicker(atlas, statusLine)) {
    setObjectName(QStringLiteral("TAtlasModifyForm"));
    setWindowTitle(QStringLiteral("Modify Atlas Entry"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kAtlasModifyHelpContext);
    ScaleWindow(this);

    m_currentGroup = new QGroupBox(QStringLiteral("Current Entry"), this);
    m_currentGroup->setObjectName(QStringLiteral("CurrentGroupBox"));
    auto* currentGrid = new QGridLayout(m_currentGroup);
    m_current = MakeAtlasEntryFields(m_currentGroup, currentGrid, QStringLiteral("Current"),
                                     QStringLiteral("Prefix"), true);
    m_current.prefix->setStatusTip(QStringLiteral("Enter prefix of entry to be modified"));
    m_current.prefix->setAllowExitHandler(true);
    connect(m_current.prefix, &ValidatedEdit::exitRequested, this,
            &AtlasModifyDialog::CurrentPfxEditExit);
    connect(m_current.prefix, &QLineEdit::textChanged, this,
            &AtlasModifyDialog::CurrentPfxEditChange);
    m_findBtn = new QPushButton(QStringLiteral("&Find in Atlas"), m_currentGroup);
    m_findBtn->setObjectName(QStringLiteral("FindBtn"));
    m_findBtn->setStatusTip(
        QStringLiteral("Let me search the atlas for the entry I want to modify"));
    m_findBtn->setAutoDefault(false);
    currentGrid->addWidget(m_findBtn, 4, 0, 1, 2);

    m_modifiedGroup = new QGroupBox(QStringLiteral("Modified Entry"), this);
    m_modifiedGroup->setObjectName(QStringLiteral("ModifiedGroupBox"));
    auto* modifiedGrid = new QGridLayout(m_modifiedGroup);
    m_modified = MakeAtlasEntryFields(m_modifiedGroup, modifiedGrid, QStringLiteral("Modified"),
                                      QStringLiteral("Prefix"), false);
    m_modified.prefix->setStatusTip(QStringLiteral("Enter the new prefix for this atlas entry"));
    m_modified.prefix->setAllowExitHandler(true);
    connect(m_modified.prefix, &ValidatedEdit::exitRequested, this,
            &AtlasModifyDialog::ModifiedPfxEditExit);
    m_modifyBtn = new QPushButton(QStringLiteral("&Modify Entry"), m_modifiedGroup);
    m_modifyBtn->setObjectName(QStringLiteral("ModifyEntryBtn"));
    m_modifyBtn->setStatusTip(QStringLiteral("Modify the atlas entry"));
    m_modifyBtn->setDefault(true);
    modifiedGrid->addWidget(m_modifyBtn, 4, 0, 1, 2);

    m_cancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    m_cancelBtn->setStatusTip(QStringLiteral("Cancel this modification"));
    m_cancelBtn->setAutoDefault(false);
    ValidatedEdit::MarkAsCancelButton(m_cancelBtn);
    connect(m_findBtn, &QPushButton::clicked, this, &AtlasModifyDialog::FindBtnClick);
    connect(m_modifyBtn, &QPushButton::clicked, this, &AtlasModifyDialog::ModifyEntryBtnClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(m_currentGroup);
    groups->addWidget(m_modifiedGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancelBtn);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QWidget* order[] = {
        m_current.prefix,     m_findBtn,       m_modified.prefix, m_modified.latitude,
        m_modified.longitude, m_modified.name, m_modifyBtn,       m_cancelBtn};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    CurrentPfxEditChange();
    m_focusConnection =
        connect(qApp, &QApplication::focusChanged, this, &AtlasModifyDialog::focusChanged);
    TrackFocusHints(this, statusLine);
    m_current.prefix->setFocus();
    adjustSize();
    CentreOnScreen(this, 0.3);
}

AtlasModifyDialog::~AtlasModifyDialog() {
    disconnect(m_focusConnection);
}

void AtlasModifyDialog::CurrentPfxEditChange() {
    ClearAtlasEntry(m_current, false);
    ClearAtlasEntry(m_modified, true);
    m_findBtn->setEnabled(m_current.prefix->text().isEmpty());
}

void AtlasModifyDialog::showEntry(const AtlasEntry& entry) {
    {
        const QSignalBlocker block(m_current.prefix);
        m_current.prefix->setText(QString::fromStdString(entry.Prefix()));
    }
    m_findBtn->setEnabled(false);
    ShowAtlasEntry(m_current, entry, false);
    ShowAtlasEntry(m_modified, entry, true);
}

bool AtlasModifyDialog::checkCurrentPrefix() {
    const ExistingEntry found =
        CheckExistingPrefix(m_atlas, Text(m_current.prefix), AtlasEdit::Modify);
    if (found)
        return true;
    m_checking = true;
    ShowUserMessage(this, found.message);
    m_current.prefix->refocus();
    m_checking = false;
    return false;
}

bool AtlasModifyDialog::checkModifiedPrefix() {
    const ExistingEntry current =
        CheckExistingPrefix(m_atlas, Text(m_current.prefix), AtlasEdit::Modify);
    const CheckResult check =
        CheckModifiedPrefix(m_atlas, Text(m_modified.prefix),
                            current ? current.entry.Prefix() : Text(m_current.prefix));
    if (check)
        return true;
    m_checking = true;
    ShowUserMessage(this, check.message);
    m_modified.prefix->refocus();
    m_checking = false;
    return false;
}

void AtlasModifyDialog::CurrentPfxEditExit(QWidget* target) {
    const ExistingEntry found =
        CheckExistingPrefix(m_atlas, Text(m_current.prefix), AtlasEdit::Modify);
    // The copy is made once, so that edits to it survive a return to the prefix.
    if (found && m_modified.prefix->text().isEmpty())
        showEntry(found.entry);
    if (ValidatedEdit::IsCancelTarget(target) || target == m_findBtn)
        return;
    checkCurrentPrefix();
}

void AtlasModifyDialog::ModifiedPfxEditExit(QWidget* target) {
    if (ValidatedEdit::IsCancelTarget(target) || m_checking)
        return;
    checkModifiedPrefix();
}

void AtlasModifyDialog::focusChanged(QWidget* old, QWidget* now) {
    if (m_checking || !now || now->window() != this || !m_modifiedGroup->isAncestorOf(now))
        return;
    // Entering the modified group: the current entry must be known first. Leaving the
    // current prefix has checked it already.
    if ((old && m_modifiedGroup->isAncestorOf(old)) || old == m_current.prefix)
        return;
    checkCurrentPrefix();
}

void AtlasModifyDialog::FindBtnClick() {
    const std::optional<std::string> chosen = m_picker ? m_picker(this) : std::nullopt;
    const std::optional<AtlasEntry> entry =
        chosen ? FindAtlasEntry(m_atlas, *chosen) : std::nullopt;
    if (!entry) {
        m_current.prefix->refocus();
        return;
    }
    showEntry(*entry);
    m_modified.prefix->setFocus(Qt::OtherFocusReason);
    if (m_statusLine)
        m_statusLine->SetStatusHint(m_modified.prefix->statusTip());
}

void AtlasModifyDialog::ModifyEntryBtnClick() {
    // Both prefixes again: a key press reaches this button without leaving a field.
    if (!checkCurrentPrefix() || !checkModifiedPrefix() || !CheckAtlasEntryFields(m_modified))
        return;
    const std::string currentPrefix =
        CheckExistingPrefix(m_atlas, Text(m_current.prefix), AtlasEdit::Modify).entry.Prefix();
    const AtlasEntry entry = AtlasEntryOf(m_modified);
    if (entry.Prefix() != currentPrefix) {
        const UserMessage warning = LocatorPrefixWarning(entry.Prefix());
        if (!warning.IsEmpty() && ShowUserMessage(this, warning) != MessageAnswer::Ok) {
            m_modified.prefix->refocus();
            return;
        }
    }
    const AtlasEditResult result = ModifyEntry(m_atlas, currentPrefix, entry);
    ShowUserMessage(this, result.message);
    if (result)
        accept();
    else
        reject();
}
