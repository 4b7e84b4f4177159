#include "shell/qt/about_window.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "forms/qt/accessibility.h"
#include "forms/qt/contrast.h"
#include "forms/qt/wrapping_button.h"
#include "forms/texts.h"

namespace crucirco {

namespace {

// The etched separator above the buttons: a grey line with a white one
// beneath it.
class EtchedLine final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int y = Twips::toPixels(2400);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawLine(Twips::toPixels(105), y + 1, Twips::toPixels(5654), y + 1);
        painter.setPen(QPen(QColor(128, 128, 128), 1));
        painter.drawLine(Twips::toPixels(90), y, Twips::toPixels(5654), y);
    }
};

QLabel* placeLabel(QLabel* label, const char* name, int left, int top, int width, int height)
{
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(Twips::rect(left, top, width, height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
                 int height)
{
    return placeLabel(new QLabel(text, parent), name, left, top, width, height);
}

} // namespace

AboutWindow::AboutWindow(AboutForm& about, Navigator& navigator, HandlerGate& gate)
    : FormWindow(about, navigator, gate)
    , about_(about)
{
    // Beneath every control, which stand over it.
    auto* separator = new EtchedLine(this);
    separator->setGeometry(rect());

    // A picture to screen readers, as the other windows' logo.
    QLabel* icon = placeLabel(new PictureLabel(QStringLiteral("#"), this), "Label1", 240, 120, 495, 855);
    icon->setFont(fonts::face(fonts::kTimesNewRoman, 36));
    icon->setAccessibleName(QStringLiteral("Icono de Crucirco"));
    addLabel(this, "lblTitle", QStringLiteral("Velquor Crucirco"), 1080, 240, 3885, 480);
    lblVersion_ = addLabel(this, "lblVersion", QString(), 1050, 780, 3885, 225);
    QLabel* description = addLabel(
        this, "lblDescription",
        QStringLiteral(
            "Muchas gracias por usar este programa. Para más información, ayuda, trucos y más visite ")
            + toQString(texts::kWebAddress),
        1050, 1125, 3885, 1170);
    description->setWordWrap(true);
    QLabel* disclaimer = addLabel(this, "lblDisclaimer", QString(), 255, 2625, 3870, 825);
    blackText_ = {description, disclaimer};
    keepBlackTextReadable();

    auto* ok = new WrappingButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(Twips::rect(4245, 2520, 1260, 345));
    connect(ok, &QPushButton::clicked, this, [this] { forward([this] { about_.cmdOK_Click(); }); });

    auto* sysInfo = new WrappingButton(QStringLiteral("&Info del sisitema..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setGeometry(Twips::rect(4260, 3000, 1245, 465));
    // In a dialog every button is an auto-default one, and the first in the
    // tab order, OK, is the default as the dialog opens and takes the focus:
    // the default frame follows the focus to this button and back to OK.
    connect(sysInfo, &QPushButton::clicked, this, [this] { forward([this] { about_.cmdSysInfo_Click(); }); });

    refresh();
}

void AboutWindow::refresh()
{
    lblVersion_->setText(QString::fromStdString(about_.versionCaption()));
}

void AboutWindow::keepBlackTextReadable()
{
    const bool blackReads = contrast(Qt::black, palette().color(QPalette::Window)) >= kReadableContrast;
    const QColor text = blackReads ? QColor(Qt::black) : palette().color(QPalette::WindowText);
    for (QLabel* label : blackText_) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, text);
        label->setPalette(colours);
    }
}

void AboutWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        keepBlackTextReadable();
    FormWindow::changeEvent(event);
}

void AboutWindow::reject()
{
    forward([this] { about_.cmdOK_Click(); });
}

} // namespace crucirco
