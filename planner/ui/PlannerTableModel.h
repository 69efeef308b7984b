#pragma once

#include "planner/Planner.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <string>
#include <vector>

/// The planner's rows for a table view: the place columns as text and, per band, the
/// strip of 48 half hours (StripRole, StripText) that PlannerStripDelegate paints. Rows
/// are appended as the computation delivers them.
class PlannerTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int StripRole = Qt::UserRole + 1;
    /// A P.533 run's strip as a list of 48 reliabilities (StripReliability); invalid for
    /// a classic run, whose strips are coloured by class.
    static constexpr int ReliabilityRole = Qt::UserRole + 2;

    explicit PlannerTableModel(QObject* parent = nullptr);

    /// Empties the table for a new run: the band headers, the time zone of the strips
    /// and "now" (the UTC half hour for the best band now).
    void reset(std::vector<std::string> bandTexts, const TimeZoneState& zone, int utcSlotNow,
               PredictionEngine engine = PredictionEngine::Classic);
    void appendRows(std::vector<PlannerRow> rows);
    const std::vector<PlannerRow>& rows() const { return m_rows; }
    int utcSlotNow() const { return m_utcSlotNow; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<PlannerRow> m_rows;
    std::vector<std::string> m_bandTexts;
    TimeZoneState m_zone;
    int m_utcSlotNow = 0;
    PredictionEngine m_engine = PredictionEngine::Classic;
};

/// Sorts the planner's rows by PlannerLess and keeps those PlannerRowMatches the filter.
class PlannerSortProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit PlannerSortProxy(PlannerTableModel* source, QObject* parent = nullptr);
    void setTextFilter(const QString& text);
    /// The source rows in the order shown.
    std::vector<PlannerRow> shownRows() const;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    PlannerTableModel* m_source;
    std::string m_filter;
};
