#pragma once

#include "widgets/ValidatedEdit.h"

/// The name of a place or station, 17 characters; required unless BlankAllowed.
class NameEdit : public ValidatedEdit {
    Q_OBJECT
public:
    explicit NameEdit(QWidget* parent = nullptr);

    bool BlankAllowed() const { return m_blankAllowed; }
    void setBlankAllowed(bool on) { m_blankAllowed = on; }

    /// "A Name is required" for an empty name unless BlankAllowed.
    bool Validate() override;

private:
    bool m_blankAllowed = false;
};
