#pragma once

#include "atlas/ui/AtlasEntryFields.h"

#include <QDialog>

struct Atlas;
class QPushButton;
class StatusLine;

/// "Add Atlas Entry": a new place for the atlas. The prefix is checked when the user
/// leaves it and again on "&Add Entry"; the entry is then inserted (the atlas file is
/// rewritten and reloaded), the outcome is reported and the window closes.
class AtlasAddDialog : public QDialog {
    Q_OBJECT
public:
    AtlasAddDialog(Atlas& atlas, StatusLine* statusLine, QWidget* parent = nullptr);

private:
    void PfxEditExit(QWidget* target);
    bool checkPrefix();
    void AddEntryBtnClick();

    Atlas& m_atlas;
    StatusLine* m_statusLine;
    AtlasEntryFields m_fields;
    QPushButton* m_addBtn;
    QPushButton* m_cancelBtn;
};
