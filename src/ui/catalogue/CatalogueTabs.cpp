#include "ui/catalogue/CatalogueTabs.h"

#include "core/catalogue/CatalogueText.h"
#include "core/catalogue/RowActions.h"
#include "ui/CurrentChoices.h"
#include "ui/catalogue/CatalogueLayout.h"
#include "ui/catalogue/StripPage.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/DesignFont.h"
#include "ui/widgets/LinePanel.h"
#include "ui/widgets/Twips.h"
#include "ui/widgets/ValueSlider.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

using namespace Qt::StringLiterals;
namespace Layout = CatalogueLayout;
using Catalogue::Kind;

namespace {

// Controls that repeat are named "base_index": a row's button, box and name by the row's number
// (default_5, pic_5, cmd_5), sliders and DirectX levels by their number among their kind (Slider_3, dx_0).
QString indexedName(QStringView base, int index)
{
    return base.toString() + u'_' + QString::number(index);
}

QString sliderName(Catalogue::SettingId slider)
{
    return indexedName(u"Slider", Catalogue::sliderNumber(slider));
}

// Unchecks every button of an exclusive group, which the group alone never allows.
void uncheckAll(QButtonGroup &group)
{
    if (QAbstractButton *checked = group.checkedButton()) {
        group.setExclusive(false);
        checked->setChecked(false);
        group.setExclusive(true);
    }
}

} // namespace

CatalogueTabs::CatalogueTabs(CurrentChoices &choices, const StartupTables &tables, QWidget *parent)
    : QTabWidget(parent)
    , m_choices(choices)
    , m_tables(tables)
{
    setObjectName(u"sstab"_s);
    for (int t = 0; t < Catalogue::tabCount; ++t) {
        m_pages[t] = new StripPage(this);
        addTab(m_pages[t], toQString(Catalogue::tabCaption(static_cast<Catalogue::Tab>(t))));
    }
    for (const Layout::Rule &rule : Layout::rules())
        m_pages[static_cast<size_t>(rule.tab)]->canvas()->addLine(rule.x1, Layout::ruleY, rule.x2, Layout::ruleY);
    addStaticTexts();

    std::array<int, Catalogue::tabCount> nextTop{};
    for (int t = 0; t < Catalogue::tabCount; ++t)
        nextTop[t] = Layout::firstRowTop(static_cast<Catalogue::Tab>(t));
    // The one place where a row's kind decides its controls; from then on each row shows its value.
    for (const Catalogue::SettingId id : Catalogue::allSettings()) {
        const Catalogue::Setting &setting = Catalogue::setting(id);
        int &top = nextTop[static_cast<size_t>(setting.tab)];
        switch (setting.kind) {
        case Kind::ThreeState:
            addSwitchRow(id, top);
            break;
        case Kind::Slider:
            addSliderRow(id, top);
            break;
        case Kind::DirectX:
            addDirectXRow(id); // it has a place of its own, below the stacked rows
            continue;
        }
        top += Layout::rowPitch;
    }
    setCurrentIndex(0);
    showChoices();
    connect(&m_choices, &CurrentChoices::changed, this, &CatalogueTabs::showChoices);
}

QWidget *CatalogueTabs::canvas(Catalogue::SettingId setting) const
{
    return m_pages[static_cast<size_t>(Catalogue::setting(setting).tab)]->canvas();
}

void CatalogueTabs::addStaticTexts()
{
    for (const Layout::StaticText &text : Layout::staticTexts()) {
        auto *label = new QLabel(toQString(text.caption), m_pages[static_cast<size_t>(text.tab)]->canvas());
        const QString base = toQString(text.objectName.base);
        label->setObjectName(text.objectName.index < 0 ? base : indexedName(base, text.objectName.index));
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(Twips::rect(text.left, text.top, text.width, text.height));
        label->setAlignment(text.alignment);
        label->setWordWrap(text.wordWrap);
        if (!text.toolTip.empty())
            label->setToolTip(toQString(text.toolTip));
        if (text.colour) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor::fromRgb(*text.colour));
            label->setPalette(palette);
        }
        if (text.italic) {
            QFont font = label->font();
            font.setItalic(true);
            label->setFont(font);
        }
        (text.face == Layout::Face::Display ? m_displayFace : m_ownFace) << label;
    }
}

QWidget *CatalogueTabs::addNameLabel(Catalogue::SettingId setting, const QString &objectName, int left, int top)
{
    auto *label = new ClickableLabel(toQString(Catalogue::setting(setting).name), canvas(setting));
    label->setObjectName(objectName);
    label->setGeometry(Twips::rect(left, top, Layout::nameWidth, Layout::nameHeight));
    connect(label, &ClickableLabel::clicked, this,
            [this, setting] { emit describing(RowActions::descriptionText(m_tables, setting)); });
    m_names[static_cast<size_t>(setting.place())] = label;
    return label;
}

QWidget *CatalogueTabs::addResetButton(Catalogue::SettingId setting, const QString &objectName, int left, int top)
{
    auto *button = new QPushButton(u"D"_s, canvas(setting));
    button->setObjectName(objectName);
    button->setAccessibleName(u"Reset "_s + toQString(Catalogue::setting(setting).name));
    button->setGeometry(Twips::rect(left, top, Layout::resetSize, Layout::resetSize));
    connect(button, &QPushButton::clicked, this, [this, setting, name = button->accessibleName()] {
        Choices reset = m_choices.value();
        RowActions::reset(reset, m_tables, setting);
        m_choices.change(reset, name);
    });
    return button;
}

void CatalogueTabs::addSwitchRow(Catalogue::SettingId setting, int top)
{
    const int row = Catalogue::setting(setting).rowIndex;
    const Layout::RowGeometry geometry = Layout::rowGeometry(Catalogue::setting(setting));
    const QString variable = toQString(Catalogue::setting(setting).name);
    m_displayFace << addResetButton(setting, indexedName(u"default", row), geometry.resetLeft, top);

    // Each row's two buttons sit in their own box, so they form one exclusive group per row.
    auto *box = new QWidget(canvas(setting));
    box->setObjectName(indexedName(u"pic", row));
    box->setFont(DesignFont::courierNew());
    m_ownFace << box;
    box->setGeometry(Twips::rect(geometry.choiceLeft, top, Layout::optionBoxWidth, Layout::optionBoxHeight));
    auto *group = new QButtonGroup(box);
    auto makeOption = [&](QStringView name, int left, SwitchState state, const QString &accessibleName) {
        auto *option = new QRadioButton(box);
        option->setObjectName(indexedName(name, row));
        option->setAccessibleName(accessibleName);
        option->setGeometry(Twips::rect(left, 0, Layout::optionSize, Layout::optionSize));
        group->addButton(option);
        connect(option, &QRadioButton::toggled, this, [this, setting, state, accessibleName](bool checked) {
            if (checked)
                edit(setting, state, accessibleName);
        });
        return option;
    };
    QRadioButton *on = makeOption(u"Option1", 0, SwitchState::On, variable + u" On"_s);
    QRadioButton *off = makeOption(u"Option0", Layout::offOptionLeft, SwitchState::Off, variable + u" Off"_s);
    m_showValue[static_cast<size_t>(setting.place())] = [group, on, off](const SettingValue &value) {
        const SwitchState state = std::get<SwitchState>(value);
        if (state == SwitchState::Default)
            uncheckAll(*group);
        else
            (state == SwitchState::On ? on : off)->setChecked(true);
    };

    m_displayFace << addNameLabel(setting, indexedName(u"cmd", row), geometry.nameLeft, top);
}

void CatalogueTabs::addSliderRow(Catalogue::SettingId setting, int top)
{
    const Catalogue::Setting &row = Catalogue::setting(setting);
    const Layout::RowGeometry geometry = Layout::rowGeometry(row);
    const QString variable = toQString(row.name);
    m_displayFace << addResetButton(setting, indexedName(u"default", row.rowIndex), geometry.resetLeft, top);

    auto *slider = new ValueSlider(variable, toQString(row.slider.lowestCaption), canvas(setting));
    slider->setObjectName(sliderName(setting));
    slider->setAccessibleName(variable);
    slider->setGeometry(Twips::rect(geometry.choiceLeft, top, Layout::sliderWidth, Layout::sliderHeight));
    slider->setRange(row.slider.min, row.slider.max);
    slider->setSingleStep(row.slider.smallChange);
    slider->setPageStep(row.slider.largeChange);
    slider->setTickInterval(row.slider.tickFrequency);
    slider->setTickPosition(QSlider::TicksBelow);
    // Drags, keys, the wheel, track clicks and screen readers all change the value.
    connect(slider, &QSlider::valueChanged, this,
            [this, setting, variable](int value) { edit(setting, SliderPosition{value}, variable); });
    m_ownFace << slider;

    // The number field takes a typed value on Enter or when focus leaves, as one edit like a drag.
    auto *field = new QSpinBox(canvas(setting));
    field->setObjectName(indexedName(u"SliderValue", Catalogue::sliderNumber(setting)));
    field->setAccessibleName(variable + u" value"_s);
    field->setRange(row.slider.min, row.slider.max);
    field->setSingleStep(row.slider.smallChange);
    field->setSpecialValueText(toQString(row.slider.lowestCaption));
    // Wider, leftwards from the row's end, where the platform's style and faces need more room for the
    // range's longest value.
    const QRect designed = Twips::rect(Layout::sliderValueLeft, top - Layout::sliderValueRaise,
                                       Layout::sliderValueWidth, Layout::sliderValueHeight);
    const int width = std::max(designed.width(), field->minimumSizeHint().width());
    field->setGeometry(designed.right() + 1 - width, designed.top(), width, designed.height());
    field->setKeyboardTracking(false);
    field->setAlignment(Qt::AlignRight);
    connect(field, &QSpinBox::valueChanged, this,
            [this, setting, variable](int value) { edit(setting, SliderPosition{value}, variable); });
    m_ownFace << field;

    m_showValue[static_cast<size_t>(setting.place())] = [slider, field](const SettingValue &value) {
        slider->setValue(std::get<SliderPosition>(value).value);
        field->setValue(std::get<SliderPosition>(value).value);
    };

    m_displayFace << addNameLabel(setting, indexedName(u"cmd", row.rowIndex), geometry.nameLeft, top);
}

void CatalogueTabs::addDirectXRow(Catalogue::SettingId setting)
{
    // Unlike the stacked rows, the DirectX row's button and name keep their face; its levels take the window's.
    m_ownFace << addResetButton(setting, u"dxbutton"_s, Layout::dxResetLeft, Layout::dxTop)
              << addNameLabel(setting, u"dxcmd"_s, Layout::dxNameLeft, Layout::dxTop);

    // The levels share one group across the whole strip; each button's id is its level.
    auto *group = new QButtonGroup(this);
    for (int member = 0; member < int(Catalogue::dxLevels.size()); ++member) {
        const Catalogue::DxLevel &level = Catalogue::dxLevels[static_cast<size_t>(member)];
        auto *option = new QRadioButton(toQString(level.caption), canvas(setting));
        option->setObjectName(indexedName(u"dx", member));
        option->setGeometry(Twips::rect(Layout::dxOptionLeft, Layout::dxOptionTop + member * Layout::dxOptionPitch,
                                        Layout::dxOptionWidth, Layout::dxOptionPitch));
        group->addButton(option, level.level);
        m_displayFace << option;
    }
    connect(group, &QButtonGroup::idToggled, this, [this, setting, group](int level, bool checked) {
        if (checked)
            edit(setting, DxSelection{level}, group->button(level)->text());
    });
    m_showValue[static_cast<size_t>(setting.place())] = [group](const SettingValue &value) {
        if (const std::optional<int> level = std::get<DxSelection>(value).level)
            group->button(*level)->setChecked(true);
        else
            uncheckAll(*group);
    };
}

void CatalogueTabs::describeNames()
{
    for (const Catalogue::SettingId setting : Catalogue::allSettings())
        m_names[static_cast<size_t>(setting.place())]->setAccessibleDescription(
            RowActions::descriptionText(m_tables, setting));
}

void CatalogueTabs::edit(Catalogue::SettingId setting, const SettingValue &value, const QString &name)
{
    if (m_showing)
        return;
    Choices edited = m_choices.value();
    edited.set(setting, value);
    // Changes of one slider in a row are one step to undo.
    const bool slider = std::holds_alternative<SliderPosition>(value);
    m_choices.change(edited, name, slider ? std::optional(setting) : std::nullopt);
}

void CatalogueTabs::showChoices()
{
    // The controls follow the value without reporting it back as an edit.
    m_showing = true;
    for (const Catalogue::SettingId setting : Catalogue::allSettings())
        m_showValue[static_cast<size_t>(setting.place())](m_choices.value().value(setting));
    m_showing = false;
}
