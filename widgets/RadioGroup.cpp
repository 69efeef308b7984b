#include "widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    columns = qMax(1, columns);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items.at(i), this);
        m_group->addButton(radio, i);
        // Items run down the first column, then the next, so that the order reads
        // top to bottom.
        layout->addWidget(radio, i % rows, i / rows);
    }
    // Each radio button is named after the group and its index (NoiseEnvironmentRadioGroup2).
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        for (QAbstractButton* radio : m_group->buttons())
            radio->setObjectName(name + QString::number(m_group->id(radio)));
    });
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemIndexChanged(id);
    });
}

int RadioGroup::itemIndex() const {
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* radio = m_group->button(index))
        radio->setChecked(true);
}

QRadioButton* RadioGroup::button(int index) const {
    return qobject_cast<QRadioButton*>(m_group->button(index));
}

int RadioGroup::count() const {
    return static_cast<int>(m_group->buttons().size());
}
