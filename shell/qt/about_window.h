#pragma once

#include <QDialog>

#include "forms/qt/form_window.h"
#include "shell/about_dialog.h"

class QLabel;

namespace crucirco {

// frmAbout's window, modeless, with OK as both its default and its cancel button.
class AboutWindow final : public FormWindow<QDialog>
{
public:
    AboutWindow(AboutDialog& about, Navigator& navigator, HandlerGate& gate);
    void refresh() override;

    // Escape answers like OK.
    void reject() override;

private:
    AboutDialog& about_;
    QLabel* lblVersion_;
};

} // namespace crucirco
