#include "settings/ui/FrequencyPage.h"

#include "settings/ui/OptionsControls.h"
#include "widgets/EntryFields.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/WindowScale.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace optionsform;

FrequencyPage::FrequencyPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FFParamsPage"));

    QFont listFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    listFont.setPointSizeF(font().pointSizeF());
    listFont.setBold(true);
    const QFontMetrics listMetrics(listFont);
    const int listWidth =
        listMetrics.horizontalAdvance(QStringLiteral("000.00")) + Scaled(this, 28);
    const int listHeight = listMetrics.lineSpacing() * kFrequencySlots + Scaled(this, 10);
    const auto makeList = [&](const QString& name, const QString& hint, QWidget* parent) {
        auto* list = new QListWidget(parent);
        list->setObjectName(name);
        list->setStatusTip(hint);
        list->setFont(listFont);
        list->setFixedSize(listWidth, listHeight);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->installEventFilter(this);
        return list;
    };

    auto* freqGroup = new QGroupBox(QStringLiteral("Frequencies (MHz)"), this);
    freqGroup->setObjectName(QStringLiteral("FreqGroupBox"));
    m_freqList = makeList(QStringLiteral("FreqListBox"),
                          QStringLiteral("Select a frequency you want to delete"), freqGroup);
    m_deleteFreqBtn = MakeButton(
        QStringLiteral("DeleteFreqBtn"), QStringLiteral("Delete Frequency"),
        QStringLiteral(
            "Press to delete the highlighted frequency and its Additive Signal Level Constant"),
        freqGroup);
    m_addFreqBtn = MakeButton(QStringLiteral("AddFreqBtn"), QStringLiteral("Add Frequency"),
                              QStringLiteral("Press to add a new frequency"), freqGroup);
    m_enterNewFreqLabel = new QLabel(QStringLiteral("Enter New Frequency"), freqGroup);
    m_enterNewFreqLabel->setObjectName(QStringLiteral("EnterNewFreqLabel"));
    m_newFreqEdit = MakeEdit<RealEdit>(QStringLiteral("NewFreqEdit"),
                                       QStringLiteral("Enter the new frequency"), freqGroup);
    m_newFreqEdit->setMaxChars(4);
    m_newFreqEdit->setPrecision(1);
    m_newFreqEdit->setMinValue(3.0);
    m_newFreqEdit->setMaxValue(30.0);
    m_newFreqEdit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                                 Scaled(this, 14));
    m_enterNewFreqLabel->setBuddy(m_newFreqEdit);
    m_newFreqAddBtn =
        MakeButton(QStringLiteral("NewFreqAddBtn"), QStringLiteral("Add"),
                   QStringLiteral("Press to add the new frequency you entered"), freqGroup);
    m_newFreqCancelBtn =
        MakeButton(QStringLiteral("NewFreqCancelBtn"), QStringLiteral("Cancel Add"),
                   QStringLiteral("Press to cancel the new frequency"), freqGroup);
    ValidatedEdit::MarkAsCancelButton(m_newFreqCancelBtn);

    auto* freqButtons = new QVBoxLayout;
    freqButtons->addWidget(m_deleteFreqBtn);
    freqButtons->addWidget(m_addFreqBtn);
    freqButtons->addStretch();
    freqButtons->addWidget(m_enterNewFreqLabel);
    freqButtons->addWidget(m_newFreqEdit);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(m_newFreqAddBtn);
    addRow->addWidget(m_newFreqCancelBtn);
    freqButtons->addLayout(addRow);
    auto* freqLayout = new QHBoxLayout(freqGroup);
    freqLayout->addWidget(m_freqList, 0, Qt::AlignTop);
    freqLayout->addLayout(freqButtons);

    auto* fudgeGroup = new QGroupBox(QStringLiteral("Additive Signal Level Constants (dB)"), this);
    fudgeGroup->setObjectName(QStringLiteral("FudgeGroupBox"));
    m_fudgeList = makeList(QStringLiteral("FudgeListBox"),
                           QStringLiteral("Select a constant you want to modify"), fudgeGroup);
    m_modifyConstantBtn =
        MakeButton(QStringLiteral("ModifyConstantBtn"), QStringLiteral("Modify Constant"),
                   QStringLiteral("Press to modify the highlighted constant"), fudgeGroup);
    m_editConstantLabel = new QLabel(QStringLiteral("Edit Constant"), fudgeGroup);
    m_editConstantLabel->setObjectName(QStringLiteral("EditConstantLabel"));
    m_constantEdit = MakeEdit<RealEdit>(
        QStringLiteral("ConstantEdit"),
        QStringLiteral("Modify the additive signal level constant or enter a new constant"),
        fudgeGroup);
    m_constantEdit->setMaxChars(5);
    m_constantEdit->setPrecision(1);
    m_constantEdit->setMinValue(-99.9);
    m_constantEdit->setMaxValue(100.0);
    m_constantEdit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                                  Scaled(this, 14));
    m_editConstantLabel->setBuddy(m_constantEdit);
    m_modifyBtn = MakeButton(QStringLiteral("ModifyConstantModifyBtn"), QStringLiteral("Modify"),
                             QStringLiteral("Press to apply the modification"), fudgeGroup);
    m_modifyCancelBtn =
        MakeButton(QStringLiteral("ModifyConstantCancelBtn"), QStringLiteral("Cancel Modify"),
                   QStringLiteral("Press to cancel the modification"), fudgeGroup);
    ValidatedEdit::MarkAsCancelButton(m_modifyCancelBtn);

    auto* fudgeButtons = new QVBoxLayout;
    fudgeButtons->addWidget(m_modifyConstantBtn);
    fudgeButtons->addStretch();
    fudgeButtons->addWidget(m_editConstantLabel);
    fudgeButtons->addWidget(m_constantEdit);
    auto* modifyRow = new QHBoxLayout;
    modifyRow->addWidget(m_modifyBtn);
    modifyRow->addWidget(m_modifyCancelBtn);
    fudgeButtons->addLayout(modifyRow);
    auto* fudgeLayout = new QHBoxLayout(fudgeGroup);
    fudgeLayout->addWidget(m_fudgeList, 0, Qt::AlignTop);
    fudgeLayout->addLayout(fudgeButtons);

    // The add and modify controls keep their place while hidden, so nothing jumps.
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_enterNewFreqLabel, m_newFreqEdit, m_newFreqAddBtn, m_newFreqCancelBtn,
             m_editConstantLabel, m_constantEdit, m_modifyBtn, m_modifyCancelBtn}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    m_restoreBtn = MakeButton(
        QStringLiteral("RestoreFactoryFAndFBtn"),
        QStringLiteral("&Restore Factory Frequencies and Constants"),
        QStringLiteral(
            "Press to cause all frequencies and constants to revert to their original settings"),
        this);

    auto* groups = new QHBoxLayout;
    groups->addWidget(freqGroup);
    groups->addWidget(fudgeGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(m_restoreBtn, 0, Qt::AlignHCenter);

    connect(m_freqList, &QListWidget::currentRowChanged, this, &FrequencyPage::selectRow);
    connect(m_fudgeList, &QListWidget::currentRowChanged, this, &FrequencyPage::selectRow);
    connect(m_addFreqBtn, &QPushButton::clicked, this, &FrequencyPage::startAdding);
    connect(m_newFreqAddBtn, &QPushButton::clicked, this, &FrequencyPage::addTypedFrequency);
    // Enter in the field adds the frequency at once, as the Add button does.
    m_newFreqEdit->setEnterToTab(false);
    connect(m_newFreqEdit, &QLineEdit::returnPressed, this, &FrequencyPage::addTypedFrequency);
    connect(m_newFreqCancelBtn, &QPushButton::clicked, this, &FrequencyPage::cancelAdding);
    connect(m_deleteFreqBtn, &QPushButton::clicked, this, &FrequencyPage::deleteSelected);
    connect(m_modifyConstantBtn, &QPushButton::clicked, this, &FrequencyPage::startModifying);
    connect(m_modifyBtn, &QPushButton::clicked, this, &FrequencyPage::applyModifiedConstant);
    connect(m_modifyCancelBtn, &QPushButton::clicked, this, &FrequencyPage::cancelModifying);
    connect(m_restoreBtn, &QPushButton::clicked, this, &FrequencyPage::restoreFactoryRows);
}

void FrequencyPage::load(const Settings& settings) {
    m_rows = RowsFromSettings(settings);
    showRows(m_rows.count() > 0 ? 0 : -1);
    setMode(Mode::Idle);
}

void FrequencyPage::showRows(int selected) {
    const QSignalBlocker blockFreq(m_freqList);
    const QSignalBlocker blockFudge(m_fudgeList);
    m_freqList->clear();
    m_fudgeList->clear();
    for (int k = 0; k < m_rows.count(); ++k) {
        auto* freq = new QListWidgetItem(ColumnText(m_rows.frequencies[k]), m_freqList);
        freq->setTextAlignment(Qt::AlignCenter);
        auto* fudge = new QListWidgetItem(ColumnText(m_rows.constants[k]), m_fudgeList);
        fudge->setTextAlignment(Qt::AlignCenter);
    }
    selectRow(selected);
}

void FrequencyPage::selectRow(int row) {
    // The two lists always show the same row selected.
    const QSignalBlocker blockFreq(m_freqList);
    const QSignalBlocker blockFudge(m_fudgeList);
    m_freqList->setCurrentRow(row);
    m_fudgeList->setCurrentRow(row);
    m_deleteFreqBtn->setText(Q(DeleteButtonCaption(m_rows, row)));
}

int FrequencyPage::selectedRow() const {
    return m_freqList->currentRow();
}

void FrequencyPage::setMode(Mode mode) {
    m_mode = mode;
    const bool idle = mode == Mode::Idle;
    const bool adding = mode == Mode::Adding;
    const bool modifying = mode == Mode::Modifying;
    m_freqList->setEnabled(idle);
    m_fudgeList->setEnabled(idle);
    m_addFreqBtn->setEnabled(idle && m_rows.count() < kFrequencySlots);
    m_deleteFreqBtn->setEnabled(idle && m_rows.count() > 0);
    m_modifyConstantBtn->setEnabled(idle && m_rows.count() > 0);
    m_restoreBtn->setEnabled(idle);
    for (QWidget* w : std::initializer_list<QWidget*>{m_enterNewFreqLabel, m_newFreqEdit,
                                                      m_newFreqAddBtn, m_newFreqCancelBtn})
        w->setVisible(adding);
    for (QWidget* w : std::initializer_list<QWidget*>{m_editConstantLabel, m_constantEdit,
                                                      m_modifyBtn, m_modifyCancelBtn})
        w->setVisible(modifying);
    m_deleteFreqBtn->setText(Q(DeleteButtonCaption(m_rows, selectedRow())));
    emit editingChanged(!idle);
}

void FrequencyPage::startAdding() {
    m_newFreqEdit->clear();
    setMode(Mode::Adding);
    m_newFreqEdit->setFocus(Qt::OtherFocusReason);
}

void FrequencyPage::addTypedFrequency() {
    if (!m_newFreqEdit->Validate()) {
        m_newFreqEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    const AddedRow added = AddFrequencyRow(m_rows, S(m_newFreqEdit->text().trimmed()));
    if (!added.ok) {
        ShowUserMessage(window(), added.message);
        m_newFreqEdit->setFocus(Qt::OtherFocusReason);
        m_newFreqEdit->selectAll();
        return;
    }
    showRows(added.row);
    setMode(Mode::Idle);
    if (m_rows.count() >= kFrequencySlots)
        emit listFilled();
    else
        m_addFreqBtn->setFocus(Qt::OtherFocusReason);
}

void FrequencyPage::cancelAdding() {
    setMode(Mode::Idle);
    if (m_addFreqBtn->isEnabled())
        m_addFreqBtn->setFocus(Qt::OtherFocusReason);
    else
        m_freqList->setFocus(Qt::OtherFocusReason);
}

void FrequencyPage::deleteSelected() {
    const int next = DeleteFrequencyRow(m_rows, selectedRow());
    showRows(next);
    setMode(Mode::Idle);
    m_addFreqBtn->setFocus(Qt::OtherFocusReason);
}

void FrequencyPage::startModifying() {
    const int row = selectedRow();
    if (row < 0 || row >= m_rows.count())
        return;
    m_constantEdit->setText(Q(m_rows.constants[row]));
    setMode(Mode::Modifying);
    m_constantEdit->setFocus(Qt::OtherFocusReason);
    m_constantEdit->selectAll();
}

void FrequencyPage::applyModifiedConstant() {
    if (!m_constantEdit->Validate()) {
        m_constantEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int row = selectedRow();
    if (row >= 0 && row < m_rows.count())
        m_rows.constants[row] = S(m_constantEdit->text().trimmed());
    showRows(row);
    setMode(Mode::Idle);
    m_fudgeList->setFocus(Qt::OtherFocusReason);
}

void FrequencyPage::cancelModifying() {
    setMode(Mode::Idle);
    m_fudgeList->setFocus(Qt::OtherFocusReason);
}

void FrequencyPage::restoreFactoryRows() {
    m_rows = RowsFromSettings(FactorySettings());
    showRows(0);
    setMode(Mode::Idle);
}

void FrequencyPage::writeTo(Settings& settings) const {
    WriteFrequencyRows(m_rows, settings);
}

bool FrequencyPage::cancelEditIn(const QWidget* focused) {
    if (focused == m_newFreqEdit) {
        cancelAdding();
        return true;
    }
    if (focused == m_constantEdit) {
        cancelModifying();
        return true;
    }
    return false;
}

void FrequencyPage::focusFirstField() {
    if (m_rows.count() >= kFrequencySlots)
        m_freqList->setFocus(Qt::OtherFocusReason);
    else
        m_addFreqBtn->setFocus(Qt::OtherFocusReason);
}

bool FrequencyPage::eventFilter(QObject* watched, QEvent* event) {
    // Typed characters do not search the lists.
    if ((watched == m_freqList || watched == m_fudgeList) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
