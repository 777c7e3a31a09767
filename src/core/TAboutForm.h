#pragma once

#include <QDialog>

class QLabel;

namespace orvex {

class Context;

// The about box: what the program is, its version and the product's web site.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(Context& ctx, QWidget* parent = nullptr);

    QLabel* version = nullptr;
    QLabel* link = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;  // F10 ends the program
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Context& m_ctx;
};

// "Версія: 8.0 b59"
QString VersionText();

}  // namespace orvex
