#include "core/TSplashForm.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "core/TAboutForm.h"

namespace orvex {

TSplashForm::TSplashForm(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("splash"));
    setStyleSheet(QStringLiteral(
        "#splash { background: #24466b; border: 1px solid #10243a; } QLabel { color: white; }"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(32, 28, 32, 22);
    auto* name = new QLabel(QStringLiteral("Orvex"), this);
    name->setStyleSheet(QStringLiteral("font-size: 34px; font-weight: bold;"));
    v->addWidget(name, 0, Qt::AlignHCenter);
    v->addWidget(
        new QLabel(QStringLiteral("Система ведення документації та обліку стоматологічного кабінету"), this),
        0, Qt::AlignHCenter);
    v->addSpacing(18);
    version = new QLabel(VersionText(), this);
    v->addWidget(version, 0, Qt::AlignRight);
    auto* caption = new QLabel(QStringLiteral("Заватнаження:"), this);
    v->addWidget(caption);
    stage = new QLabel(QStringLiteral("головне вікно..."), this);
    stage->setStyleSheet(QStringLiteral("font-weight: bold;"));
    v->addWidget(stage);
    setFixedSize(sizeHint().expandedTo(QSize(480, 0)));
}

void TSplashForm::SetStage(const QString& text) {
    stage->setText(text);
    stage->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace orvex
