#include "core/catalogue/Catalogue.h"

#include <QTest>

#include <set>

using namespace Catalogue;
using namespace Qt::StringLiterals;

// The table against the rules it follows; what no rule gives (reset states, slider numbers) listed once.
class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void indexesKindsAndSlots()
    {
        std::set<int> indexes, usedSlots;
        for (const Setting &s : settings()) {
            QVERIFY(s.kind == Kind::DirectX ? s.rowIndex == noRowIndex : indexes.insert(s.rowIndex).second);
            QCOMPARE(s.kind == Kind::ThreeState, isThreeStateRow(s.rowIndex));
            QCOMPARE(s.kind == Kind::Slider, isSliderRow(s.rowIndex));
            const int slot = s.kind == Kind::DirectX ? 37 : s.kind == Kind::Slider ? s.rowIndex - 52 : s.rowIndex;
            QCOMPARE(s.descriptionSlot, slot);
            usedSlots.insert(s.descriptionSlot);
        }
        // 51 distinct indexes, each 0..36 or 90..103: both ranges exactly.
        QCOMPARE(int(settings().size()), settingCount);
        QCOMPARE(int(indexes.size()), threeStateCount + sliderCount);
        QCOMPARE(int(usedSlots.size()), descriptionSlotCount);
    }

    void rowsTabsResetsAndSliderNumbers()
    {
        const std::set<int> resetOff = {4, 6, 13, 19, 20, 21, 22, 29, 31, 32, 33, 34, 35};
        for (int row = 0; row < threeStateCount; ++row) {
            const Setting &s = threeStateRow(row);
            QCOMPARE(s.rowIndex, row);
            QCOMPARE(s.tab, row < 15 ? Tab::Fps1 : row < 30 ? Tab::Fps2 : Tab::Other);
            QCOMPARE(s.reset, resetOff.count(row) ? Reset::Off : Reset::On);
        }
        // min, max, initial, small change, large change, tick frequency
        const QList<QList<int>> numbers = {
            {0, 1000, 300, 50, 1000, 50},  {0, 4096, 200, 16, 128, 256},     {0, 4096, 2048, 16, 128, 256},
            {50, 1000, 500, 10, 100, 50},  {50, 1000, 400, 10, 100, 50},     {100, 5000, 1200, 50, 100, 500},
            {0, 3000, 1500, 50, 100, 200}, {0, 100, 20, 1, 10, 10},          {1, 100, 20, 5, 10, 5},
            {1, 100, 30, 5, 10, 5},        {1, 30000, 10000, 50, 500, 2000}, {10000, 50000, 25000, 1000, 5000, 5000},
            {1, 300, 300, 5, 10, 25},      {1, 360, 75, 5, 10, 30}};
        for (int k = 0; k < sliderCount; ++k) {
            const Setting &s = sliderRow(k);
            QCOMPARE(s.rowIndex, firstSliderRow + k);
            QCOMPARE(sliderNumber(s.rowIndex), k);
            QCOMPARE(s.tab, k < 8 ? Tab::Fps3 : k < 13 ? Tab::Ping : Tab::Other);
            QCOMPARE(s.reset, Reset::SliderDefault);
            const SliderRange &r = s.slider;
            QCOMPARE((QList<int>{r.min, r.max, r.initial, r.smallChange, r.largeChange, r.tickFrequency}), numbers[k]);
        }
        const Setting &dx = directXRow();
        QCOMPARE(QString::fromLatin1(dx.name), u"mat_dxlevel"_s);
        QCOMPARE(dx.tab, Tab::Other);
        QCOMPARE(dx.reset, Reset::DirectX90);
        QCOMPARE(dxMemberForLevel(90), std::optional<int>(dxResetMember));
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
