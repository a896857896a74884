#pragma once
// The detail settings window: five behaviour options kept as the user's preferences.
#include "settings/detailoptions.h"

#include <QDialog>

#include <array>
#include <vector>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

class frmSettei : public QDialog
{
    Q_OBJECT
  public:
    explicit frmSettei(QWidget *parent = nullptr);

    // The choices as the window shows them.
    DetailOptions Shown() const;
    // Stores every option and disables apply.
    void SaveOptions();

    QTabWidget *tabSettei = nullptr;
    QGroupBox *fraOrder = nullptr;
    QGroupBox *fraMenu = nullptr;
    QGroupBox *fraShinko = nullptr;
    QGroupBox *fraNohin = nullptr;
    QGroupBox *fraPrint = nullptr;
    std::array<QRadioButton *, 2> optOrder{};
    std::array<QRadioButton *, 2> optMenu{};
    std::array<QRadioButton *, 3> optShinko{};
    std::array<QRadioButton *, 2> optPrint{};
    std::array<QRadioButton *, 2> optNohin{};
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdApply = nullptr;
    QPushButton *cmdCancel = nullptr;

  public slots:
    void reject() override;

  private:
    QGroupBox *optionGroup(DetailOptions::Option option, const QString &caption, const char *name,
                           std::initializer_list<QString> choices, const QString &note = {});

    std::array<std::vector<QRadioButton *>, DetailOptions::Count> m_choices;
};
