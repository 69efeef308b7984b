#pragma once

#include "core/Dates.h"
#include "engine/Propagation.h"
#include "report/PathInfoPage.h"

#include <QDialog>
#include <vector>

class QPushButton;

/// The path information window: the facts of the current path as a page of
/// centred lines (terminals, date, coordinates, sunrise, sunset and gray line,
/// bearings and lengths of both paths).
///
/// Two modes, chosen when it is created: with a Close button (a modal window opened
/// from the menus, closed by Close, Enter, C or Esc), or without one (a borderless
/// panel that stays up, without modality, while a prediction is computed; only its
/// owner closes it, with closeByOwner()).
class PathInfoPanel : public QDialog {
    Q_OBJECT
public:
    PathInfoPanel(const PredictionRequest& request, const DateConventions& dates, bool withClose,
                  QWidget* parent = nullptr);

    bool withClose() const { return m_withClose; }
    /// The line height of the page, pixels.
    int lineHeight() const { return m_lineHeight; }
    /// The lines drawn on the page.
    const std::vector<PathInfoLine>& lines() const { return m_lines; }
    /// Where the progress window goes under the panel: the panel's top plus its
    /// height minus one line.
    int progressTop() const;
    /// Closes the window in either mode (the panel refuses every other close).
    void closeByOwner();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void CloseCoverImageClick();

    std::vector<PathInfoLine> m_lines;
    bool m_withClose;
    bool m_ownerCloses = false;
    int m_lineHeight = 0;
    QColor m_background;
    QPushButton* m_closeButton = nullptr;
};
