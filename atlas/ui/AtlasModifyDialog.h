#pragma once

#include "atlas/ui/AtlasEntryFields.h"
#include "atlas/ui/AtlasPicker.h"

#include <QDialog>

struct Atlas;
class QGroupBox;
class QPushButton;
class StatusLine;

/// "Modify Atlas Entry": the user names the current entry by its prefix (or finds it
/// in the atlas search window), edits a copy of it, and replaces it in one rewrite of
/// the atlas file; the outcome is reported and the window closes. Both prefixes are
/// checked again when "&Modify Entry" is pressed, however it is pressed. Open it only
/// for an atlas with entries.
class AtlasModifyDialog : public QDialog {
    Q_OBJECT
public:
    AtlasModifyDialog(Atlas& atlas, StatusLine* statusLine, QWidget* parent = nullptr);
    ~AtlasModifyDialog() override;

    /// Replaces the atlas search window behind "&Find in Atlas" (tests answer here).
    void setPicker(AtlasPicker picker) { m_picker = std::move(picker); }

private:
    void CurrentPfxEditChange();
    void CurrentPfxEditExit(QWidget* target);
    void ModifiedPfxEditExit(QWidget* target);
    void focusChanged(QWidget* old, QWidget* now);
    void showEntry(const AtlasEntry& entry);
    bool checkCurrentPrefix();
    bool checkModifiedPrefix();
    void FindBtnClick();
    void ModifyEntryBtnClick();

    Atlas& m_atlas;
    StatusLine* m_statusLine;
    AtlasPicker m_picker;
    AtlasEntryFields m_current;
    AtlasEntryFields m_modified;
    QGroupBox* m_currentGroup;
    QGroupBox* m_modifiedGroup;
    QPushButton* m_findBtn;
    QPushButton* m_modifyBtn;
    QPushButton* m_cancelBtn;
    bool m_checking = false;
    /// Ended in the destructor: the widgets destroyed after it still move the focus.
    QMetaObject::Connection m_focusConnection;
};
