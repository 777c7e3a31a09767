#include "patients/TKartFormulaForm.h"

#include <QAction>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <functional>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/db/RowSet.h"
#include "patients/Formula.h"
#include "patients/TKartForm.h"

namespace orvex {

constexpr int kJawWidth = 428;
constexpr double kColumn = 26.75;
constexpr int kJawHeight = 96;

// One jaw drawn as sixteen teeth: crowns towards the bite line, roots away from it; incisors narrow,
// canines pointed, premolars with one root, molars wide with two.
class JawPicture : public QWidget {
public:
    JawPicture(bool lower, QWidget* parent) : QWidget(parent), m_lower(lower) {
        setFixedSize(kJawWidth, kJawHeight);
        setMouseTracking(true);
        setCursor(Qt::PointingHandCursor);
    }

    std::function<void(int x)> moved;
    std::function<void(const QPoint& global)> menu;
    int marker = 0;  // selected column 1–16, 0 for none

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        if (moved) moved(int(event->position().x()));
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (moved) moved(int(event->position().x()));
        if (event->button() == Qt::RightButton && menu) menu(event->globalPosition().toPoint());
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), QColor(0xfb, 0xf6, 0xef));
        // The gum along the roots.
        const QRectF gum = m_lower ? QRectF(0, height() * 0.55, width(), height() * 0.45)
                                   : QRectF(0, 0, width(), height() * 0.45);
        p.fillRect(gum, QColor(0xf2, 0xc4, 0xc4));

        for (int k = 0; k < 16; ++k) {
            const double left = k * kColumn;
            const int fromCentre = k < 8 ? 7 - k : k - 8;  // 0 central incisor … 7 third molar
            DrawTooth(p, left, fromCentre, k + 1 == marker);
        }
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
        p.drawLine(QPointF(width() / 2.0, 0), QPointF(width() / 2.0, height()));
    }

private:
    void DrawTooth(QPainter& p, double left, int fromCentre, bool selected) {
        const double crownWidth = fromCentre <= 1 ? 17 : fromCentre == 2 ? 18 : fromCentre <= 4 ? 20 : 24;
        const double cx = left + kColumn / 2;
        const double h = height();
        // y grows away from the bite line: the crown near it, the root far from it.
        auto y = [&](double fromBite) { return m_lower ? fromBite : h - fromBite; };
        const double crown = fromCentre >= 5 ? 30 : 34;

        QPainterPath roots;
        const int rootCount = fromCentre >= 5 ? 2 : 1;
        const double rootLength = fromCentre == 2 ? 58 : 50;
        for (int r = 0; r < rootCount; ++r) {
            const double offset = rootCount == 1 ? 0 : (r == 0 ? -crownWidth / 4 : crownWidth / 4);
            const double half = rootCount == 1 ? crownWidth / 3 : crownWidth / 6;
            roots.moveTo(cx + offset - half, y(crown - 2));
            roots.lineTo(cx + offset, y(crown + rootLength - 12));
            roots.lineTo(cx + offset + half, y(crown - 2));
            roots.closeSubpath();
        }
        p.setPen(QPen(QColor(0x8a, 0x7a, 0x60), 1));
        p.setBrush(QColor(0xef, 0xe6, 0xd2));
        p.drawPath(roots);

        QPainterPath shape;
        const double top = y(4), bottom = y(crown);
        const QRectF box(cx - crownWidth / 2, std::min(top, bottom), crownWidth, std::abs(bottom - top));
        if (fromCentre == 2) {  // a canine narrows to a point at the bite
            const double tip = y(2);
            shape.moveTo(box.left(), y(crown));
            shape.lineTo(box.left() + 2, y(12));
            shape.lineTo(cx, tip);
            shape.lineTo(box.right() - 2, y(12));
            shape.lineTo(box.right(), y(crown));
            shape.closeSubpath();
        } else {
            shape.addRoundedRect(box, fromCentre <= 1 ? 3 : 6, fromCentre <= 1 ? 3 : 6);
        }
        p.setBrush(selected ? QColor(0xcf, 0xe3, 0xff) : QColor(Qt::white));
        p.setPen(QPen(selected ? QColor(0x1f, 0x5f, 0xbf) : QColor(0x70, 0x70, 0x70), selected ? 2 : 1));
        p.drawPath(shape);
        if (fromCentre >= 3) {  // cusps of premolars and molars
            p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1));
            p.drawLine(QPointF(cx, y(8)), QPointF(cx, y(crown - 8)));
        }
    }

    bool m_lower;
};

TKartFormulaForm::TKartFormulaForm(Context& ctx, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_ctx(ctx) {
    setWindowTitle(QStringLiteral("Зубна формула"));
    auto* v = new QVBoxLayout(this);
    v->setSpacing(2);

    auto codeRow = [this] {
        auto* row = new QWidget(this);
        row->setFixedWidth(kJawWidth);
        for (int k = 0; k < 16; ++k) {
            auto* label = new QLabel(row);
            label->setAlignment(Qt::AlignCenter);
            label->setGeometry(int(k * kColumn), 0, int(kColumn), 18);
            label->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
            m_codes.append(label);
        }
        row->setFixedHeight(18);
        return row;
    };
    v->addWidget(codeRow(), 0, Qt::AlignHCenter);
    m_upper = new JawPicture(false, this);
    v->addWidget(m_upper, 0, Qt::AlignHCenter);
    m_lower = new JawPicture(true, this);
    v->addWidget(m_lower, 0, Qt::AlignHCenter);
    v->addWidget(codeRow(), 0, Qt::AlignHCenter);

    for (int r = 0; r < 2; ++r) {
        auto* row = new QWidget(this);
        row->setFixedSize(kJawWidth, 16);
        QList<QLabel*> labels;
        for (int k = 0; k < 16; ++k) {
            auto* label = new QLabel(row);
            label->setAlignment(Qt::AlignCenter);
            label->setGeometry(int(k * kColumn) - 6, 0, int(kColumn) + 12, 16);
            label->setStyleSheet(QStringLiteral("color: #404040; font-size: 9px;"));
            labels.append(label);
        }
        m_legendLabels.append(labels);
        v->addWidget(row, 0, Qt::AlignHCenter);
    }

    auto* close = new QPushButton(QStringLiteral("Закрити"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    v->addWidget(close, 0, Qt::AlignRight);

    m_upper->moved = [this](int x) { PointAt(false, x); };
    m_lower->moved = [this](int x) { PointAt(true, x); };
    m_upper->menu = [this](const QPoint& at) { OpenMenu(false, at); };
    m_lower->menu = [this](const QPoint& at) { OpenMenu(true, at); };

    // The chart follows the card file's current patient and any refresh of its row.
    if (ctx.windows && ctx.windows->kart) {
        RowSet& rows = ctx.windows->kart->patients();
        // A list closed only to be reopened (a reload) must not close the window.
        auto follow = [this, &rows] {
            if (isVisible() && rows.IsOpen()) ShowPatient();
        };
        connect(&rows, &RowSet::currentChanged, this, follow);
        connect(&rows, &RowSet::rowChanged, this, follow);
        connect(&rows, &RowSet::reset, this, follow);
    }
    setFixedSize(sizeHint());
}

QString TKartFormulaForm::CodeShown(int position) const {
    return position >= 1 && position <= kToothPositions ? m_codes[position - 1]->text() : QString();
}

void TKartFormulaForm::ShowPatient() {
    TKartForm* kart = m_ctx.windows ? m_ctx.windows->kart : nullptr;
    const int type =
        GetSettingInt(QStringLiteral("FORMULA_TYPE"),
                      ReadSettingsGroup(PracticeSettingsPath(), QStringLiteral("FORMULA_TYPE;")));
    m_legend = FormulaLegend(type);
    static const QRegularExpression tooth(QStringLiteral("\\d+(\\([IVX]+\\))?"));
    for (int r = 0; r < m_legendLabels.size(); ++r) {
        QStringList numbers;
        for (auto it = tooth.globalMatch(m_legend.value(r)); it.hasNext();) numbers << it.next().captured();
        for (int k = 0; k < 16; ++k) m_legendLabels[r][k]->setText(numbers.value(k));
        m_legendLabels[r][0]->parentWidget()->setVisible(r < m_legend.size());
    }
    if (!kart || !kart->HasPatient()) {
        close();
        return;
    }
    for (QLabel* label : std::as_const(m_codes)) label->clear();
    setWindowTitle("Останній огляд проводився: " + kart->patients().Text(QStringLiteral("fordat")));
    for (const ToothMark& mark : DecodeFormula(kart->patients().Text(QStringLiteral("formula"))))
        m_codes[mark.position - 1]->setText(mark.code);
}

void TKartFormulaForm::PointAt(bool lower, int x) {
    const int column = ToothColumnAt(x);
    m_selected = lower ? 16 + column : column;
    m_upper->marker = lower ? 0 : column;
    m_lower->marker = lower ? column : 0;
    m_upper->update();
    m_lower->update();
}

void TKartFormulaForm::OpenMenu(bool, const QPoint& global) {
    TKartForm* kart = m_ctx.windows ? m_ctx.windows->kart : nullptr;
    if (!kart || !kart->HasPatient() || m_selected < 1) return;
    const int current = StatusAt(kart->patients().Text(QStringLiteral("formula")), m_selected);
    QMenu menu(this);
    const QList<ToothStatus>& statuses = ToothStatuses();
    for (int s = 1; s <= kToothStatuses; ++s) {
        QAction* a = menu.addAction(statuses[s - 1].name, this, [this, s] { ChooseStatus(s); });
        a->setCheckable(true);
        a->setChecked(s == current);
    }
    menu.addSeparator();
    menu.addAction(QStringLiteral("- Відмінити -"), this, [this] { ChooseStatus(0); });
    menu.addAction(QStringLiteral("Очистити формулу"), this, &TKartFormulaForm::ClearFormula);
    menu.exec(global);
}

bool TKartFormulaForm::EditPatient() {
    TKartForm* kart = m_ctx.windows ? m_ctx.windows->kart : nullptr;
    if (!kart || !kart->HasPatient()) return false;
    RowSet& rows = kart->patients();
    return rows.Edit();
}

void TKartFormulaForm::ChooseStatus(int status) {
    if (m_selected < 1 || m_selected > kToothPositions) return;
    try {
        if (!EditPatient()) return;
        RowSet& rows = m_ctx.windows->kart->patients();
        rows.SetValue(QStringLiteral("formula"),
                      SetToothStatus(rows.Text(QStringLiteral("formula")), m_selected, status));
        rows.SetDate(QStringLiteral("fordat"), QDate::currentDate());
    } catch (const Error& e) {
        ShowError(e.text());
    }
    ShowPatient();
}

void TKartFormulaForm::ClearFormula() {
    try {
        if (!EditPatient()) return;
        m_ctx.windows->kart->patients().SetValue(QStringLiteral("formula"), QString());
    } catch (const Error& e) {
        ShowError(e.text());
    }
    ShowPatient();
}

void TKartFormulaForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_F10) {
        close();
        EndProgram(m_ctx);
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace orvex
