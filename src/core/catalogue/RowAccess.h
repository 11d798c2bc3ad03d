#pragma once

#include <QString>

#include <optional>

enum class RowState { Default, On, Off };

// Reads and sets the rows of the catalogue. The row controls are the only record of row
// state; composers and readers work through this interface so they need no widgets.
class RowAccess {
public:
    virtual ~RowAccess() = default;

    // Caption of the name label of a three-state (0..36) or slider (90..103) row.
    virtual QString caption(int rowIndex) const = 0;
    virtual QString dxCaption() const = 0;

    virtual RowState rowState(int rowIndex) const = 0;
    // Selects On or Off; selecting one clears the other. No row is ever put back to Default.
    virtual void select(int rowIndex, RowState onOrOff) = 0;

    virtual int sliderValue(int sliderNumber) const = 0;
    // The slider keeps its value within its range: values outside are clamped to the nearest end.
    virtual void setSliderValue(int sliderNumber, int value) = 0;

    // The selected DirectX member 0..5, if any.
    virtual std::optional<int> selectedDx() const = 0;
    virtual void selectDx(int member) = 0;
};
