#pragma once

#include "widgets/ValidatedEdit.h"

/// A solar index: "S" + sunspot number or "F" + 10.7 cm flux (a bare number is a
/// sunspot number when SSNPrimary), 6 characters, typed letters raised to upper case.
class SolarIndexEdit : public ValidatedEdit {
    Q_OBJECT
public:
    explicit SolarIndexEdit(QWidget* parent = nullptr);

    bool SSNPrimary() const { return m_ssnPrimary; }
    void setSSNPrimary(bool on) { m_ssnPrimary = on; }

    /// CheckSolarIndex: the text becomes e.g. "S150.0"; its message otherwise.
    bool Validate() override;

private:
    bool m_ssnPrimary = false;
};
