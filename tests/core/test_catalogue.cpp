#include "catalogue/Catalogue.h"

#include <QTest>

#include <set>

using namespace Catalogue;

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void rowIndexesAreExactlyTheThreeStateAndSliderRanges()
    {
        std::set<int> indexes;
        int directX = 0;
        for (const Setting &s : settings()) {
            if (s.kind == Kind::DirectX) {
                ++directX;
                QCOMPARE(s.rowIndex, noRowIndex);
                continue;
            }
            QVERIFY2(indexes.insert(s.rowIndex).second, "row index used twice");
            QCOMPARE(s.kind == Kind::ThreeState, isThreeStateRow(s.rowIndex));
            QCOMPARE(s.kind == Kind::Slider, isSliderRow(s.rowIndex));
        }
        QCOMPARE(directX, 1);
        QCOMPARE(int(indexes.size()), 51);
        QCOMPARE(*indexes.begin(), 0);
        QCOMPARE(*indexes.rbegin(), 103);
        for (int i = 37; i < 90; ++i)
            QVERIFY(!indexes.count(i));
    }

    void descriptionSlotsFollowTheRowIndexes()
    {
        std::set<int> usedSlots;
        for (const Setting &s : settings()) {
            const int expected = s.kind == Kind::ThreeState ? s.rowIndex
                                 : s.kind == Kind::DirectX  ? 37
                                                            : s.rowIndex - 52;
            QCOMPARE(s.descriptionSlot, expected);
            usedSlots.insert(s.descriptionSlot);
        }
        QCOMPARE(int(usedSlots.size()), descriptionSlotCount);
        QCOMPARE(*usedSlots.rbegin(), 51);
        QCOMPARE(sliderRow(0).descriptionSlot, 38);
        QCOMPARE(sliderRow(13).descriptionSlot, 51);
    }

    void threeStateRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("resetOn");
        const char *names[] = {"cl_phys_props_enable",
                               "cl_ragdoll_physics_enable",
                               "cl_show_splashes",
                               "cl_smooth",
                               "cl_c4dynamiclight",
                               "cl_ejectbrass",
                               "cl_ragdoll_collide",
                               "cl_show_bloodspray",
                               "fog_enable",
                               "fog_enable_water_fog",
                               "mat_bloom",
                               "mat_bumpmap",
                               "mat_clipz",
                               "mat_fastnobump",
                               "mat_filterlightmaps",
                               "mat_filtertextures",
                               "mat_mipmaptextures",
                               "mat_specular",
                               "mat_trilinear",
                               "mat_antialias",
                               "mat_vsync",
                               "r_drawrain",
                               "r_drawropes",
                               "r_drawmodeldecals",
                               "r_rainsimulate",
                               "r_shadows",
                               "r_waterdrawreflection",
                               "r_waterdrawrefraction",
                               "r_dispenablelod",
                               "r_fastzreject",
                               "cl_dynamiccrosshair",
                               "cl_interpolate",
                               "cl_interp",
                               "cl_showfps",
                               "con_enable",
                               "mat_show_texture_memory_usage",
                               "gameui_hide"};
        const std::set<int> off = {4, 6, 13, 19, 20, 21, 22, 29, 31, 32, 33, 34, 35};
        for (int row = 0; row < 37; ++row) {
            const Tab tab = row < 15 ? Tab::Fps1 : row < 30 ? Tab::Fps2 : Tab::Other;
            QTest::addRow("%d", row) << row << QString::fromLatin1(names[row]) << int(tab) << !off.count(row);
        }
    }
    void threeStateRows()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(int, tab);
        QFETCH(bool, resetOn);
        const Setting &s = threeStateRow(row);
        QCOMPARE(s.rowIndex, row);
        QCOMPARE(QString::fromLatin1(s.name), name);
        QCOMPARE(int(s.tab), tab);
        QCOMPARE(s.reset, resetOn ? Reset::On : Reset::Off);
    }

    void sliderRows_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QList<int>>("numbers"); // min max initial small large tick
        auto add = [](int k, const char *name, Tab tab, QList<int> numbers) {
            QTest::addRow("%s", name) << k << QString::fromLatin1(name) << int(tab) << numbers;
        };
        add(0, "cl_phys_props_max", Tab::Fps3, {0, 1000, 300, 50, 1000, 50});
        add(1, "mp_decals", Tab::Fps3, {0, 4096, 200, 16, 128, 256});
        add(2, "r_decals", Tab::Fps3, {0, 4096, 2048, 16, 128, 256});
        add(3, "r_dispradius", Tab::Fps3, {50, 1000, 500, 10, 100, 50});
        add(4, "r_dispfullradius", Tab::Fps3, {50, 1000, 400, 10, 100, 50});
        add(5, "r_propsmaxdist", Tab::Fps3, {100, 5000, 1200, 50, 100, 500});
        add(6, "r_rainradius", Tab::Fps3, {0, 3000, 1500, 50, 100, 200});
        add(7, "r_rainsplashpercentage", Tab::Fps3, {0, 100, 20, 1, 10, 10});
        add(8, "cl_updaterate", Tab::Ping, {1, 100, 20, 5, 10, 5});
        add(9, "cl_cmdrate", Tab::Ping, {1, 100, 30, 5, 10, 5});
        add(10, "cl_rate", Tab::Ping, {1, 30000, 10000, 50, 500, 2000});
        add(11, "rate", Tab::Ping, {10000, 50000, 25000, 1000, 5000, 5000});
        add(12, "fps_max", Tab::Ping, {1, 300, 300, 5, 10, 25});
        add(13, "fov", Tab::Other, {1, 360, 75, 5, 10, 30});
    }
    void sliderRows()
    {
        QFETCH(int, k);
        QFETCH(QString, name);
        QFETCH(int, tab);
        QFETCH(QList<int>, numbers);
        const Setting &s = sliderRow(k);
        QCOMPARE(s.rowIndex, 90 + k);
        QCOMPARE(sliderNumber(s.rowIndex), k);
        QCOMPARE(QString::fromLatin1(s.name), name);
        QCOMPARE(int(s.tab), tab);
        QCOMPARE(s.reset, Reset::SliderDefault);
        const SliderRange &r = s.slider;
        QCOMPARE((QList<int>{r.min, r.max, r.initial, r.smallChange, r.largeChange, r.tickFrequency}), numbers);
    }

    void directXRowAndLevels()
    {
        const Setting &dx = directXRow();
        QCOMPARE(QString::fromLatin1(dx.name), QStringLiteral("mat_dxlevel"));
        QCOMPARE(dx.tab, Tab::Other);
        QCOMPARE(dx.reset, Reset::DirectX90);
        QCOMPARE(dxLevels[dxResetMember], 90);
        QCOMPARE(dxMemberForLevel(81), std::optional<int>(4));
        QCOMPARE(dxMemberForLevel(50), std::optional<int>(0));
        QCOMPARE(dxMemberForLevel(85), std::nullopt);
        QCOMPARE(QString::fromLatin1(dxCaptions[4]), QStringLiteral("DirectX 8.1"));
    }

    void tabCaptionsInOrder()
    {
        QStringList captions;
        for (int t = 0; t < tabCount; ++t)
            captions << QString::fromLatin1(tabCaption(static_cast<Tab>(t)));
        QCOMPARE(captions, (QStringList{"FPS 1", "FPS 2", "FPS 3", "Ping", "Bots", "Other"}));
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
