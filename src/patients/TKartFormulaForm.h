#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QLabel;
class QMenu;

namespace orvex {

class Context;
class JawPicture;

// "Зубна формула": a small window that stays on top and follows the card file's current patient,
// showing the status code of each tooth above and below pictures of the two jaws. A right click on
// a tooth sets or removes its status; the card file writes the row when it saves.
class TKartFormulaForm : public QWidget {
    Q_OBJECT
public:
    explicit TKartFormulaForm(Context& ctx, QWidget* parent = nullptr);

    // Redraws the chart for the current patient (closes the window when there is none).
    void ShowPatient();
    // Sets the selected tooth's status (1–19), removes it (0), as the pop-up menu does.
    void ChooseStatus(int status);
    void ClearFormula();  // "Очистити формулу"
    void SelectPosition(int position) { m_selected = position; }
    int selectedPosition() const { return m_selected; }
    QString CodeShown(int position) const;  // the label of a position (1–32)

    // The legend lines shown under the chart, each number under its tooth.
    const QStringList& legendRows() const { return m_legend; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PointAt(bool lower, int x);
    void OpenMenu(bool lower, const QPoint& global);
    bool EditPatient();

    Context& m_ctx;
    JawPicture* m_upper = nullptr;
    JawPicture* m_lower = nullptr;
    QList<QLabel*> m_codes;                // 32, in position order
    QList<QList<QLabel*>> m_legendLabels;  // two rows of 16
    QStringList m_legend;
    int m_selected = 0;
};

}  // namespace orvex
