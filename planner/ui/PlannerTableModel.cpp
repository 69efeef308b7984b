#include "planner/ui/PlannerTableModel.h"

#include "planner/PlannerExport.h"
#include "planner/PlannerSheet.h"
#include "planner/PlannerView.h"
#include "widgets/QtText.h"

#include <QColor>

PlannerTableModel::PlannerTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void PlannerTableModel::reset(std::vector<std::string> bandTexts, const TimeZoneState& zone,
                              int utcSlotNow, PredictionEngine engine) {
    beginResetModel();
    m_engine = engine;
    m_rows.clear();
    m_bandTexts = std::move(bandTexts);
    m_zone = zone;
    m_utcSlotNow = utcSlotNow;
    endResetModel();
}

void PlannerTableModel::appendRows(std::vector<PlannerRow> rows) {
    if (rows.empty())
        return;
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    for (PlannerRow& row : rows)
        m_rows.push_back(std::move(row));
    endInsertRows();
}

int PlannerTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PlannerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPlannerBandColumn + static_cast<int>(m_bandTexts.size());
}

QVariant PlannerTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const PlannerRow& row = m_rows[index.row()];
    const int column = index.column();
    const double offset = m_zone.utc ? 0.0 : m_zone.UtcOffset;
    if (column >= kPlannerBandColumn) {
        const std::size_t n = static_cast<std::size_t>(column - kPlannerBandColumn);
        if (n >= row.bands.size())
            return {};
        const PlannerBand& band = row.bands[n];
        if (role == StripRole)
            return Q(StripText(band, offset));
        if (role == ReliabilityRole && m_engine == PredictionEngine::P533) {
            QVariantList strip;
            for (float percent : StripReliability(band, offset))
                strip.append(percent);
            return strip;
        }
        if (role == Qt::ToolTipRole) {
            QString tip = QStringLiteral("%1 MHz: open %2 h")
                              .arg(Q(band.freqText))
                              .arg(band.openCount / 2.0, 0, 'f', 1);
            if (band.longest.length > 0 && band.longest.length < kHalfHours)
                tip += QStringLiteral(", longest %1-%2 %3")
                           .arg(Q(DisplayedSlotTime(band.longest.start, offset)))
                           .arg(Q(DisplayedSlotTime(
                               (band.longest.start + band.longest.length) % kHalfHours, offset)))
                           .arg(Q(m_zone.TimeZoneLabel));
            return tip;
        }
        return {};
    }
    if (column == kPlannerBestNowColumn && OpenAt(row, m_utcSlotNow)) {
        if (role == Qt::BackgroundRole)
            return QColor(170, 230, 170);
        if (role == Qt::ToolTipRole)
            return QStringLiteral("Open now");
    }
    if (role == Qt::DisplayRole)
        return Q(PlannerCellText(row, column, m_utcSlotNow));
    if (role == Qt::TextAlignmentRole && column >= kPlannerDistanceColumn)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant PlannerTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole && section >= kPlannerBandColumn)
        return QVariant(Qt::AlignHCenter | Qt::AlignTop); // the hour ruler lies below
    if (role == Qt::ToolTipRole && section == kPlannerBestNowColumn)
        return m_engine == PredictionEngine::P533
                   ? QStringLiteral("The open band with the highest circuit reliability now")
                   : QStringLiteral("The open band with the highest MUF probability now (the "
                                    "chance the ionosphere supports it)");
    if (role == Qt::ToolTipRole && section >= kPlannerBandColumn)
        return QStringLiteral("0000 to 2400 %1, a column per half hour; the red line is now")
            .arg(Q(m_zone.TimeZoneLabel));
    if (role != Qt::DisplayRole)
        return {};
    static const char* const kPlaceHeaders[] = {"Prefix",  "Name", "km",
                                                "Bearing", "Path", "Best now"};
    if (section < kPlannerBandColumn)
        return QString::fromLatin1(kPlaceHeaders[section]);
    const std::size_t n = static_cast<std::size_t>(section - kPlannerBandColumn);
    return n < m_bandTexts.size() ? Q(m_bandTexts[n]) + QStringLiteral(" MHz") : QString();
}

PlannerSortProxy::PlannerSortProxy(PlannerTableModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), m_source(source) {
    setSourceModel(source);
}

void PlannerSortProxy::setTextFilter(const QString& text) {
    m_filter = text.trimmed().toStdString();
    invalidateFilter();
}

std::vector<PlannerRow> PlannerSortProxy::shownRows() const {
    std::vector<PlannerRow> shown;
    for (int r = 0; r < rowCount(); ++r)
        shown.push_back(m_source->rows()[mapToSource(index(r, 0)).row()]);
    return shown;
}

bool PlannerSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const auto& rows = m_source->rows();
    return PlannerLess(rows[left.row()], rows[right.row()], left.column(), m_source->utcSlotNow());
}

bool PlannerSortProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return PlannerRowMatches(m_source->rows()[sourceRow], m_filter);
}
