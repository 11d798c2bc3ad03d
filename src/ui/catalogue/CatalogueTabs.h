#pragma once

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Choices.h"

#include <QTabWidget>

#include <array>
#include <functional>

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
    void addStaticTexts();
    void addSwitchRow(Catalogue::SettingId setting, int top);
    void addSliderRow(Catalogue::SettingId setting, int top);
    void addDirectXRow(Catalogue::SettingId setting);
    QWidget *addNameLabel(Catalogue::SettingId setting, const QString &objectName, int left, int top);
    QWidget *addResetButton(Catalogue::SettingId setting, const QString &objectName, int left, int top);
    QWidget *canvas(Catalogue::SettingId setting) const;

    // Gives the setting the value its row's controls now show, unless the controls are only being
    // shown; `name` says what the edit did, for Undo.
    void edit(Catalogue::SettingId setting, const SettingValue &value, const QString &name);
    void showChoices();

    CurrentChoices &m_choices;
    const StartupTables &m_tables;
    bool m_showing = false;
    std::array<StripPage *, Catalogue::tabCount> m_pages{};
    std::array<ClickableLabel *, Catalogue::settingCount> m_names{};
    // Per setting: sets its row's controls to show a value, without reporting it back as an edit.
    std::array<std::function<void(const SettingValue &)>, Catalogue::settingCount> m_showValue;
    QWidgetList m_displayFace;
    QWidgetList m_ownFace;
};
