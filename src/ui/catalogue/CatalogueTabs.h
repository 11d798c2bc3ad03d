#pragma once

#include "core/catalogue/Catalogue.h"

#include <QTabWidget>

#include <array>

class ClickableLabel;
class CurrentChoices;
class QButtonGroup;
class QRadioButton;
class QSlider;
class StripPage;
struct StartupTables;

// The tab strip with every row of the catalogue. It shows the current choices and turns each edit
// of a control, and each "D" button, into a new value of them; a name label tells its description.
class CatalogueTabs final : public QTabWidget {
    Q_OBJECT
public:
    // tables: the main window's data tables, for the descriptions and the sliders' reset values.
    CatalogueTabs(CurrentChoices &choices, const StartupTables &tables, QWidget *parent = nullptr);

    // Screen readers read each name label's description: the text its click shows. Called once the
    // data tables are read.
    void describeNames();

    // The controls that take the face the user chooses for the main window, and those that keep
    // their own face whatever face the window around them takes.
    const QWidgetList &displayFaceControls() const { return m_displayFace; }
    const QWidgetList &ownFaceControls() const { return m_ownFace; }

signals:
    // A name label was clicked: its setting's description.
    void describing(const QString &description);

private:
    struct SwitchButtons {
        QRadioButton *on = nullptr;
        QRadioButton *off = nullptr;
    };

    void addStaticTexts();
    void addSwitchRow(int setting, int top);
    void addSliderRow(int setting, int top);
    void addDirectXRow();
    QWidget *addNameLabel(int setting, const QString &objectName, int left, int top);
    QWidget *addResetButton(int setting, const QString &objectName, int left, int top);
    QWidget *canvas(int setting) const;

    // Edits the current choices as `change` says, unless the controls are only being shown; `name`
    // says what the edit did, for Undo.
    template<typename Change> void edit(const QString &name, Change change, std::optional<int> slider = std::nullopt);
    void showChoices();

    CurrentChoices &m_choices;
    const StartupTables &m_tables;
    bool m_showing = false;
    std::array<StripPage *, Catalogue::tabCount> m_pages{};
    std::array<ClickableLabel *, Catalogue::settingCount> m_names{};
    std::array<SwitchButtons, Catalogue::threeStateCount> m_switches{};
    std::array<QSlider *, Catalogue::settingCount> m_sliders{};
    QButtonGroup *m_dxGroup = nullptr;
    QWidgetList m_displayFace;
    QWidgetList m_ownFace;
};
