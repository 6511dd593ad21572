// SPDX-License-Identifier: MIT
#include "ui/controls/announce.hpp"

#include <QAccessible>
#include <QString>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#else
#include <QAccessibleWidget>
#endif

namespace tessaly {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void announce(QWidget& source, const QString& text) {
    QAccessibleAnnouncementEvent event(&source, text);
    QAccessible::updateAccessibility(&event);
}

#else

// Before Qt 6.8 there is no announcement event, and a change of a name or a
// description is not spoken: Qt sends those in a form that Orca (43) rejects.
// What Orca does speak, without a focus move, is a notification being shown:
// it says "notification" and the notification's name. So each message is a
// notification that is hidden and shown again with the new text. It has no
// size, paints nothing and takes no focus, so that the window looks and
// behaves as before.
namespace {

class Notification : public QWidget {
public:
    explicit Notification(QWidget& window) : QWidget(&window) {
        setObjectName("announcement");
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }

    QString message;
};

class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(Notification* notification)
        : QAccessibleWidget(notification, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Notification*>(widget())->message
                                      : QString();
    }
};

// The notification has no meta-object of its own, so Qt names its class QWidget.
QAccessibleInterface* notificationInterface(const QString& className, QObject* object) {
    auto* notification =
        className == QLatin1String("QWidget") ? dynamic_cast<Notification*>(object) : nullptr;
    return notification != nullptr ? new NotificationAccessible(notification) : nullptr;
}

Notification& notificationOf(QWidget& window) {
    static const bool installed = (QAccessible::installFactory(notificationInterface), true);
    (void)installed;
    for (QObject* child : window.children()) {
        if (auto* notification = dynamic_cast<Notification*>(child)) {
            return *notification;
        }
    }
    return *new Notification(window);
}

} // namespace

void announce(QWidget& source, const QString& text) {
    if (!QAccessible::isActive()) {
        return; // no assistive technology listens: nothing to build or show
    }
    Notification& notification = notificationOf(*source.window());
    notification.hide();
    notification.message = text;
    notification.show();
}

#endif

} // namespace tessaly
