#pragma once

#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <optional>

#include "patients/PatientList.h"

class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QCheckBox;
class QSpinBox;
class QTabBar;
class QTabWidget;
class QTableView;
class QTimer;
class QToolButton;

namespace orvex {

class Context;
class RowSet;
class RowSetModel;

// "Картотека": the patient list with its groups and quick search, the patient's card, and the
// visit history. The row under the list's cursor is the program's current patient, which the
// formula and other patient windows read from here.
class TKartForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TKartForm(Context& ctx, QWidget* parent = nullptr);
    ~TKartForm() override;

    // The current patient's list (the other windows read the current patient's columns from it).
    RowSet& patients() { return *m_patients; }
    RowSet& visits() { return *m_visits; }
    RowSet& reportItems() { return *m_items; }
    bool HasPatient() const;
    int CurrentPid() const;

    // Reopens the list with its statement for the current user and returns to the patient it stood on.
    void ReloadPatientList();
    // Sets the list filter of a group selector item.
    void ApplyGroupFilter(int index);
    // Rebuilds the group selector from the database and selects "Загальна".
    void BuildGroups();
    const QList<GroupItem>& groups() const { return m_groups; }
    // Shows the window on a patient (by name or number), switching to the patient's group first.
    bool LocatePatient(const QString& groupName, const QString& column, const QVariant& value);

    void SaveChanges();    // "Зберегти"
    void CancelChanges();  // "Відмінити"
    void NewPatient();     // "Новий" / "Нова картка"
    void DeleteCurrentPatient();
    void TransferCurrentPatient(const QString& doctorName);
    void TransferAllPatients(const QString& doctorName);
    void QuickSearch(const QString& text);
    void ApplyQuickPhrase(int line, const QString& phrase);  // a card field menu's phrase
    void ReloadQuickMenus();
    void CardRefreshTick();  // the main window's card refresh: re-run or mark pending
    void VisitRefreshTick();

    // The visit page.
    void LoadVisits();
    void AddVisit();
    void DeleteVisit();
    void SaveVisit();
    void CancelVisit();
    void DeleteReportItem();
    void SelectVisitTab(int index);
    QStringList& pendingReportItems() { return m_pendingItems; }

    void ShowFormula();

    QComboBox* groupSelector = nullptr;
    QLabel* listTitle = nullptr;
    QTableView* PacList = nullptr;
    QLineEdit* quickSearch = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* userPanel = nullptr;
    QTabWidget* pages = nullptr;

    // The card page.
    QLineEdit* name = nullptr;
    QLabel* number = nullptr;
    QDateEdit* birth = nullptr;
    QLabel* age = nullptr;
    QComboBox* sex = nullptr;
    QLabel* residenceLabel = nullptr;
    QComboBox* residence = nullptr;
    QDateEdit* regdat = nullptr;
    QLabel* doctor = nullptr;
    QLabel* photo = nullptr;
    QCheckBox* showPhotos = nullptr;
    QTimer* PhotoTimer = nullptr;
    QList<QWidget*> cardFields;  // the nine fields with a quick menu, in menus.cfg order

    // The visit page.
    QTabBar* visitTabs = nullptr;
    QLabel* visitCounter = nullptr;
    QWidget* dateTimePanel = nullptr;
    QDateEdit* visitDate = nullptr;
    QSpinBox* visitHour = nullptr;
    QSpinBox* visitMinute = nullptr;
    QPlainTextEdit* skargy = nullptr;
    QPlainTextEdit* anamnez = nullptr;
    QPlainTextEdit* diag = nullptr;
    QPlainTextEdit* likuv = nullptr;
    QLabel* priceLabel = nullptr;
    QLineEdit* price = nullptr;
    QTableView* itemsGrid = nullptr;
    QPushButton* newVisitButton = nullptr;
    QPushButton* deleteVisitButton = nullptr;
    QTimer* vTimer = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildListPane();
    QWidget* BuildCardPage();
    QWidget* BuildVisitPage();
    QWidget* BuildBottomButtons();
    void BuildMenus();
    void ConnectPatientHooks();
    void ConnectVisitHooks();
    void PatientChanged();
    void UpdateEnabled();
    void UpdateEditButtons();
    void ShowSexAndResidence();
    void SexChosen(int index);
    void ResidenceChosen(int index);
    void NameEdited(const QString& text);
    void BirthChanged();
    void LoadPhoto();
    void ShowListMenu(const QPoint& at);
    void ShowFieldMenu(int line, const QPoint& at);
    void PatientEditEnded(bool posted);
    void VisitChanged();
    void VisitEditEnded(bool posted);
    void ShowVisitDateTime();
    void VisitDateChosen();
    void VisitTimeChosen();
    void ShowPrice();
    void PriceEdited(const QString& text);
    void OpenReportItems();
    void ApplyVisitRights();
    void RebuildTabs();
    void ReloadAndAnnounceVisits();  // after a visit is added or deleted
    bool PostPendingEdits();

    Context& m_ctx;
    RowSet* m_patients = nullptr;
    RowSetModel* m_patientModel = nullptr;
    RowSet* m_visits = nullptr;
    RowSet* m_items = nullptr;
    RowSetModel* m_itemModel = nullptr;
    QList<GroupItem> m_groups;
    QList<QStringList> m_quickMenus;
    std::optional<int> m_rememberedPid;
    std::optional<int> m_lockedPid;
    std::optional<int> m_lockedVid;
    bool m_showingVisit = false;
    bool m_typingPrice = false;  // the price field writes its own text: no reload under the caret
    QStringList m_pendingItems;
    QList<QAction*> m_patientActions;   // enabled only with a patient in the list
    QList<QWidget*> m_patientButtons;   // likewise
    QList<QWidget*> m_paymentControls;  // shown only to users who see financial information
};

}  // namespace orvex
