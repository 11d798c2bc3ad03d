#include "support/FakeRows.h"

#include <algorithm>

FakeRows::FakeRows()
{
    for (int k = 0; k < Catalogue::sliderCount; ++k)
        m_sliders[k] = Catalogue::sliderRow(k).slider.initial;
}

QString FakeRows::caption(int rowIndex) const
{
    const Catalogue::Setting &setting = Catalogue::isThreeStateRow(rowIndex)
                                            ? Catalogue::threeStateRow(rowIndex)
                                            : Catalogue::sliderRow(Catalogue::sliderNumber(rowIndex));
    return QString::fromLatin1(setting.name);
}

QString FakeRows::dxCaption() const
{
    return QString::fromLatin1(Catalogue::dxName);
}

RowState FakeRows::rowState(int rowIndex) const
{
    return m_states.at(rowIndex);
}

void FakeRows::select(int rowIndex, RowState onOrOff)
{
    m_states.at(rowIndex) = onOrOff;
}

int FakeRows::sliderValue(int sliderNumber) const
{
    return m_sliders.at(sliderNumber);
}

void FakeRows::setSliderValue(int sliderNumber, int value)
{
    const Catalogue::SliderRange &range = Catalogue::sliderRow(sliderNumber).slider;
    m_sliders.at(sliderNumber) = std::clamp(value, range.min, range.max);
}

std::optional<int> FakeRows::selectedDx() const
{
    return m_dx;
}

void FakeRows::selectDx(int member)
{
    m_dx = member;
}

bool FakeRows::operator==(const FakeRows &other) const
{
    return m_states == other.m_states && m_sliders == other.m_sliders && m_dx == other.m_dx;
}
