// The bridge is a static plugin of the test program itself.
#define QT_STATICPLUGIN

#include "support/AccessibleEvents.h"

#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QtPlugin>

namespace {

QList<std::pair<const QObject *, QAccessible::Event>> recorded;

class RecordingBridge final : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        recorded.append({event->object(), event->type()});
    }
};

} // namespace

class RecordingBridgePlugin final : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "AccessibleEvents.json")
public:
    QAccessibleBridge *create(const QString &) override
    {
        static RecordingBridge bridge; // Qt keeps the bridges it asks for to the end and never deletes them
        return &bridge;
    }
};

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

QList<QAccessible::Event> AccessibleEvents::take(const QObject *object)
{
    QList<QAccessible::Event> kinds;
    for (const auto &[source, kind] : std::as_const(recorded)) {
        if (source == object)
            kinds.append(kind);
    }
    recorded.clear();
    return kinds;
}

#include "AccessibleEvents.moc"
