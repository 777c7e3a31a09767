#pragma once

#include <QWidget>

class QLabel;

namespace orvex {

// The window shown while the program creates its windows, telling which part it is loading.
class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    void SetStage(const QString& stage);  // shown at once

    QLabel* version = nullptr;
    QLabel* stage = nullptr;
};

}  // namespace orvex
