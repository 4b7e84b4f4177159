#pragma once

#include <QDialog>
#include <QList>

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

protected:
    void changeEvent(QEvent* event) override;

private:
    // The description and disclaimer are black, as laid out, wherever black reads on the scheme's
    // background; on a dark scheme, where black would vanish, they take the scheme's text colour.
    void keepBlackTextReadable();

    AboutForm& about_;
    QLabel* lblVersion_;
    QList<QLabel*> blackText_;
};

} // namespace crucirco
