#include "settings/ui/OptionsDialog.h"

#include "settings/FrequencyRows.h"
#include "settings/ui/OptionsControls.h"
#include "widgets/EntryFields.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/WindowScale.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

// The "Frequencies and Constants" page: the frequency list, each frequency's additive
// signal level constant, and adding, deleting and modifying them.

using namespace optionsform;

QWidget* OptionsDialog::buildFrequencyPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("FFParamsPage"));

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

    auto* freqGroup = new QGroupBox(QStringLiteral("Frequencies (MHz)"), page);
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

    auto* fudgeGroup = new QGroupBox(QStringLiteral("Additive Signal Level Constants (dB)"), page);
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

    m_restoreFAndFBtn = MakeButton(
        QStringLiteral("RestoreFactoryFAndFBtn"),
        QStringLiteral("&Restore Factory Frequencies and Constants"),
        QStringLiteral(
            "Press to cause all frequencies and constants to revert to their original settings"),
        page);

    auto* groups = new QHBoxLayout;
    groups->addWidget(freqGroup);
    groups->addWidget(fudgeGroup);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(groups);
    layout->addWidget(m_restoreFAndFBtn, 0, Qt::AlignHCenter);

    connect(m_freqList, &QListWidget::currentRowChanged, this, &OptionsDialog::selectRow);
    connect(m_fudgeList, &QListWidget::currentRowChanged, this, &OptionsDialog::selectRow);
    connect(m_addFreqBtn, &QPushButton::clicked, this, &OptionsDialog::AddFreqBtnClick);
    connect(m_newFreqAddBtn, &QPushButton::clicked, this, &OptionsDialog::NewFreqAddBtnClick);
    // Enter in the field adds the frequency at once, as the Add button does.
    m_newFreqEdit->setEnterToTab(false);
    connect(m_newFreqEdit, &QLineEdit::returnPressed, this, &OptionsDialog::NewFreqAddBtnClick);
    connect(m_newFreqCancelBtn, &QPushButton::clicked, this, &OptionsDialog::NewFreqCancelBtnClick);
    connect(m_deleteFreqBtn, &QPushButton::clicked, this, &OptionsDialog::DeleteFreqBtnClick);
    connect(m_modifyConstantBtn, &QPushButton::clicked, this,
            &OptionsDialog::ModifyConstantBtnClick);
    connect(m_modifyBtn, &QPushButton::clicked, this, &OptionsDialog::ModifyConstantModifyBtnClick);
    connect(m_modifyCancelBtn, &QPushButton::clicked, this,
            &OptionsDialog::ModifyConstantCancelBtnClick);
    connect(m_restoreFAndFBtn, &QPushButton::clicked, this,
            &OptionsDialog::RestoreFactoryFAndFBtnClick);
    return page;
}

void OptionsDialog::loadFrequencies(const Settings& settings) {
    m_rows = RowsFromSettings(settings);
    showRows(m_rows.count() > 0 ? 0 : -1);
}

void OptionsDialog::showRows(int selected) {
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

void OptionsDialog::selectRow(int row) {
    // The two lists always show the same row selected.
    const QSignalBlocker blockFreq(m_freqList);
    const QSignalBlocker blockFudge(m_fudgeList);
    m_freqList->setCurrentRow(row);
    m_fudgeList->setCurrentRow(row);
    m_deleteFreqBtn->setText(Q(DeleteButtonCaption(m_rows, row)));
}

int OptionsDialog::selectedRow() const {
    return m_freqList->currentRow();
}

void OptionsDialog::setFrequencyMode(FrequencyMode mode) {
    m_mode = mode;
    const bool idle = mode == FrequencyMode::Idle;
    const bool adding = mode == FrequencyMode::Adding;
    const bool modifying = mode == FrequencyMode::Modifying;
    m_freqList->setEnabled(idle);
    m_fudgeList->setEnabled(idle);
    m_addFreqBtn->setEnabled(idle && m_rows.count() < kFrequencySlots);
    m_deleteFreqBtn->setEnabled(idle && m_rows.count() > 0);
    m_modifyConstantBtn->setEnabled(idle && m_rows.count() > 0);
    m_restoreFAndFBtn->setEnabled(idle);
    m_saveBtn->setEnabled(idle);
    m_cancelBtn->setEnabled(idle);
    for (QWidget* w : std::initializer_list<QWidget*>{m_enterNewFreqLabel, m_newFreqEdit,
                                                      m_newFreqAddBtn, m_newFreqCancelBtn})
        w->setVisible(adding);
    for (QWidget* w : std::initializer_list<QWidget*>{m_editConstantLabel, m_constantEdit,
                                                      m_modifyBtn, m_modifyCancelBtn})
        w->setVisible(modifying);
    m_deleteFreqBtn->setText(Q(DeleteButtonCaption(m_rows, selectedRow())));
}

void OptionsDialog::AddFreqBtnClick() {
    m_newFreqEdit->clear();
    setFrequencyMode(FrequencyMode::Adding);
    m_newFreqEdit->setFocus(Qt::OtherFocusReason);
}

void OptionsDialog::NewFreqAddBtnClick() {
    if (!m_newFreqEdit->Validate()) {
        m_newFreqEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    const AddedRow added = AddFrequencyRow(m_rows, S(m_newFreqEdit->text().trimmed()));
    if (!added.ok) {
        ShowUserMessage(this, added.message);
        m_newFreqEdit->setFocus(Qt::OtherFocusReason);
        m_newFreqEdit->selectAll();
        return;
    }
    showRows(added.row);
    setFrequencyMode(FrequencyMode::Idle);
    if (m_rows.count() >= kFrequencySlots)
        m_saveBtn->setFocus(Qt::OtherFocusReason);
    else
        m_addFreqBtn->setFocus(Qt::OtherFocusReason);
}

void OptionsDialog::NewFreqCancelBtnClick() {
    setFrequencyMode(FrequencyMode::Idle);
    if (m_addFreqBtn->isEnabled())
        m_addFreqBtn->setFocus(Qt::OtherFocusReason);
    else
        m_freqList->setFocus(Qt::OtherFocusReason);
}

void OptionsDialog::DeleteFreqBtnClick() {
    const int next = DeleteFrequencyRow(m_rows, selectedRow());
    showRows(next);
    setFrequencyMode(FrequencyMode::Idle);
    m_addFreqBtn->setFocus(Qt::OtherFocusReason);
}

void OptionsDialog::ModifyConstantBtnClick() {
    const int row = selectedRow();
    if (row < 0 || row >= m_rows.count())
        return;
    m_constantEdit->setText(Q(m_rows.constants[row]));
    setFrequencyMode(FrequencyMode::Modifying);
    m_constantEdit->setFocus(Qt::OtherFocusReason);
    m_constantEdit->selectAll();
}

void OptionsDialog::ModifyConstantModifyBtnClick() {
    if (!m_constantEdit->Validate()) {
        m_constantEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int row = selectedRow();
    if (row >= 0 && row < m_rows.count())
        m_rows.constants[row] = S(m_constantEdit->text().trimmed());
    showRows(row);
    setFrequencyMode(FrequencyMode::Idle);
    m_fudgeList->setFocus(Qt::OtherFocusReason);
}

void OptionsDialog::ModifyConstantCancelBtnClick() {
    setFrequencyMode(FrequencyMode::Idle);
    m_fudgeList->setFocus(Qt::OtherFocusReason);
}

void OptionsDialog::RestoreFactoryFAndFBtnClick() {
    m_rows = RowsFromSettings(FactorySettings());
    showRows(0);
    setFrequencyMode(FrequencyMode::Idle);
}
