#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

/// How a text report goes into its file.
enum class TextWriteMode { Create, Append, Overwrite };

/// The outcome of writing a text report: ok, or the message that names the file
/// operation that failed (reading the old text, opening, writing, or saving).
struct TextWriteResult {
    bool ok = false;
    QString message;
};

/// Writes `text` to `path`: Create and Overwrite replace the file, Append adds the
/// text after what the file holds. Every way goes through a temporary file in the
/// same folder that is renamed over the old one, so a failure leaves the old file
/// as it was.
TextWriteResult WriteTextReport(const QString& path, const QByteArray& text, TextWriteMode mode);

/// The "Save as Text" file dialog, opening in `folder`: the file chosen, or nothing
/// when the user cancels. The platform's own overwrite question is off, since
/// AskTextWriteMode asks about an existing file.
std::optional<QString> AskTextReportFile(QWidget* parent, const QString& folder);

/// How the report goes into `path`: Create for a new file; for an existing one the
/// append-or-overwrite question decides, and Cancel gives nothing.
std::optional<TextWriteMode> AskTextWriteMode(const QString& path, QWidget* parent);
