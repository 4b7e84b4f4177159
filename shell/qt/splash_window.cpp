#include "shell/qt/splash_window.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QTimer>

namespace crucirco {

namespace {

const QColor kPurple(128, 0, 128);
const QColor kDarkGreen(0, 64, 0);

// A label keeps the size it was laid out with, or takes its text's.
enum class Sizing { AsLaidOut, ToText };
// A label shows the caption it was laid out with, or the version the form
// gives it.
enum class Caption { AsLaidOut, Version };

struct LabelLayout
{
    const char* name;
    const char* text;
    TwipRect place;
    const QString& family;
    double points;
    QFont::Weight weight;
    Qt::Alignment alignment;
    Sizing sizing;
    Caption caption;
};

// A label that sizes itself to its text takes its text's size at the top
// of its place, at the right edge if aligned there, else at the left.
void fitToText(QLabel* label)
{
    label->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, label->alignment(), label->sizeHint(), label->geometry()));
}

} // namespace

SplashWindow::SplashWindow(SplashForm& splash, Navigator& navigator, HandlerGate& gate)
    : FormWindow(splash, navigator, gate)
    , splash_(splash)
{
    // No title bar to name it, so screen readers are given the name.
    setAccessibleName(QStringLiteral("Presentación de Crucirco"));
    QPalette purple = palette();
    purple.setColor(QPalette::Window, kPurple);
    setPalette(purple);
    setFocusPolicy(Qt::StrongFocus);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(Twips::rect(120, 60, 7080, 4515));
    frame->setAutoFillBackground(true);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken); // an etched outline
    QPalette green = frame->palette();
    green.setColor(QPalette::Window, kDarkGreen);
    // The labels' text takes the system's highlighted-text colour.
    green.setColor(QPalette::WindowText, palette().color(QPalette::HighlightedText));
    frame->setPalette(green);

    addLogo(frame, {.left = 360, .top = 795, .width = 1455, .height = 1545});

    const LabelLayout labels[] = {
        {.name = "lblLicenseTo",
         .text = "Con licencia para quien juega",
         .place = {.left = 120, .top = 240, .width = 6855, .height = 255},
         .family = fonts::kArial,
         .points = 8.25,
         .weight = QFont::Normal,
         .alignment = Qt::AlignRight,
         .sizing = Sizing::AsLaidOut,
         .caption = Caption::AsLaidOut},
        {.name = "lblCompanyProduct",
         .text = "Velquor\u2122",
         .place = {.left = 2355, .top = 705, .width = 1995, .height = 435},
         .family = fonts::kArial,
         .points = 18,
         .weight = QFont::Bold,
         .alignment = Qt::AlignLeft,
         .sizing = Sizing::ToText,
         .caption = Caption::AsLaidOut},
        {.name = "lblProductName",
         .text = "Crucirco",
         .place = {.left = 2400, .top = 1140, .width = 2220, .height = 675},
         .family = fonts::kVerdana,
         .points = 27.75,
         .weight = QFont::Bold,
         .alignment = Qt::AlignLeft,
         .sizing = Sizing::ToText,
         .caption = Caption::AsLaidOut},
        {.name = "lblPlatform",
         .text = "Para Windows 95/98/NT/2000/XP",
         .place = {.left = 3165, .top = 2340, .width = 3690, .height = 285},
         .family = fonts::kArial,
         .points = 12,
         .weight = QFont::Bold,
         .alignment = Qt::AlignRight,
         .sizing = Sizing::ToText,
         .caption = Caption::AsLaidOut},
        {.name = "lblVersion",
         .text = "Version ",
         .place = {.left = 5910, .top = 2700, .width = 945, .height = 285},
         .family = fonts::kArial,
         .points = 12,
         .weight = QFont::Bold,
         .alignment = Qt::AlignRight,
         .sizing = Sizing::ToText,
         .caption = Caption::Version},
        {.name = "lblCopyright",
         .text = "Copyright © 2026 Velquor",
         .place = {.left = 4560, .top = 3060, .width = 2415, .height = 255},
         .family = fonts::kArial,
         .points = 8.25,
         .weight = QFont::Normal,
         .alignment = Qt::AlignLeft,
         .sizing = Sizing::AsLaidOut,
         .caption = Caption::AsLaidOut},
        {.name = "lblCompany",
         .text = "Velquor Company",
         .place = {.left = 4560, .top = 3270, .width = 2415, .height = 255},
         .family = fonts::kArial,
         .points = 8.25,
         .weight = QFont::Normal,
         .alignment = Qt::AlignLeft,
         .sizing = Sizing::AsLaidOut,
         .caption = Caption::AsLaidOut},
        {.name = "lblWarning",
         .text = "",
         .place = {.left = 240, .top = 3660, .width = 6735, .height = 195},
         .family = fonts::kArial,
         .points = 8.25,
         .weight = QFont::Normal,
         .alignment = Qt::AlignLeft,
         .sizing = Sizing::AsLaidOut,
         .caption = Caption::AsLaidOut},
    };
    // The labels stand on the frame, whose green is their background too.
    for (const LabelLayout& l : labels) {
        auto* label = new QLabel(QString::fromUtf8(l.text), frame);
        label->setObjectName(QString::fromLatin1(l.name));
        label->setFont(fonts::face(l.family, l.points, l.weight == QFont::Bold));
        label->setAlignment(l.alignment | Qt::AlignTop);
        label->setGeometry(Twips::rect(l.place));
        if (l.sizing == Sizing::ToText)
            fitToText(label);
        if (l.caption == Caption::Version)
            lblVersion_ = label;
    }

    auto* timer1 = new QTimer(this);
    timer1->setObjectName(QStringLiteral("Timer1"));
    timer1->setInterval(SplashForm::kCloseAfterMs);
    timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may close the splash up to 5 % early
    connect(timer1, &QTimer::timeout, this, [this] { forward([this] { splash_.Timer1_Timer(); }); });
    timer1->start();
    refresh();
}

void SplashWindow::refresh()
{
    lblVersion_->setText(QString::fromStdString(splash_.versionCaption()));
    fitToText(lblVersion_); // its row has it size itself to its text
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    // A character key, not a bare Shift or an arrow.
    if (!event->text().isEmpty())
        forward([this] { splash_.Form_KeyPress(); });
}

} // namespace crucirco
