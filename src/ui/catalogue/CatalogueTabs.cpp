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

// Sliders are numbered among themselves: Slider_0 is the slider of row 90.
QString sliderName(const Catalogue::Setting &slider)
{
    return indexedName(u"Slider", slider.rowIndex - Catalogue::firstSliderRow);
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
    , m_dxGroup(new QButtonGroup(this))
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
    for (int place = 0; place < Catalogue::settingCount; ++place) {
        const Catalogue::Setting &setting = Catalogue::setting(place);
        if (setting.kind == Kind::DirectX) {
            addDirectXRow(); // it has a place of its own, below the stacked rows
            continue;
        }
        int &top = nextTop[static_cast<size_t>(setting.tab)];
        if (setting.kind == Kind::ThreeState)
            addSwitchRow(place, top);
        else
            addSliderRow(place, top);
        top += Layout::rowPitch;
    }
    setCurrentIndex(0);
    showChoices();
    connect(&m_choices, &CurrentChoices::changed, this, &CatalogueTabs::showChoices);
}

QWidget *CatalogueTabs::canvas(int setting) const
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

QWidget *CatalogueTabs::addNameLabel(int setting, const QString &objectName, int left, int top)
{
    auto *label = new ClickableLabel(toQString(Catalogue::setting(setting).name), canvas(setting));
    label->setObjectName(objectName);
    label->setGeometry(Twips::rect(left, top, Layout::nameWidth, Layout::nameHeight));
    connect(label, &ClickableLabel::clicked, this,
            [this, setting] { emit describing(RowActions::descriptionText(m_tables, setting)); });
    m_names[setting] = label;
    return label;
}

QWidget *CatalogueTabs::addResetButton(int setting, const QString &objectName, int left, int top)
{
    auto *button = new QPushButton(u"D"_s, canvas(setting));
    button->setObjectName(objectName);
    button->setAccessibleName(u"Reset "_s + toQString(Catalogue::setting(setting).name));
    button->setGeometry(Twips::rect(left, top, Layout::resetSize, Layout::resetSize));
    connect(button, &QPushButton::clicked, this, [this, setting, name = button->accessibleName()] {
        edit(name, [&](Choices &choices) { RowActions::reset(choices, m_tables, setting); });
    });
    return button;
}

void CatalogueTabs::addSwitchRow(int setting, int top)
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
                edit(accessibleName, [&](Choices &choices) { choices.setSwitch(setting, state); });
        });
        return option;
    };
    m_switches[setting].on = makeOption(u"Option1", 0, SwitchState::On, variable + u" On"_s);
    m_switches[setting].off = makeOption(u"Option0", Layout::offOptionLeft, SwitchState::Off, variable + u" Off"_s);

    m_displayFace << addNameLabel(setting, indexedName(u"cmd", row), geometry.nameLeft, top);
}

void CatalogueTabs::addSliderRow(int setting, int top)
{
    const Catalogue::Setting &row = Catalogue::setting(setting);
    const Layout::RowGeometry geometry = Layout::rowGeometry(row);
    const QString variable = toQString(row.name);
    m_displayFace << addResetButton(setting, indexedName(u"default", row.rowIndex), geometry.resetLeft, top);

    auto *slider = new ValueSlider(variable, canvas(setting));
    slider->setObjectName(sliderName(row));
    slider->setAccessibleName(variable);
    slider->setGeometry(Twips::rect(geometry.choiceLeft, top, Layout::sliderWidth, Layout::sliderHeight));
    slider->setRange(row.slider.min, row.slider.max);
    slider->setSingleStep(row.slider.smallChange);
    slider->setPageStep(row.slider.largeChange);
    slider->setTickInterval(row.slider.tickFrequency);
    slider->setTickPosition(QSlider::TicksBelow);
    // Drags, keys, the wheel, track clicks and screen readers all change the value.
    connect(slider, &QSlider::valueChanged, this, [this, setting, variable](int value) {
        edit(
            variable, [&](Choices &choices) { choices.setSliderValue(setting, value); }, setting);
    });
    m_sliders[setting] = slider;
    m_ownFace << slider;

    m_displayFace << addNameLabel(setting, indexedName(u"cmd", row.rowIndex), geometry.nameLeft, top);
}

void CatalogueTabs::addDirectXRow()
{
    const int setting = Catalogue::directXSetting;
    // Unlike the stacked rows, the DirectX row's button and name keep their face; its levels take the window's.
    m_ownFace << addResetButton(setting, u"dxbutton"_s, Layout::dxResetLeft, Layout::dxTop)
              << addNameLabel(setting, u"dxcmd"_s, Layout::dxNameLeft, Layout::dxTop);

    // The six levels share one group across the whole strip.
    for (int member = 0; member < Catalogue::dxLevelCount; ++member) {
        auto *option = new QRadioButton(toQString(Catalogue::dxCaptions[member]), canvas(setting));
        option->setObjectName(indexedName(u"dx", member));
        option->setGeometry(Twips::rect(Layout::dxOptionLeft, Layout::dxOptionTop + member * Layout::dxOptionPitch,
                                        Layout::dxOptionWidth, Layout::dxOptionPitch));
        m_dxGroup->addButton(option, member);
        m_displayFace << option;
    }
    connect(m_dxGroup, &QButtonGroup::idToggled, this, [this](int member, bool checked) {
        if (checked) {
            edit(toQString(Catalogue::dxCaptions[member]), [&](Choices &choices) { choices.setDxMember(member); });
        }
    });
}

void CatalogueTabs::describeNames()
{
    for (int place = 0; place < Catalogue::settingCount; ++place)
        m_names[place]->setAccessibleDescription(RowActions::descriptionText(m_tables, place));
}

template<typename Change> void CatalogueTabs::edit(const QString &name, Change change, std::optional<int> slider)
{
    if (m_showing)
        return;
    Choices edited = m_choices.value();
    change(edited);
    m_choices.change(edited, name, slider);
}

void CatalogueTabs::showChoices()
{
    // The controls follow the value without reporting it back as an edit.
    m_showing = true;
    const Choices &choices = m_choices.value();
    for (int place = 0; place < Catalogue::settingCount; ++place) {
        switch (Catalogue::setting(place).kind) {
        case Kind::ThreeState: {
            const SwitchState state = choices.switchState(place);
            if (state == SwitchState::Default)
                uncheckAll(*m_switches[place].on->group());
            else
                (state == SwitchState::On ? m_switches[place].on : m_switches[place].off)->setChecked(true);
            break;
        }
        case Kind::Slider:
            m_sliders[place]->setValue(choices.sliderValue(place));
            break;
        case Kind::DirectX:
            if (const std::optional<int> member = choices.dxMember())
                m_dxGroup->button(*member)->setChecked(true);
            else
                uncheckAll(*m_dxGroup);
            break;
        }
    }
    m_showing = false;
}
