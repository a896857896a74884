#pragma once
// The first two steps the customer and phone-book imports share: choosing and reading the CSV
// file, and assigning its columns to the program's fields. The window that owns the steps adds
// the third step (the import itself) and asks for the mapping and the rows.
#include "store/helpers.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTreeWidget;
class QWidget;

class ImportSteps : public QObject
{
    Q_OBJECT
  public:
    struct Texts {
        QString fileStep;    // "１．インポートしたい…を指定してください。"
        QString dialogTitle; // of the open-file dialog
        QStringList targets; // the program's fields, in list order
    };
    // Builds the controls as children of `host`; fileStep() and mappingStep() hold them.
    ImportSteps(QWidget *host, const Texts &texts);

    QGroupBox *fileStep() const { return m_fileStep; }
    QGroupBox *mappingStep() const { return m_mappingStep; }

    QLabel *lblPath = nullptr;
    QPushButton *cmdSan = nullptr;
    QPushButton *cmdNext = nullptr;
    QTreeWidget *lsvData = nullptr;
    QTreeWidget *lsvList = nullptr;
    QPushButton *cmdSet = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdAllClear = nullptr;

    // The rows read by the last successful "次へ".
    const CsvTable &rows() const { return m_rows; }
    // The source column (1-based) of each target row, 0 where none is set.
    std::vector<int> columns() const;
    bool anyMapped() const;
    // Enables or disables the controls of both steps (the file button follows the path).
    void setControlsEnabled(bool enabled);

  signals:
    // A target gained or lost its column, or all were reset.
    void mappingChanged();

  private:
    void cmdSan_Click();
    void cmdNext_Click();
    void cmdSet_Click();
    void cmdClear_Click();
    void cmdAllClear_Click();
    void resetTargets();

    QWidget *m_host;
    Texts m_texts;
    QGroupBox *m_fileStep = nullptr;
    QGroupBox *m_mappingStep = nullptr;
    CsvTable m_rows;
};

// The third step's row: "インポート(&I)" and the progress label; a window adds its own buttons.
struct ImportRow {
    QGroupBox *box = nullptr;
    QHBoxLayout *row = nullptr;
    QPushButton *cmdInport = nullptr;
    QLabel *lblSin = nullptr;
};
ImportRow MakeImportRow();

// The busy pointer while a long step runs.
struct WaitCursor {
    explicit WaitCursor(bool arrowToo = false);
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
