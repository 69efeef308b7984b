#include "prediction/TextReportFile.h"

#include "widgets/AppendOrOverwriteQuestion.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace {

TextWriteResult Failed(const QString& operation, const QString& path, const QString& reason) {
    return {false, operation.arg(QDir::toNativeSeparators(path)) + QStringLiteral("\r") + reason};
}

} // namespace

TextWriteResult WriteTextReport(const QString& path, const QByteArray& text, TextWriteMode mode) {
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable())
        return {false,
                QStringLiteral("The file %1 is read-only.").arg(QDir::toNativeSeparators(path))};
    QByteArray contents;
    if (mode == TextWriteMode::Append && QFile::exists(path)) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly))
            return Failed(QStringLiteral("Could not read the file %1 to append to it."), path,
                          old.errorString());
        contents = old.readAll();
        if (old.error() != QFileDevice::NoError)
            return Failed(QStringLiteral("Could not read the file %1 to append to it."), path,
                          old.errorString());
    }
    contents += text;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failed(QStringLiteral("Could not open the file %1 for writing."), path,
                      file.errorString());
    if (file.write(contents) != contents.size())
        return Failed(QStringLiteral("Could not write to the file %1."), path, file.errorString());
    if (!file.commit())
        return Failed(QStringLiteral("Could not save the file %1."), path, file.errorString());
    return {true, {}};
}

std::optional<QString> AskTextReportFile(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QStringLiteral("Save as Text"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("Text file (*.txt)"), QStringLiteral("Any file (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<TextWriteMode> AskTextWriteMode(const QString& path, QWidget* parent) {
    if (!QFileInfo::exists(path))
        return TextWriteMode::Create;
    switch (AppendOrOverwriteQuestion::Ask(path, parent)) {
    case AppendOrOverwriteQuestion::Choice::Append:
        return TextWriteMode::Append;
    case AppendOrOverwriteQuestion::Choice::Overwrite:
        return TextWriteMode::Overwrite;
    case AppendOrOverwriteQuestion::Choice::Cancel:
        break;
    }
    return std::nullopt;
}
