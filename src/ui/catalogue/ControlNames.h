#pragma once

#include "core/catalogue/Catalogue.h"

#include <QString>

// Controls that repeat per row are named "base_index" (cmd_5, Slider_3, dx_0), like the members
// of a control array; the tabs name them so and the display font finds them so.
inline QString indexedName(QStringView base, int index)
{
    return base.toString() + u'_' + QString::number(index);
}

// Sliders are numbered among themselves: Slider_0 is the first slider.
inline QString sliderName(Catalogue::SettingId slider)
{
    return indexedName(u"Slider", Catalogue::sliderNumber(slider));
}
