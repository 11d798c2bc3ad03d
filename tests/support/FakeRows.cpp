#include "support/FakeRows.h"

#include <QRandomGenerator>

#include <algorithm>

using namespace Qt::StringLiterals;

FakeRows::FakeRows()
{
    for (int k = 0; k < Catalogue::sliderCount; ++k)
        m_sliders[k] = Catalogue::sliderRow(k).slider.initial;
}

FakeRows FakeRows::random(quint32 seed)
{
    QRandomGenerator random(seed);
    FakeRows rows;
    for (int row = 0; row < Catalogue::threeStateCount; ++row) {
        if (const quint32 state = random.bounded(3); state > 0)
            rows.select(row, state == 1 ? RowState::On : RowState::Off);
    }
    for (int k = 0; k < Catalogue::sliderCount; ++k) {
        const Catalogue::SliderRange &range = Catalogue::sliderRow(k).slider;
        const std::array values{range.min, range.max, random.bounded(range.min, range.max + 1)};
        rows.setSliderValue(k, values.at(random.bounded(3)));
    }
    if (const int member = random.bounded(Catalogue::dxLevelCount + 1); member < Catalogue::dxLevelCount)
        rows.selectDx(member);
    return rows;
}

QString FakeRows::caption(int rowIndex) const
{
    return QString::fromLatin1(Catalogue::rowWithIndex(rowIndex).name);
}

QString FakeRows::dxCaption() const
{
    return QString::fromLatin1(Catalogue::dxName);
}

void FakeRows::setSliderValue(int sliderNumber, int value)
{
    const Catalogue::SliderRange &range = Catalogue::sliderRow(sliderNumber).slider;
    m_sliders.at(sliderNumber) = std::clamp(value, range.min, range.max);
}

bool FakeRows::operator==(const FakeRows &other) const
{
    return m_states == other.m_states && m_sliders == other.m_sliders && m_dx == other.m_dx;
}

QStringList changedRows(const RowAccess &rows)
{
    const FakeRows start;
    QStringList changed;
    for (int row = 0; row < Catalogue::threeStateCount; ++row) {
        if (rows.rowState(row) != start.rowState(row))
            changed << u"%1=%2"_s.arg(rows.caption(row), rows.rowState(row) == RowState::On ? u"On"_s : u"Off"_s);
    }
    for (int k = 0; k < Catalogue::sliderCount; ++k) {
        if (rows.sliderValue(k) != start.sliderValue(k))
            changed << u"%1=%2"_s.arg(rows.caption(Catalogue::firstSliderRow + k)).arg(rows.sliderValue(k));
    }
    if (rows.selectedDx())
        changed << u"%1=%2"_s.arg(rows.dxCaption()).arg(Catalogue::dxLevels.at(*rows.selectedDx()));
    return changed;
}
