#pragma once

class QDialog;
class QPushButton;
class QWidget;
class StatusLine;

/// Lays out a small dialog that asks for one entry ("New Date", "New Time"): the field
/// and its label centred on one row, OK (the default button) and Cancel centred below
/// it; Cancel rejects the dialog. Shows the hints of the dialog's controls on the
/// status line (none when `statusLine` is null), puts the focus in the field, fixes
/// the dialog's size and places it a little above the middle of the screen.
/// Returns the OK button, for the dialog to connect to its own check.
QPushButton* LayOutOneFieldDialog(QDialog* dialog, QWidget* field, QWidget* label,
                                  StatusLine* statusLine);
