#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

/// A captioned group of radio buttons laid out in columns, read and set by the index
/// of the selected item rather than by button.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    /// The selected item, −1 when none is.
    int itemIndex() const;
    void setItemIndex(int index);
    /// The radio button of an item.
    QRadioButton* button(int index) const;
    int count() const;

signals:
    void itemIndexChanged(int index);

private:
    QButtonGroup* m_group;
};
