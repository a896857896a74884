#pragma once
// Adding or changing one building of the input-support list: its name and the location that
// customer addresses are searched for.
#include "settings/inputsupport.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QPushButton;

class frmMenuBuilding : public QDialog
{
    Q_OBJECT
  public:
    enum class Mode { Add, Change };
    // `others` are the buildings already in the tree; Add refuses a location one of them has.
    frmMenuBuilding(Mode mode, const std::vector<InputSupport::Building> &others,
                    const InputSupport::Building &current = {}, QWidget *parent = nullptr);

    // The confirmed entry, its location in half-width characters.
    InputSupport::Building result() const { return m_result; }

    QLineEdit *txtBuilding = nullptr;
    QLineEdit *txtAddress = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

  private:
    void updateOk();
    void cmdOK_Click();

    Mode m_mode;
    std::vector<InputSupport::Building> m_others;
    InputSupport::Building m_result;
};
