#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace orvex {

class Context;
class RowSet;
class RowSetModel;

// "Користувачі системи" (administrator only): the users, their rights, birth date, notes and room;
// adding, deleting, renaming and passwords.
class TUserCfgForm : public QDialog {
    Q_OBJECT
public:
    explicit TUserCfgForm(Context& ctx, QWidget* parent = nullptr);
    ~TUserCfgForm() override;

    void AddUser();
    void DeleteUser();
    void ChangePassword();
    void Rename();
    void PostChanges();    // "Зберегти зміни"
    void CancelChanges();  // "Відмінити зміни"
    bool loginListStale() const { return m_stale; }
    RowSet& rows() { return *m_rows; }

    QTableView* list = nullptr;
    QDateEdit* birth = nullptr;
    QPlainTextEdit* info = nullptr;
    QComboBox* room = nullptr;
    QCheckBox* allreg = nullptr;
    QCheckBox* ctrlviz = nullptr;
    QCheckBox* rep = nullptr;
    QCheckBox* medit = nullptr;
    QCheckBox* vedit = nullptr;
    QCheckBox* pvis = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* passwordButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;  // closing saves an open edit and refreshes the login list

private:
    void UpdateButtons();
    void ShowRoom();
    void RoomChosen(int index);
    void EndRename();

    Context& m_ctx;
    QList<int> m_roomIds;  // rid of each room selector item; 0 for "Усі кабінети"
    RowSet* m_rows = nullptr;
    RowSetModel* m_model = nullptr;
    bool m_stale = false;
};

}  // namespace orvex
