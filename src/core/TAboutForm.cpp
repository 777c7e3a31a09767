#include "core/TAboutForm.h"

#include <QDesktopServices>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Windows.h"

namespace orvex {
namespace {

const char* const kWebSite = "https://orvex.com.ua";

void SetLinkColour(QLabel* link, const char* colour) {
    link->setStyleSheet(
        QStringLiteral("color: %1; text-decoration: underline;").arg(QString::fromLatin1(colour)));
}

}  // namespace

QString VersionText() {
    return QStringLiteral("Версія: 8.0 b59");
}

TAboutForm::TAboutForm(Context& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setWindowTitle(QStringLiteral("Система ведення документації та обліку \"Orvex\""));
    // Selected by name: a type selector would need the namespaced class name, and without the dark
    // background the white texts were unreadable.
    setObjectName(QStringLiteral("about"));
    setStyleSheet(QStringLiteral("#about { background: #24466b; } QLabel { color: white; }"));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(28, 24, 28, 18);
    auto* name = new QLabel(QStringLiteral("Orvex"), this);
    name->setStyleSheet(QStringLiteral("font-size: 30px; font-weight: bold; color: white;"));
    v->addWidget(name, 0, Qt::AlignHCenter);
    v->addSpacing(8);
    v->addWidget(new QLabel(QStringLiteral("Система \"Orvex\" розроблена для полегшення роботи"), this), 0,
                 Qt::AlignHCenter);
    v->addWidget(new QLabel(QStringLiteral("в стоматологічних кабінетах."), this), 0, Qt::AlignHCenter);
    v->addSpacing(12);
    version = new QLabel(VersionText(), this);
    v->addWidget(version, 0, Qt::AlignHCenter);
    link = new QLabel(QString::fromLatin1(kWebSite), this);
    link->setCursor(Qt::PointingHandCursor);
    SetLinkColour(link, "white");
    link->installEventFilter(this);
    v->addWidget(link, 0, Qt::AlignHCenter);
    v->addSpacing(12);
    auto* close = new QPushButton(QStringLiteral("Закрити"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(close, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == link) {
        if (event->type() == QEvent::Enter) SetLinkColour(link, "red");
        if (event->type() == QEvent::Leave) SetLinkColour(link, "white");
        if (event->type() == QEvent::MouseButtonRelease)
            QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebSite)));
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10) {
        reject();
        EndProgram(m_ctx);
        return;
    }
    QDialog::keyPressEvent(event);  // Esc closes
}

}  // namespace orvex
