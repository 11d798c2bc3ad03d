#pragma once

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/RowAccess.h"

#include <QTabWidget>

#include <array>

class ClickableLabel;
class QButtonGroup;
class QPushButton;
class QRadioButton;
class QSlider;
class StripPage;
struct StartupTables;

// The tab strip with every row of the catalogue. Its controls are the rows' state.
class CatalogueTabs final : public QTabWidget, public RowAccess {
    Q_OBJECT
public:
    explicit CatalogueTabs(QWidget *parent = nullptr);

    QString caption(int rowIndex) const override;
    QString dxCaption() const override;
    RowState rowState(int rowIndex) const override;
    void select(int rowIndex, RowState onOrOff) override;
    int sliderValue(int sliderNumber) const override;
    void setSliderValue(int sliderNumber, int value) override;
    std::optional<int> selectedDx() const override;
    void selectDx(int member) override;

    // Screen readers read each name label's description: the text its click shows.
    void describeNames(const StartupTables &tables);

signals:
    // Row index of a clicked name label or "D" button (0..36, 90..103).
    void nameClicked(int rowIndex);
    void resetClicked(int rowIndex);
    void dxNameClicked();
    void dxResetClicked();

private:
    struct ThreeStateControls {
        QRadioButton *on = nullptr;
        QRadioButton *off = nullptr;
    };

    void addStaticTexts();
    void addThreeStateRow(const Catalogue::Setting &setting, int top);
    void addSliderRow(const Catalogue::Setting &setting, int top);
    void addDirectXRow(const Catalogue::Setting &setting);
    ClickableLabel *addNameLabel(const Catalogue::Setting &setting, QWidget *canvas, int left, int top);
    QPushButton *addResetButton(const QString &objectName, const QString &variable, QWidget *canvas, int left, int top);
    QWidget *canvas(Catalogue::Tab tab) const;
    ClickableLabel *nameLabel(int rowIndex) const;

    std::array<StripPage *, Catalogue::tabCount> m_pages{};
    std::array<ClickableLabel *, Catalogue::threeStateCount> m_threeStateNames{};
    std::array<ThreeStateControls, Catalogue::threeStateCount> m_threeState{};
    std::array<ClickableLabel *, Catalogue::sliderCount> m_sliderNames{};
    std::array<QSlider *, Catalogue::sliderCount> m_sliders{};
    ClickableLabel *m_dxName = nullptr;
    QButtonGroup *m_dxGroup = nullptr;
};
