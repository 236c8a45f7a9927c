#pragma once

#include "ui/RowSource.h"

#include <QStringList>

namespace company {

/// The rows of the company choose screen: a heading row, then one row per code with a tick
/// when the company is shown.
class CompanyListChooseRows final : public ui::RowSource {
public:
    static constexpr int kRowHeight = 30;
    /// The two words of the heading row: over the codes and over the ticks.
    static const QString kCodeTitle;
    static const QString kShownTitle;
    static const QString kHeading;

    void setCodes(const QStringList& codes) { m_codes = codes; }
    void setVisibleAttrs(const QStringList& visibleAttrs) { m_visible = visibleAttrs; }
    const QStringList& codes() const { return m_codes; }

    /// The code of a row below the heading, or an empty text for the heading and beyond the end.
    QString codeAt(int row) const;
    /// Whether a code row carries a tick: its visible value is not 0.
    bool isChecked(int row) const;
    /// The text a row shows.
    QString textAt(int row) const;

    int rowCount() const override { return int(m_codes.size()) + 1; }
    int rowHeight(int /*row*/) const override { return kRowHeight; }
    void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const override;
    /// The heading row's two words; a code row gives its code and its tick ("✓" or nothing), the
    /// heading row nothing.
    QStringList columnTitles() const override { return {kCodeTitle, kShownTitle}; }
    QStringList rowTexts(int row) const override;

private:
    QStringList m_codes;
    QStringList m_visible;
};

} // namespace company
