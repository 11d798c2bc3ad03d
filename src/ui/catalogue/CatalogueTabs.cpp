#include "ui/catalogue/CatalogueTabs.h"

#include "core/catalogue/CatalogueText.h"
#include "core/catalogue/RowActions.h"
#include "ui/catalogue/ControlNames.h"
#include "ui/widgets/DesignFont.h"

#include "ui/catalogue/CatalogueLayout.h"
#include "ui/catalogue/StripPage.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/LinePanel.h"
#include "ui/widgets/Twips.h"
#include "ui/widgets/ValueSlider.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using namespace Qt::StringLiterals;
namespace Layout = CatalogueLayout;
using Catalogue::Kind;
using Catalogue::Setting;

CatalogueTabs::CatalogueTabs(QWidget *parent)
    : QTabWidget(parent)
    , m_dxGroup(new QButtonGroup(this))
{
    setObjectName(u"sstab"_s);
    for (int t = 0; t < Catalogue::tabCount; ++t) {
        const auto tab = static_cast<Catalogue::Tab>(t);
        m_pages[t] = new StripPage(this);
        addTab(m_pages[t], toQString(Catalogue::tabCaption(tab)));
    }
    for (const Layout::Rule &rule : Layout::rules())
        m_pages[static_cast<size_t>(rule.tab)]->canvas()->addLine(rule.x1, Layout::ruleY, rule.x2, Layout::ruleY);
    addStaticTexts();

    std::array<int, Catalogue::tabCount> nextTop{};
    for (int t = 0; t < Catalogue::tabCount; ++t)
        nextTop[t] = Layout::firstRowTop(static_cast<Catalogue::Tab>(t));
    for (const Setting &setting : Catalogue::settings()) {
        if (setting.kind == Kind::DirectX) {
            addDirectXRow(setting); // it has a place of its own, below the stacked rows
            continue;
        }
        int &top = nextTop[static_cast<size_t>(setting.tab)];
        if (setting.kind == Kind::ThreeState)
            addThreeStateRow(setting, top);
        else
            addSliderRow(setting, top);
        top += Layout::rowPitch;
    }
    setCurrentIndex(0);
}

QWidget *CatalogueTabs::canvas(Catalogue::Tab tab) const
{
    return m_pages[static_cast<size_t>(tab)]->canvas();
}

void CatalogueTabs::addStaticTexts()
{
    for (const Layout::StaticText &text : Layout::staticTexts()) {
        auto *label = new QLabel(toQString(text.caption), canvas(text.tab));
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
    }
}

ClickableLabel *CatalogueTabs::addNameLabel(const Setting &setting, QWidget *canvas, int left, int top)
{
    auto *label = new ClickableLabel(toQString(setting.name), canvas);
    label->setGeometry(Twips::rect(left, top, Layout::nameWidth, Layout::nameHeight));
    return label;
}

QPushButton *CatalogueTabs::addResetButton(const QString &objectName, const QString &variable, QWidget *canvas,
                                           int left, int top)
{
    auto *button = new QPushButton(u"D"_s, canvas);
    button->setObjectName(objectName);
    button->setAccessibleName(u"Reset "_s + variable);
    button->setGeometry(Twips::rect(left, top, Layout::resetSize, Layout::resetSize));
    return button;
}

void CatalogueTabs::addThreeStateRow(const Setting &setting, int top)
{
    const int row = setting.rowIndex;
    const Layout::RowGeometry geometry = Layout::rowGeometry(setting);
    QWidget *page = canvas(setting.tab);
    const QString variable = toQString(setting.name);

    QPushButton *reset = addResetButton(indexedName(u"default", row), variable, page, geometry.resetLeft, top);
    connect(reset, &QPushButton::clicked, this, [this, row] { emit resetClicked(row); });

    // Each row's two buttons sit in their own box, so they form one exclusive group per row.
    auto *box = new QWidget(page);
    box->setObjectName(indexedName(u"pic", row));
    box->setFont(DesignFont::courierNew());
    box->setGeometry(Twips::rect(geometry.choiceLeft, top, Layout::optionBoxWidth, Layout::optionBoxHeight));
    auto *group = new QButtonGroup(box);
    auto makeOption = [&](QStringView name, int left, const QString &accessibleName) {
        auto *option = new QRadioButton(box);
        option->setObjectName(indexedName(name, row));
        option->setAccessibleName(accessibleName);
        option->setGeometry(Twips::rect(left, 0, Layout::optionSize, Layout::optionSize));
        group->addButton(option);
        return option;
    };
    m_threeState[row].on = makeOption(u"Option1", 0, variable + u" On"_s);
    m_threeState[row].off = makeOption(u"Option0", Layout::offOptionLeft, variable + u" Off"_s);

    ClickableLabel *name = addNameLabel(setting, page, geometry.nameLeft, top);
    name->setObjectName(indexedName(u"cmd", row));
    connect(name, &ClickableLabel::clicked, this, [this, row] { emit nameClicked(row); });
    m_threeStateNames[row] = name;
}

void CatalogueTabs::addSliderRow(const Setting &setting, int top)
{
    const int row = setting.rowIndex;
    const int k = Catalogue::sliderNumber(row);
    const Layout::RowGeometry geometry = Layout::rowGeometry(setting);
    QWidget *page = canvas(setting.tab);
    const QString variable = toQString(setting.name);

    QPushButton *reset = addResetButton(indexedName(u"default", row), variable, page, geometry.resetLeft, top);
    connect(reset, &QPushButton::clicked, this, [this, row] { emit resetClicked(row); });

    auto *slider = new ValueSlider(variable, page);
    slider->setObjectName(indexedName(u"Slider", k));
    slider->setAccessibleName(variable);
    slider->setGeometry(Twips::rect(geometry.choiceLeft, top, Layout::sliderWidth, Layout::sliderHeight));
    const Catalogue::SliderRange &range = setting.slider;
    slider->setRange(range.min, range.max);
    slider->setSingleStep(range.smallChange);
    slider->setPageStep(range.largeChange);
    slider->setTickInterval(range.tickFrequency);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(range.initial);
    m_sliders[k] = slider;

    ClickableLabel *name = addNameLabel(setting, page, geometry.nameLeft, top);
    name->setObjectName(indexedName(u"cmd", row));
    connect(name, &ClickableLabel::clicked, this, [this, row] { emit nameClicked(row); });
    m_sliderNames[k] = name;
}

void CatalogueTabs::addDirectXRow(const Setting &setting)
{
    QWidget *page = canvas(setting.tab);
    const QString variable = toQString(setting.name);

    QPushButton *reset = addResetButton(u"dxbutton"_s, variable, page, Layout::dxResetLeft, Layout::dxTop);
    connect(reset, &QPushButton::clicked, this, &CatalogueTabs::dxResetClicked);

    m_dxName = addNameLabel(setting, page, Layout::dxNameLeft, Layout::dxTop);
    m_dxName->setObjectName(u"dxcmd"_s);
    connect(m_dxName, &ClickableLabel::clicked, this, &CatalogueTabs::dxNameClicked);

    // The six levels share one group across the whole strip.
    for (int j = 0; j < Catalogue::dxLevelCount; ++j) {
        auto *option = new QRadioButton(toQString(Catalogue::dxCaptions[j]), page);
        option->setObjectName(indexedName(u"dx", j));
        option->setGeometry(Twips::rect(Layout::dxOptionLeft, Layout::dxOptionTop + j * Layout::dxOptionPitch,
                                        Layout::dxOptionWidth, Layout::dxOptionPitch));
        m_dxGroup->addButton(option, j);
    }
}

void CatalogueTabs::describeNames(const StartupTables &tables)
{
    for (const Setting &setting : Catalogue::settings()) {
        ClickableLabel *label = setting.kind == Kind::DirectX ? m_dxName : nameLabel(setting.rowIndex);
        label->setAccessibleDescription(RowActions::descriptionText(tables, setting.descriptionSlot));
    }
}

ClickableLabel *CatalogueTabs::nameLabel(int rowIndex) const
{
    if (Catalogue::isThreeStateRow(rowIndex))
        return m_threeStateNames[rowIndex];
    Q_ASSERT(Catalogue::isSliderRow(rowIndex));
    return m_sliderNames[Catalogue::sliderNumber(rowIndex)];
}

QString CatalogueTabs::caption(int rowIndex) const
{
    return nameLabel(rowIndex)->text();
}

QString CatalogueTabs::dxCaption() const
{
    return m_dxName->text();
}

RowState CatalogueTabs::rowState(int rowIndex) const
{
    const ThreeStateControls &row = m_threeState.at(rowIndex);
    if (row.on->isChecked())
        return RowState::On;
    if (row.off->isChecked())
        return RowState::Off;
    return RowState::Default;
}

void CatalogueTabs::select(int rowIndex, RowState onOrOff)
{
    Q_ASSERT(onOrOff != RowState::Default);
    const ThreeStateControls &row = m_threeState.at(rowIndex);
    (onOrOff == RowState::On ? row.on : row.off)->setChecked(true);
}

int CatalogueTabs::sliderValue(int sliderNumber) const
{
    return m_sliders.at(sliderNumber)->value();
}

void CatalogueTabs::setSliderValue(int sliderNumber, int value)
{
    m_sliders.at(sliderNumber)->setValue(value);
}

std::optional<int> CatalogueTabs::selectedDx() const
{
    const int member = m_dxGroup->checkedId();
    if (member < 0)
        return std::nullopt;
    return member;
}

void CatalogueTabs::selectDx(int member)
{
    m_dxGroup->button(member)->setChecked(true);
}
