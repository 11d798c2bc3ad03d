// The bridge is a static plugin of the test program itself.
#define QT_STATICPLUGIN

#include "support/AccessibleEvents.h"

#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QtPlugin>

static QList<std::pair<const QObject *, QAccessible::Event>> recorded;

// The plugin is its own bridge: Qt keeps both to the end and deletes neither.
class RecordingBridgePlugin final : public QAccessibleBridgePlugin, public QAccessibleBridge {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "AccessibleEvents.json")
public:
    QAccessibleBridge *create(const QString &) override { return this; }
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *e) override { recorded.append({e->object(), e->type()}); }
};

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

QList<QAccessible::Event> takeAccessibleEvents(const QObject *object)
{
    QList<QAccessible::Event> kinds;
    for (const auto &[source, kind] : std::exchange(recorded, {})) {
        if (source == object)
            kinds.append(kind);
    }
    return kinds;
}

#include "AccessibleEvents.moc"
