#pragma once

#include <QDialog>
#include <QStringList>

/// The coordinate syntax-error window: a red octagon and the syntax reminder (the
/// lines the coordinate parser returns with its message) in bold fixed-pitch type, with an OK
/// button (OK and Escape close it). Always on top, centred on the screen, sized from the screen
/// width.
class ParseErrorMessage : public QDialog {
    Q_OBJECT
public:
    explicit ParseErrorMessage(const QStringList& lines, QWidget* parent = nullptr);

    /// The lines shown, for tests.
    QStringList lines() const { return m_lines; }

private:
    QStringList m_lines;
};
