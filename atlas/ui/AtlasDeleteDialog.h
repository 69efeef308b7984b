#pragma once

#include "atlas/ui/AtlasEntryFields.h"
#include "atlas/ui/AtlasPicker.h"

#include <QDialog>

struct Atlas;
class QPushButton;
class StatusLine;

/// "Delete Atlas Entry": the user names an entry by its prefix (or finds it in the
/// atlas search window), sees its texts, and deletes it; the outcome is reported and
/// the window closes. Open it only for an atlas with entries.
class AtlasDeleteDialog : public QDialog {
    Q_OBJECT
public:
    AtlasDeleteDialog(Atlas& atlas, StatusLine* statusLine, QWidget* parent = nullptr);

    /// Replaces the atlas search window behind "&Find in Atlas" (tests answer here).
    void setPicker(AtlasPicker picker) { m_picker = std::move(picker); }

private:
    void PfxEditChange();
    void PfxEditExit(QWidget* target);
    void showFoundEntry();
    bool checkPrefix();
    void FindBtnClick();
    void DelEntryBtnClick();

    Atlas& m_atlas;
    StatusLine* m_statusLine;
    AtlasPicker m_picker;
    AtlasEntryFields m_fields;
    QPushButton* m_delBtn;
    QPushButton* m_findBtn;
    QPushButton* m_cancelBtn;
};
