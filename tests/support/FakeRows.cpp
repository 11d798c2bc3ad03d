#include "support/FakeRows.h"

#include <algorithm>

FakeRows::FakeRows()
{
    for (int k = 0; k < Catalogue::sliderCount; ++k)
        m_sliders[k] = Catalogue::sliderRow(k).slider.initial;
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
