#include "atlas/ui/BearingsPrintDialog.h"

#include "core/Syntax.h"
#include "settings/Settings.h"
#include "widgets/AlertSound.h"
#include "widgets/EntryFields.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"
#include "widgets/UpDown.h"
#include "widgets/WindowScale.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The help page F1 opens here.
constexpr int kBearingsHelpContext = 68;

bool ShowPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print"));
    return dialog.exec() == QDialog::Accepted;
}

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

BearingsPrintDialog::BearingsPrintDialog(const Atlas& atlas, const Settings& settings,
                                         StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_atlas(atlas), m_statusLine(statusLine), m_chooser(ShowPrintDialog) {
    setObjectName(QStringLiteral("TPrintBearingsForm"));
    setWindowTitle(QStringLiteral("Print Great Circle Bearings"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kBearingsHelpContext);
    ScaleWindow(this);

    auto* from = new QGroupBox(QStringLiteral("Print bearings from:"), this);
    from->setObjectName(QStringLiteral("FromGroupBox"));
    const QString pointHint =
        QStringLiteral("The bearings will be calculated from the latitude and longitude you enter");
    m_latEdit = new LatitudeEdit(from);
    m_latEdit->setObjectName(QStringLiteral("LatEdit"));
    m_latEdit->setMaxChars(10);
    m_latEdit->setStatusTip(pointHint);
    m_lonEdit = new LongitudeEdit(from);
    m_lonEdit->setObjectName(QStringLiteral("LonEdit"));
    m_lonEdit->setMaxChars(11);
    m_lonEdit->setStatusTip(pointHint);
    m_nameEdit = new NameEdit(from);
    m_nameEdit->setObjectName(QStringLiteral("NameEdit"));
    m_nameEdit->setMaxChars(17);
    m_nameEdit->setBlankAllowed(true);
    m_nameEdit->setStatusTip(QStringLiteral("The name you enter will appear in the table heading"));
    auto* fromGrid = new QGridLayout(from);
    const auto addRow = [&](int row, const QString& name, const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, from);
        label->setObjectName(name);
        label->setBuddy(field);
        fromGrid->addWidget(label, row, 0);
        fromGrid->addWidget(field, row, 1);
    };
    addRow(0, QStringLiteral("LatLabel"), QStringLiteral("Latitude"), m_latEdit);
    addRow(1, QStringLiteral("LonLabel"), QStringLiteral("Longitude"), m_lonEdit);
    addRow(2, QStringLiteral("NameLabel"), QStringLiteral("Name"), m_nameEdit);

    auto* order = new QGroupBox(QStringLiteral("Print table alphabetically by:"), this);
    order->setObjectName(QStringLiteral("HowAlphabetizeGroup"));
    m_byPrefix = new QRadioButton(QStringLiteral("Prefix"), order);
    m_byPrefix->setObjectName(QStringLiteral("AlphabetizeByPrefixRadioBtn"));
    m_byPrefix->setChecked(true);
    m_byName = new QRadioButton(QStringLiteral("Name (location)"), order);
    m_byName->setObjectName(QStringLiteral("AlphabetizeByNameRadioBtn"));
    auto* orderLayout = new QVBoxLayout(order);
    orderLayout->addWidget(m_byPrefix);
    orderLayout->addWidget(m_byName);

    const QString fontHint =
        QStringLiteral("Larger fonts may cause the table to extend over a greater number of pages");
    m_fontSizeEdit = new WordEdit(this);
    m_fontSizeEdit->setObjectName(QStringLiteral("FontSizeEdit"));
    m_fontSizeEdit->setMaxChars(2);
    m_fontSizeEdit->setMinValue(kBearingsMinFontSize);
    m_fontSizeEdit->setMaxValue(kBearingsMaxFontSize);
    m_fontSizeEdit->setStatusTip(fontHint);
    m_fontSizeEdit->setText(QString::number(kBearingsMinFontSize));
    m_fontSizeEdit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                                  Scaled(this, 10));
    m_fontSizeEdit->installEventFilter(this);
    m_fontSizeUpDown = new UpDown(this);
    m_fontSizeUpDown->setObjectName(QStringLiteral("FontSizeUpDown"));
    m_fontSizeUpDown->setStatusTip(fontHint);
    m_fontSizeUpDown->setRange(kBearingsMinFontSize, kBearingsMaxFontSize);
    m_fontSizeUpDown->setPosition(kBearingsMinFontSize);
    m_fontSizeUpDown->setFixedHeight(m_fontSizeEdit->sizeHint().height());
    auto* fontLabel = new QLabel(QStringLiteral("&Minimum Font Size"), this);
    fontLabel->setObjectName(QStringLiteral("FontSizeLabel"));
    fontLabel->setBuddy(m_fontSizeEdit);
    connect(m_fontSizeUpDown, &UpDown::positionChanged, this, [this](int position) {
        m_fontSizeEdit->setText(QString::number(position));
        m_fontSizeEdit->setFocus(Qt::OtherFocusReason);
    });
    connect(m_fontSizeEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (ok)
            m_fontSizeUpDown->setPosition(value);
    });
    for (QRadioButton* radio : {m_byPrefix, m_byName})
        radio->installEventFilter(this);

    m_printBtn = new QPushButton(QStringLiteral("&Print..."), this);
    m_printBtn->setObjectName(QStringLiteral("PrintBtn"));
    m_printBtn->setDefault(true);
    m_cancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    m_cancelBtn->setAutoDefault(false);
    ValidatedEdit::MarkAsCancelButton(m_cancelBtn);
    connect(m_printBtn, &QPushButton::clicked, this, &BearingsPrintDialog::PrintBtnClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &BearingsPrintDialog::reject);

    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(fontLabel);
    fontRow->addWidget(m_fontSizeEdit);
    fontRow->setSpacing(2);
    fontRow->addWidget(m_fontSizeUpDown);
    fontRow->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(order);
    right->addLayout(fontRow);
    auto* top = new QHBoxLayout;
    top->addWidget(from);
    top->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_printBtn);
    buttons->addWidget(m_cancelBtn);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QWidget* tabs[] = {m_latEdit,      m_lonEdit,        m_nameEdit, m_byPrefix, m_byName,
                       m_fontSizeEdit, m_fontSizeUpDown, m_printBtn, m_cancelBtn};
    for (std::size_t i = 0; i + 1 < std::size(tabs); ++i)
        setTabOrder(tabs[i], tabs[i + 1]);

    if (settings.DefaultDefined) {
        m_latEdit->setText(QString::fromStdString(settings.DefaultLatitudeText));
        m_lonEdit->setText(QString::fromStdString(settings.DefaultLongitudeText));
        m_nameEdit->setText(QString::fromStdString(settings.DefaultName));
    }
    TrackFocusHints(this, statusLine);
    m_latEdit->setFocus();
    adjustSize();
    CentreOnScreen(this, 0.3);
}

bool BearingsPrintDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsEnter(key) && key->modifiers() == Qt::NoModifier &&
        (watched == m_byPrefix || watched == m_byName)) {
        focusNextChild();
        return true;
    }
    if (watched == m_fontSizeEdit &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QString text = key->text();
        if (text.size() == 1 && text.at(0).isPrint() && !text.at(0).isDigit()) {
            PlayAlertSound();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool BearingsPrintDialog::checkFields() {
    for (ValidatedEdit* field :
         {static_cast<ValidatedEdit*>(m_latEdit), static_cast<ValidatedEdit*>(m_lonEdit),
          static_cast<ValidatedEdit*>(m_nameEdit), static_cast<ValidatedEdit*>(m_fontSizeEdit)}) {
        if (!field->Validate()) {
            field->refocus();
            return false;
        }
    }
    return true;
}

BearingsPrintJob BearingsPrintDialog::job() const {
    BearingsPrintJob job;
    job.origin.name = CutText(TrimBlanks(m_nameEdit->text().toStdString()), kNameCapacity);
    job.origin.latitudeDeg =
        ParseCoordinate(m_latEdit->text().toStdString(), CoordinateKind::Latitude).valueDeg;
    job.origin.longitudeDeg =
        ParseCoordinate(m_lonEdit->text().toStdString(), CoordinateKind::Longitude).valueDeg;
    job.order = m_byName->isChecked() ? AtlasIndex::ByName : AtlasIndex::ByPrefix;
    job.minFontSize = m_fontSizeEdit->text().trimmed().toInt();
    job.title = windowTitle();
    return job;
}

void BearingsPrintDialog::PrintBtnClick() {
    if (m_printing || !checkFields())
        return;
    m_printBtn->setEnabled(false);
    m_cancelBtn->setEnabled(false);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (m_chooser && m_chooser(printer, this)) {
        m_printing = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (m_statusLine)
            m_statusLine->SetStatusHint(QStringLiteral("Printing"));
        m_result = PrintBearings(printer, m_atlas, job(), [] { QApplication::processEvents(); });
        QApplication::restoreOverrideCursor();
        m_printing = false;
        ShowUserMessage(this, m_result.message);
    }
    m_printBtn->setEnabled(true);
    m_cancelBtn->setEnabled(true);
    QDialog::accept();
}

void BearingsPrintDialog::reject() {
    if (m_printing)
        return;
    QDialog::reject();
}
