#pragma once

#include <QDialog>

#include "screens/qt/handler_gate.h"
#include "shell/about_dialog.h"

class QLabel;

namespace crucirco {

// frmAbout's window, modeless, with OK as both its default and its cancel button.
class AboutWindow final : public QDialog, public FormView {
    Q_OBJECT
public:
    AboutWindow(AboutDialog& about, Navigator& navigator, HandlerGate& gate);
    void refresh() override;

    // Escape and the close button answer like OK.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AboutDialog& about_;
    Navigator& navigator_;
    HandlerGate& gate_;
    QLabel* lblVersion_;
};

} // namespace crucirco
