#pragma once

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/RowAccess.h"

#include <QStringList>

#include <array>

// Rows without widgets, for testing composers and readers. Starts in the window's initial state and,
// as the window does, keeps each slider within its range.
class FakeRows final : public RowAccess {
public:
    FakeRows();
    // Rows in any state the window can be in, the same for the same seed; sliders often at the ends of
    // their ranges, where values read from a file are clamped to.
    static FakeRows random(quint32 seed);

    QString caption(int rowIndex) const override;
    QString dxCaption() const override;
    RowState rowState(int rowIndex) const override { return m_states.at(rowIndex); }
    void select(int rowIndex, RowState onOrOff) override { m_states.at(rowIndex) = onOrOff; }
    int sliderValue(int sliderNumber) const override { return m_sliders.at(sliderNumber); }
    void setSliderValue(int sliderNumber, int value) override;
    std::optional<int> selectedDx() const override { return m_dx; }
    void selectDx(int member) override { m_dx = member; }

    bool operator==(const FakeRows &other) const;

private:
    std::array<RowState, Catalogue::threeStateCount> m_states{};
    std::array<int, Catalogue::sliderCount> m_sliders{};
    std::optional<int> m_dx;
};

// Every row that differs from the window's initial state, as "name=state", in row order; the
// DirectX row last. Two rows are in the same state exactly when these lists are equal.
QStringList changedRows(const RowAccess &rows);
