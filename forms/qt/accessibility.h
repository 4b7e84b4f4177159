#pragma once

#include <QAccessible>
#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace crucirco {

// How the windows present themselves to screen readers, beyond what Qt's own
// widgets say: installed once the application exists, before any window.
void installAccessibility();

// A label showing a picture, or a glyph standing in for one, as the About
// window's "#" does: a graphic to screen readers.
class PictureLabel final : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// Controls that belong together, as the difficulty options do: one group
// with a name to a screen reader, which says the name as the focus enters
// it; on screen nothing but the controls themselves.
class NamedGroup final : public QWidget
{
    Q_OBJECT
public:
    NamedGroup(const QString& name, QWidget* parent);
};

// A label whose spoken name is made from its text, so that it changes, with
// the one event QLabel sends for a new text, exactly when the text does (an
// accessible name set on it would silence that). An empty label has no name
// of its own, unless it can be pressed: then it is a button, and its press
// action does what a click does.
class SpokenLabel : public QLabel
{
    Q_OBJECT
public:
    using Namer = std::function<QString(const QString& text)>;
    SpokenLabel(Namer namer, bool pressable, QWidget* parent);

    QString spokenName() const;
    bool pressable() const { return pressable_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Namer namer_;
    bool pressable_;
};

// Tells a screen reader what happened without moving the focus: a status
// bar "Avisos" from which each message is announced.
// Messages said within kGatherMs of the first are spoken as one, so that a
// move and the machine's reply 100 ms later are both heard, not one cut off
// by the other; a message box about to open has them spoken first.
// It has a meta-object of its own, as every class the accessibility factory
// tells apart does: Qt may make a widget's interface while its QWidget part
// is being built, and keeps that one for as long as the meta-object stays
// the same.
class Announcer final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kGatherMs = 250;
    // A pixel at the top left of its parent: it, and any notice and line it
    // holds, are clipped to it, so neither the pointer nor a screen reader's
    // review finds them over the window's own controls.
    static constexpr QRect kFootprint{0, 0, 1, 1};

    explicit Announcer(QWidget* parent);
    ~Announcer() override;

    void say(const QString& message);

    static void speakPendingNow();

private:
    void speak();

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Standing in for the announcements Qt has from 6.8 on: a notification
    // of one line of text, shown again for each message.
    QWidget* notice_;
    QLabel* line_;
#endif
    QStringList pending_;
    QTimer gather_;
};

} // namespace crucirco
