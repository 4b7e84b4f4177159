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
    int left, top, width, height;
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

    addLogo(frame, {360, 795, 1455, 1545});

    const LabelLayout labels[] = {
        {"lblLicenseTo", "Con licencia para quien juega", 120, 240, 6855, 255, fonts::kArial, 8.25,
         QFont::Normal, Qt::AlignRight, Sizing::AsLaidOut, Caption::AsLaidOut},
        {"lblCompanyProduct", "Velquor\u2122", 2355, 705, 1995, 435, fonts::kArial, 18, QFont::Bold,
         Qt::AlignLeft, Sizing::ToText, Caption::AsLaidOut},
        {"lblProductName", "Crucirco", 2400, 1140, 2220, 675, fonts::kVerdana, 27.75, QFont::Bold,
         Qt::AlignLeft, Sizing::ToText, Caption::AsLaidOut},
        {"lblPlatform", "Para Windows 95/98/NT/2000/XP", 3165, 2340, 3690, 285, fonts::kArial, 12,
         QFont::Bold, Qt::AlignRight, Sizing::ToText, Caption::AsLaidOut},
        {"lblVersion", "Version ", 5910, 2700, 945, 285, fonts::kArial, 12, QFont::Bold, Qt::AlignRight,
         Sizing::ToText, Caption::Version},
        {"lblCopyright", "Copyright © 2026 Velquor", 4560, 3060, 2415, 255, fonts::kArial, 8.25,
         QFont::Normal, Qt::AlignLeft, Sizing::AsLaidOut, Caption::AsLaidOut},
        {"lblCompany", "Velquor Company", 4560, 3270, 2415, 255, fonts::kArial, 8.25, QFont::Normal,
         Qt::AlignLeft, Sizing::AsLaidOut, Caption::AsLaidOut},
        {"lblWarning", "", 240, 3660, 6735, 195, fonts::kArial, 8.25, QFont::Normal, Qt::AlignLeft,
         Sizing::AsLaidOut, Caption::AsLaidOut},
    };
    // The labels stand on the frame, whose green is their background too.
    for (const LabelLayout& l : labels) {
        auto* label = new QLabel(QString::fromUtf8(l.text), frame);
        label->setObjectName(QString::fromLatin1(l.name));
        label->setFont(fonts::face(l.family, l.points, l.weight == QFont::Bold));
        label->setAlignment(l.alignment | Qt::AlignTop);
        label->setGeometry(Twips::rect(l.left, l.top, l.width, l.height));
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
