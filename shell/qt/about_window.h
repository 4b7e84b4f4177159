#pragma once

#include <QDialog>

#include "forms/qt/form_window.h"
#include "shell/about_form.h"

class QLabel;

namespace crucirco {

// frmAbout's window, modeless, with OK as both its default and its cancel button.
class AboutWindow final : public FormWindow<QDialog>
{
public:
    using FormType = AboutForm;

    AboutWindow(AboutForm& about, Navigator& navigator, HandlerGate& gate);
    void refresh() override;

    // Escape answers like OK.
    void reject() override;

private:
    AboutForm& about_;
    QLabel* lblVersion_;
};

} // namespace crucirco
