#include "atlas/ui/AtlasEntryFields.h"

#include "atlas/AtlasEdit.h"
#include "widgets/EntryFields.h"

#include <QGridLayout>
#include <QLabel>

namespace {

void AddRow(QWidget* parent, QGridLayout* grid, int row, const QString& labelName,
            const QString& caption, ValidatedEdit* field) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(labelName);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

} // namespace

AtlasEntryFields MakeAtlasEntryFields(QWidget* parent, QGridLayout* grid, const QString& namePrefix,
                                      const QString& prefixCaption, bool readOnly) {
    AtlasEntryFields f;
    f.prefix = new PrefixEdit(parent);
    f.prefix->setObjectName(namePrefix + QStringLiteral("PfxEdit"));
    f.prefix->setMaxChars(6);
    f.latitude = new LatitudeEdit(parent);
    f.latitude->setObjectName(namePrefix + QStringLiteral("LatEdit"));
    f.latitude->setMaxChars(10);
    f.longitude = new LongitudeEdit(parent);
    f.longitude->setObjectName(namePrefix + QStringLiteral("LonEdit"));
    f.longitude->setMaxChars(11);
    f.name = new NameEdit(parent);
    f.name->setObjectName(namePrefix + QStringLiteral("NameEdit"));
    f.name->setMaxChars(17);
    if (readOnly) {
        for (ValidatedEdit* field :
             {static_cast<ValidatedEdit*>(f.latitude), static_cast<ValidatedEdit*>(f.longitude),
              static_cast<ValidatedEdit*>(f.name)}) {
            field->setReadOnly(true);
            field->setFocusPolicy(Qt::NoFocus);
            field->setAllowExitHandler(true); // read-only texts are never checked
        }
    } else {
        f.latitude->setStatusTip(
            QStringLiteral("Enter as decimal degrees or deg min sec (north is +, south is -)"));
        f.longitude->setStatusTip(
            QStringLiteral("Enter as decimal degrees or deg min sec (west is +, east is -)"));
        f.name->setStatusTip(QStringLiteral("Enter a callsign, city name, or other identifier "
                                            "(maximum 17 characters including spaces)"));
    }
    AddRow(parent, grid, 0, namePrefix + QStringLiteral("PfxLabel"), prefixCaption, f.prefix);
    AddRow(parent, grid, 1, namePrefix + QStringLiteral("LatLabel"), QStringLiteral("Latitude"),
           f.latitude);
    AddRow(parent, grid, 2, namePrefix + QStringLiteral("LonLabel"), QStringLiteral("Longitude"),
           f.longitude);
    AddRow(parent, grid, 3, namePrefix + QStringLiteral("NameLabel"), QStringLiteral("Name"),
           f.name);
    return f;
}

bool CheckAtlasEntryFields(const AtlasEntryFields& fields) {
    for (ValidatedEdit* field : {static_cast<ValidatedEdit*>(fields.latitude),
                                 static_cast<ValidatedEdit*>(fields.longitude),
                                 static_cast<ValidatedEdit*>(fields.name)}) {
        if (!field->Validate()) {
            field->refocus();
            return false;
        }
    }
    return true;
}

void ShowAtlasEntry(const AtlasEntryFields& fields, const AtlasEntry& entry, bool withPrefix) {
    if (withPrefix)
        fields.prefix->setText(QString::fromStdString(entry.Prefix()));
    fields.latitude->setText(QString::fromStdString(entry.Latitude()));
    fields.longitude->setText(QString::fromStdString(entry.Longitude()));
    fields.name->setText(QString::fromStdString(entry.Name()));
}

void ClearAtlasEntry(const AtlasEntryFields& fields, bool withPrefix) {
    if (withPrefix)
        fields.prefix->clear();
    fields.latitude->clear();
    fields.longitude->clear();
    fields.name->clear();
}

AtlasEntry AtlasEntryOf(const AtlasEntryFields& fields) {
    return AtlasEntryFromTexts(
        fields.prefix->text().toStdString(), fields.latitude->text().toStdString(),
        fields.longitude->text().toStdString(), fields.name->text().toStdString());
}
