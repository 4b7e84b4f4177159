#include "forms/qt/accessibility.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <algorithm>
#include <utility>
#include <vector>

namespace crucirco {

namespace {

class SpokenLabelInterface final : public QAccessibleWidget
{
public:
    explicit SpokenLabelInterface(SpokenLabel* label)
        : QAccessibleWidget(label, label->pressable() ? QAccessible::Button : QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? label()->spokenName() : QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return label()->pressable() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction() || !label()->pressable())
            return;
        // Played from the event loop, as a click is: a move may open a box,
        // and the screen reader's call must not wait until it is closed.
        QMetaObject::invokeMethod(label(), &SpokenLabel::clicked, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    SpokenLabel* label() const { return static_cast<SpokenLabel*>(widget()); }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Standing in for the announcements Qt has from 6.8 on.
// An announcer's notification. It has no name, and stands in a status bar,
// so that a screen reader says its message alone: Orca would begin every
// message with the role and the name ("notification Avisos") otherwise.
class Notice final : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// The line a notification holds: read out, never drawn.
class UnpaintedLabel final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {}
};
#endif

QAccessibleInterface* makeInterface(const QString& key, QObject* object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* label = qobject_cast<SpokenLabel*>(widget))
        return new SpokenLabelInterface(label);
    if (qobject_cast<Announcer*>(widget))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (qobject_cast<Notice*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Notification);
#endif
    if (qobject_cast<NamedGroup*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (qobject_cast<PictureLabel*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    // A window built on a plain widget is a window, not a filler in one.
    if (widget->isWindow() && key == QLatin1String("QWidget"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

std::vector<Announcer*>& announcers()
{
    static std::vector<Announcer*> all;
    return all;
}

} // namespace

void installAccessibility()
{
    // Qt asks its own factory first for each class, from the most derived:
    // this one is asked about the program's own classes before Qt's, and
    // about plain windows, which Qt's leaves to the fallback.
    QAccessible::installFactory(makeInterface);
}

NamedGroup::NamedGroup(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setAccessibleName(name);
}

SpokenLabel::SpokenLabel(Namer namer, bool pressable, QWidget* parent)
    : QLabel(parent)
    , namer_(std::move(namer))
    , pressable_(pressable)
{
}

QString SpokenLabel::spokenName() const
{
    return text().isEmpty() && !pressable_ ? QString() : namer_(text());
}

void SpokenLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // A label's own handling only selects text, which these labels never do.
    if (pressable_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    , notice_(new Notice(this))
    , line_(new UnpaintedLabel(notice_))
#endif
{
    setAccessibleName(QStringLiteral("Avisos"));
    setGeometry(kFootprint);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Shown with the first message: shown with its window, it would be read
    // out empty as the window opens.
    notice_->hide();
#endif
    gather_.setInterval(kGatherMs);
    connect(&gather_, &QTimer::timeout, this, [this] { speak(); });
    announcers().push_back(this);
}

Announcer::~Announcer()
{
    auto& all = announcers();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void Announcer::say(const QString& message)
{
    pending_ << message;
    if (!gather_.isActive())
        gather_.start();
}

void Announcer::speakPendingNow()
{
    for (Announcer* announcer : announcers()) {
        if (!announcer->pending_.isEmpty())
            announcer->speak();
    }
}

void Announcer::speak()
{
    gather_.stop();
    const QString message = pending_.join(QStringLiteral(". "));
    pending_.clear();
    if (!window()->isVisible())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt's own announcement, from the status bar: the screen reader says the
    // message as it comes, after what it is saying.
    QAccessibleAnnouncementEvent announcement(this, message);
    QAccessible::updateAccessibility(&announcement);
#else
    // The stand-in for an announcement: the notification shown again, which
    // has the screen reader read out its new line.
    line_->setText(message);
    if (notice_->isHidden()) {
        notice_->show(); // which tells the screen reader
        return;
    }
    QAccessibleEvent shown(notice_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

} // namespace crucirco

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include "accessibility.moc"
#endif
